#include "dialogs/templategeometry.h"

#include "dialogs/dialogunits.h"

CTemplateGeometry::CTemplateGeometry(const QSize& sizeUnits)
    : m_sizeUnits(sizeUnits) {}

void CTemplateGeometry::Place(QWidget* pControl, const QRect& rectUnits) {
    m_placements.push_back({pControl, rectUnits, QSize()});
}

void CTemplateGeometry::PlaceWithPixelSize(QWidget* pControl, const QPoint& ptUnits,
                                           const QSize& sizePixels) {
    m_placements.push_back({pControl, QRect(ptUnits, QSize()), sizePixels});
}

void CTemplateGeometry::Apply(QWidget* pDialog) const {
    const CDialogUnits units(pDialog->font());
    for (const SPlacement& placement : m_placements) {
        if (placement.pControl.isNull()) {
            continue;
        }
        if (placement.sizePixels.isValid()) {
            const QPoint ptTopLeft(units.ToPixelsX(placement.rectUnits.x()),
                                   units.ToPixelsY(placement.rectUnits.y()));
            placement.pControl->setGeometry(QRect(ptTopLeft, placement.sizePixels));
        } else {
            placement.pControl->setGeometry(units.ToPixels(placement.rectUnits));
        }
    }
    pDialog->setFixedSize(units.ToPixels(m_sizeUnits));
}
