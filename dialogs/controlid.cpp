#include "dialogs/controlid.h"

#include <QVariant>

void SetControlId(QWidget* pControl, int nId, QLatin1String strSymbol) {
    pControl->setObjectName(strSymbol);
    pControl->setProperty(kControlIdProperty, nId);
}
