#pragma once

#include <QLatin1String>
#include <QWidget>

// Every control of a dialog carries its template id, so that callers and tests find a control by
// the same number the program has always used for it.
inline constexpr char kControlIdProperty[] = "varnelControlId";

// The framework's numbers for the two standard buttons.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// Names the control after its id symbol and records the id.
void SetControlId(QWidget* pControl, int nId, QLatin1String strSymbol);

// The child of `pDialog` carrying `nId`, or null when there is none of type T.
template <typename T>
T* FindControl(const QWidget* pDialog, int nId) {
    const QList<T*> controls = pDialog->findChildren<T*>();
    for (T* pControl : controls) {
        if (pControl->property(kControlIdProperty).toInt() == nId) {
            return pControl;
        }
    }
    return nullptr;
}
