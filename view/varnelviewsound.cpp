#include "view/varnelview.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>

namespace {

// A lit dot: a warm ring around it with the dot still showing through.
const QColor kSoundingRing(255, 170, 0);
const QColor kSoundingFill(255, 214, 0, 150);
constexpr int kSoundingRingWidth = 3;

const LayoutCell* FindCell(const NeckLayout& layout, const LayoutHit& hit) {
    if (hit.neck < 0 || hit.neck >= static_cast<int>(layout.Necks().size())) {
        return nullptr;
    }
    const NeckGeometry& neck = layout.Necks()[static_cast<std::size_t>(hit.neck)];
    for (const LayoutRow& row : neck.rows) {
        if (row.fret != hit.fret) {
            continue;
        }
        for (const LayoutCell& cell : row.cells) {
            if (cell.string == hit.string) {
                return &cell;
            }
        }
    }
    for (const LayoutCell& cell : neck.openCells) {
        if (hit.fret == 0 && cell.string == hit.string) {
            return &cell;
        }
    }
    return nullptr;
}

bool Contains(const CSurfaceRect& box, QPoint point) {
    return point.x() >= box.left && point.x() < box.right && point.y() >= box.top &&
           point.y() < box.bottom;
}

} // namespace

std::optional<QPoint> CVarnelView::LogicalPoint(QPoint viewPoint) const {
    const double scale = ScreenScale();
    if (scale <= 0.0) {
        return std::nullopt;
    }
    return QPoint(static_cast<int>(std::floor(viewPoint.x() / scale)),
                  static_cast<int>(std::floor(viewPoint.y() / scale)));
}

std::optional<LayoutHit> CVarnelView::CellAt(QPoint viewPoint) const {
    const std::optional<QPoint> logical = LogicalPoint(viewPoint);
    return logical ? CurrentLayout().HitTest(*logical) : std::nullopt;
}

bool CVarnelView::ShowsDot(const LayoutHit& cell) const {
    if (QueryNoteRole(cell.fret, cell.string, cell.neck) == 0) {
        return false;
    }
    if (!m_bPositionsOnly || m_positions != PositionKind::ThreePerString) {
        return true;
    }
    return !IsOutsideShape(m_positions, ThreeNotesPerString(*this, cell.neck), cell.string,
                           cell.fret);
}

QRect CVarnelView::CellRect(const LayoutHit& cell) const {
    const LayoutCell* found = FindCell(CurrentLayout(), cell);
    if (found == nullptr) {
        return {};
    }
    const double scale = ScreenScale();
    const auto at = [scale](int value) { return static_cast<int>(std::lround(value * scale)); };
    return QRect(QPoint(at(found->dot.left), at(found->dot.top)),
                 QPoint(at(found->dot.right) - 1, at(found->dot.bottom) - 1));
}

void CVarnelView::SetSoundingCells(const std::vector<LayoutHit>& cells) {
    if (cells != m_sounding) {
        m_sounding = cells;
        update();
    }
}

void CVarnelView::DrawSoundMarks(QPainter& painter) const {
    const bool focusShown = hasFocus() && m_focusedCell.has_value();
    if (m_sounding.empty() && !focusShown) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kSoundingRing, kSoundingRingWidth));
    painter.setBrush(kSoundingFill);
    for (const LayoutHit& cell : m_sounding) {
        const QRect dot = CellRect(cell);
        if (!dot.isEmpty()) {
            painter.drawEllipse(dot.adjusted(-2, -2, 2, 2));
        }
    }
    painter.restore();
    if (focusShown) {
        const QRect dot = CellRect(*m_focusedCell);
        if (!dot.isEmpty()) {
            QStyleOptionFocusRect option;
            option.initFrom(this);
            option.rect = dot.adjusted(-4, -4, 4, 4);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
        }
    }
}

