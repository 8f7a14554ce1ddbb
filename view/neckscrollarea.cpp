#include "view/neckscrollarea.h"

#include "view/varnelview.h"
#include "view/zoomsteps.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

CNeckScrollArea::CNeckScrollArea(CVarnelView* pView, QWidget* pParent)
    : QScrollArea(pParent)
    , m_pView(pView) {
    // No frame: at 100 % the view covers exactly the area it covered without scrolling.
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setWidget(pView);
    setFocusProxy(pView);
    viewport()->installEventFilter(this);
    connect(pView, &CVarnelView::layoutChanged, this, &CNeckScrollArea::UpdateViewSize);
}

CNeckScrollArea::~CNeckScrollArea() = default;

void CNeckScrollArea::UpdateViewSize() {
    if (m_bUpdating) {
        return;
    }
    m_bUpdating = true;
    const Qt::ScrollBarPolicy policy =
        m_pView->IsFitted() ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    setHorizontalScrollBarPolicy(policy);
    setVerticalScrollBarPolicy(policy);
    // A hidden window's viewport is laid out only when it is shown; until then the area is
    // all of it.
    m_pView->SetVisibleSize(isVisible() ? viewport()->size() : maximumViewportSize());
    const QSize required = m_pView->RequiredSize();
    if (m_pView->size() != required) {
        m_pView->resize(required);
    }
    m_bUpdating = false;
}

bool CNeckScrollArea::eventFilter(QObject* pWatched, QEvent* pEvent) {
    // The visible area changes with the window and with the scroll bars coming and going.
    if (pWatched == viewport() && pEvent->type() == QEvent::Resize) {
        UpdateViewSize();
    }
    return QScrollArea::eventFilter(pWatched, pEvent);
}

void CNeckScrollArea::resizeEvent(QResizeEvent* pEvent) {
    QScrollArea::resizeEvent(pEvent);
    UpdateViewSize();
}

void CNeckScrollArea::keyPressEvent(QKeyEvent* pEvent) {
    QScrollBar* vertical = verticalScrollBar();
    QScrollBar* horizontal = horizontalScrollBar();
    const bool control = pEvent->modifiers().testFlag(Qt::ControlModifier);
    switch (pEvent->key()) {
    case Qt::Key_Home:
        vertical->setValue(vertical->minimum());
        if (control) {
            horizontal->setValue(horizontal->minimum());
        }
        return;
    case Qt::Key_End:
        vertical->setValue(vertical->maximum());
        if (control) {
            horizontal->setValue(horizontal->maximum());
        }
        return;
    default:
        QScrollArea::keyPressEvent(pEvent);
    }
}

void CNeckScrollArea::wheelEvent(QWheelEvent* pEvent) {
    if (!pEvent->modifiers().testFlag(Qt::ControlModifier)) {
        m_nWheelDelta = 0;
        QScrollArea::wheelEvent(pEvent);
        return;
    }
    // One notch (120 eighths of a degree) is one step; a fine-grained wheel adds up to it.
    constexpr int kNotch = 120;
    m_nWheelDelta += pEvent->angleDelta().y();
    const int percent = qRound(m_pView->ScreenScale() * 100.0);
    if (m_nWheelDelta >= kNotch) {
        m_nWheelDelta = 0;
        m_pView->SetZoomPercent(ZoomSteps::In(percent));
    } else if (m_nWheelDelta <= -kNotch) {
        m_nWheelDelta = 0;
        m_pView->SetZoomPercent(ZoomSteps::Out(percent));
    }
    pEvent->accept();
}
