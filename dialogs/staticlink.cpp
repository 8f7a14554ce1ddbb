#include "dialogs/staticlink.h"

#include "dialogs/trace.h"
#include "res/images.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QUrl>

namespace {

constexpr QLatin1String kMailScheme("mailto:");

} // namespace

CStaticLink::CStaticLink(QWidget* pParent)
    : QLabel(pParent) {
    // Moves without a button pressed must arrive, or the hand would never show.
    setMouseTracking(true);
    m_timerLaunch.setSingleShot(true);
    m_timerLaunch.setInterval(kLaunchPeriodMs);
    connect(&m_timerLaunch, &QTimer::timeout, this, &CStaticLink::OnTimer);
}

CStaticLink::~CStaticLink() {
    ReleaseCapture();
}

bool CStaticLink::IsVisited() const {
    return m_pVisited != nullptr && *m_pVisited;
}

const QCursor& CStaticLink::HandCursor() {
    if (!m_curHand) {
        const QCursor curHand = LinkHandCursor();
        // Without its image the hand would come out as an arrow; the platform's hand stands in.
        m_curHand = curHand.shape() == Qt::BitmapCursor ? curHand : QCursor(Qt::PointingHandCursor);
    }
    return *m_curHand;
}

void CStaticLink::ReleaseCapture() {
    if (QWidget::mouseGrabber() == this) {
        releaseMouse();
    }
}

void CStaticLink::paintEvent(QPaintEvent* pEvent) {
    // A label that shows a picture instead of text is painted as any label.
    if (text().isEmpty() || !pixmap().isNull()) {
        QLabel::paintEvent(pEvent);
        return;
    }
    if (!m_fontUnderline) {
        QFont fontUnderline = font();
        fontUnderline.setUnderline(true);
        m_fontUnderline = fontUnderline;
    }
    // No background is filled, so the dialog shows through behind the text.
    QPainter painter(this);
    painter.setFont(*m_fontUnderline);
    painter.setPen(IsVisited() ? m_crVisited : m_crNormal);
    const Qt::Alignment alignFlags = QStyle::visualAlignment(layoutDirection(), alignment());
    painter.drawText(contentsRect(), static_cast<int>(alignFlags.toInt()), text());
}

void CStaticLink::mouseMoveEvent(QMouseEvent* pEvent) {
    QLabel::mouseMoveEvent(pEvent);
    OnMouseMove(pEvent->position().toPoint());
}

void CStaticLink::mousePressEvent(QMouseEvent* pEvent) {
    QLabel::mousePressEvent(pEvent);
    if (pEvent->button() == Qt::LeftButton) {
        m_bPressed = true;
    }
}

void CStaticLink::mouseReleaseEvent(QMouseEvent* pEvent) {
    QLabel::mouseReleaseEvent(pEvent);
    if (pEvent->button() != Qt::LeftButton || !m_bPressed) {
        return;
    }
    m_bPressed = false;
    // A press that slides off the link before its release is no click.
    if (rect().contains(pEvent->position().toPoint())) {
        OnClicked();
    }
}

void CStaticLink::hideEvent(QHideEvent* pEvent) {
    // A closing dialog must not leave the grab with a hidden link.
    if (m_bCaptured) {
        m_bCaptured = false;
        ReleaseCapture();
    }
    m_bPressed = false;
    QLabel::hideEvent(pEvent);
}

void CStaticLink::OnClicked() {
    if (m_strTarget.isEmpty()) {
        m_strTarget = text();
    }
    if (m_strTarget.contains(QLatin1String(kAuthorMailboxPrefix)) &&
        !m_strTarget.startsWith(kMailScheme)) {
        m_strTarget.prepend(kMailScheme);
    }

    m_bCaptured = false;
    ReleaseCapture();

    // Starting a running timer restarts it, so every click gets its full launch period.
    m_bLaunching = true;
    m_timerLaunch.start();

    if (QDesktopServices::openUrl(QUrl(m_strTarget))) {
        if (m_pVisited != nullptr) {
            *m_pVisited = true;
        }
        setCursor(Qt::ArrowCursor);
        update();
    } else {
        QApplication::beep();
        VARNEL_TRACE() << "CStaticLink: unable to open " << m_strTarget;
    }
}

void CStaticLink::OnMouseMove(const QPoint& ptPosition) {
    if (m_bLaunching) {
        return;
    }
    const bool bPoint = rect().contains(ptPosition);
    if (!m_bCaptured && bPoint) {
        m_bCaptured = true;
        grabMouse();
        setCursor(HandCursor());
        VARNEL_TRACE() << "CStaticLink: pointer over " << text();
    }
    if (m_bCaptured && !bPoint) {
        ReleaseCapture();
        m_bCaptured = false;
        setCursor(Qt::ArrowCursor);
        VARNEL_TRACE() << "CStaticLink: pointer off " << text();
    }
}

void CStaticLink::OnTimer() {
    m_bLaunching = false;
}