void CVarnelView::mousePressEvent(QMouseEvent* pEvent) {
    if (pEvent->button() == Qt::LeftButton) {
        const std::optional<LayoutHit> cell = CellAt(pEvent->position().toPoint());
        if (cell && ShowsDot(*cell)) {
            m_focusedCell = cell;
            update();
            Q_EMIT cellActivated(*cell);
            return;
        }
    }
    QWidget::mousePressEvent(pEvent);
}

void CVarnelView::contextMenuEvent(QContextMenuEvent* pEvent) {
    const std::optional<QPoint> logical = LogicalPoint(pEvent->pos());
    if (!logical) {
        return;
    }
    std::optional<int> neck;
    const NeckLayout& layout = CurrentLayout();
    if (const std::optional<LayoutHit> cell = layout.HitTest(*logical)) {
        neck = cell->neck;
    } else if (const std::optional<int> title = layout.TitleAt(*logical, fontMetrics().height())) {
        neck = title;
    } else {
        for (std::size_t i = 0; i < layout.Necks().size(); ++i) {
            if (Contains(layout.Necks()[i].frame, *logical)) {
                neck = static_cast<int>(i);
            }
        }
    }
    if (!neck) {
        pEvent->ignore();
        return;
    }
    QMenu menu(this);
    const int chosen = *neck;
    connect(menu.addAction(tr("Play Neck")), &QAction::triggered, this,
            [this, chosen] { Q_EMIT neckPlayRequested(chosen); });
    menu.exec(pEvent->globalPos());
}

void CVarnelView::keyPressEvent(QKeyEvent* pEvent) {
    const bool control = pEvent->modifiers() == Qt::ControlModifier;
    switch (pEvent->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_focusedCell && !CellRect(*m_focusedCell).isEmpty()) {
            Q_EMIT cellActivated(*m_focusedCell);
            return;
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (control) {
            MoveFocusedCell(pEvent->key());
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(pEvent);
}

void CVarnelView::MoveFocusedCell(int nKey) {
    const NeckLayout& layout = CurrentLayout();
    const int lowestFret = m_nFirstFret == 0 && !m_bOpenStrings ? 1 : m_nFirstFret;
    LayoutHit cell = m_focusedCell.value_or(LayoutHit{0, 0, layout.FirstRowFret()});
    if (m_focusedCell && !CellRect(cell).isEmpty()) {
        // Across the strings or along them, as the necks lie on the screen.
        const bool alongStrings = m_bHorizontal ? (nKey == Qt::Key_Left || nKey == Qt::Key_Right)
                                                : (nKey == Qt::Key_Up || nKey == Qt::Key_Down);
        const bool forward = nKey == Qt::Key_Right || nKey == Qt::Key_Down;
        if (alongStrings) {
            const bool towardsBody = m_bHorizontal && m_bLeftHanded ? !forward : forward;
            cell.fret = std::clamp(cell.fret + (towardsBody ? 1 : -1), lowestFret, m_nLastFret);
        } else {
            // Vertical necks: the lowest string on the left unless left-handed; stacked necks:
            // the lowest string at the bottom.
            const bool higher = m_bHorizontal ? !forward : (forward != m_bLeftHanded);
            cell.string += higher ? 1 : -1;
            if (cell.string >= StringCount() || cell.string < 0) {
                const int neck = cell.neck + (forward ? 1 : -1);
                if (neck < 0 || neck >= NeckCount()) {
                    return;
                }
                cell.neck = neck;
                cell.string = cell.string < 0 ? StringCount() - 1 : 0;
            }
        }
    } else {
        cell = LayoutHit{0, 0, std::max(lowestFret, layout.FirstRowFret())};
    }
    m_focusedCell = cell;
    update();
}

void CVarnelView::focusInEvent(QFocusEvent* pEvent) {
    QWidget::focusInEvent(pEvent);
    if (m_focusedCell) {
        update();
    }
}

void CVarnelView::focusOutEvent(QFocusEvent* pEvent) {
    QWidget::focusOutEvent(pEvent);
    if (m_focusedCell) {
        update();
    }
}
