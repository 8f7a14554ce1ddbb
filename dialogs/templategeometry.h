#pragma once

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <vector>

// A dialog template's fixed geometry: the client size and each control's rectangle, all in
// dialog units. Apply() turns them into pixels with the dialog's current font, so a dialog calls
// it once when built and again whenever its font changes.
class CTemplateGeometry final {
public:
    explicit CTemplateGeometry(const QSize& sizeUnits);

    void Place(QWidget* pControl, const QRect& rectUnits);
    // For controls that size themselves (an icon), only the position is in dialog units.
    void PlaceWithPixelSize(QWidget* pControl, const QPoint& ptUnits, const QSize& sizePixels);

    void Apply(QWidget* pDialog) const;

private:
    struct SPlacement {
        QPointer<QWidget> pControl;
        QRect rectUnits;
        QSize sizePixels; // valid only for self-sized controls
    };

    QSize m_sizeUnits;
    std::vector<SPlacement> m_placements;
};
