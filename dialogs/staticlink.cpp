#include "dialogs/staticlink.h"

#include "dialogs/linkcolours.h"
#include "dialogs/trace.h"
#include "res/images.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QUrl>

namespace {

constexpr QLatin1String kMailScheme("mailto:");

bool IsActivationKey(const QKeyEvent& event) {
    // A key with Ctrl, Alt or Shift held is left to shortcuts; the keypad's Enter carries its own
    // modifier.
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers != Qt::NoModifier && modifiers != Qt::KeypadModifier) {
        return false;
    }
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter ||
           event.key() == Qt::Key_Space;
}

// The style decides how the frame looks, and some draw it only after focus came by keyboard.
void DrawFocusFrame(const QWidget& widget, QPainter& painter, const QRect& rectText) {
    QStyleOptionFocusRect option;
    option.initFrom(&widget);
    option.rect = rectText.adjusted(-1, -1, 1, 1).intersected(widget.rect());
    option.backgroundColor = widget.palette().color(widget.backgroundRole());
    // The text's pen and font must survive whatever the style sets.
    painter.save();
    widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, &widget);
    painter.restore();
}

// Assistive tools meet a link, not static text, named by its text unless the owner named it.
class CStaticLinkAccessible final : public QAccessibleWidget {
public:
    explicit CStaticLinkAccessible(QWidget* pLink)
        : QAccessibleWidget(pLink, QAccessible::Link) {}

    QString text(QAccessible::Text textKind) const override {
        if (textKind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return static_cast<const QLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(textKind);
    }
};

QAccessibleInterface* CreateLinkAccessible(const QString& strClassName, QObject* pObject) {
    if (strClassName == QLatin1String(CStaticLink::staticMetaObject.className())) {
        return new CStaticLinkAccessible(static_cast<QWidget*>(pObject));
    }
    return nullptr;
}

} // namespace

CStaticLink::CStaticLink(QWidget* pParent)
    : QLabel(pParent) {
    // Factories are global, so the first link installs one for all.
    [[maybe_unused]] static const bool bAccessibleInstalled = [] {
        QAccessible::installFactory(&CreateLinkAccessible);
        return true;
    }();
    // Moves without a button pressed must arrive, or the hand would never show after a launch.
    setMouseTracking(true);
    // Tab reaches the link, but a click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    m_timerLaunch.setSingleShot(true);
    m_timerLaunch.setInterval(kLaunchPeriodMs);
    connect(&m_timerLaunch, &QTimer::timeout, this, &CStaticLink::OnTimer);
}

CStaticLink::~CStaticLink() = default;

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

void CStaticLink::SetPointerOver(bool bOver) {
    // A failed open keeps the hand without the pointer counting as over the link, so an idle link
    // may still hold a cursor to give back.
    if (bOver == m_bCaptured && (bOver || !testAttribute(Qt::WA_SetCursor))) {
        return;
    }
    if (bOver != m_bCaptured) {
        VARNEL_TRACE() << "CStaticLink: pointer " << (bOver ? "over " : "off ") << text();
    }
    m_bCaptured = bOver;
    if (bOver) {
        setCursor(HandCursor());
    } else {
        // The window's own cursor shows through again.
        unsetCursor();
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
    // A dark desktop gets its own link colours: the classic blue can hardly be read on it.
    const LinkColours colours = LinkColoursFor(palette(), m_crNormal, m_crVisited);
    painter.setPen(IsVisited() ? colours.visited : colours.normal);
    const int nFlags =
        static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment()).toInt());
    // Some styles fill the focus frame, so it goes beneath the text to keep the link's colours.
    if (hasFocus()) {
        DrawFocusFrame(*this, painter, painter.boundingRect(contentsRect(), nFlags, text()));
    }
    painter.drawText(contentsRect(), nFlags, text());
}

void CStaticLink::enterEvent(QEnterEvent* pEvent) {
    QLabel::enterEvent(pEvent);
    if (!m_bLaunching) {
        SetPointerOver(true);
    }
}

void CStaticLink::leaveEvent(QEvent* pEvent) {
    QLabel::leaveEvent(pEvent);
    if (!m_bLaunching) {
        SetPointerOver(false);
    }
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

void CStaticLink::keyPressEvent(QKeyEvent* pEvent) {
    if (!IsActivationKey(*pEvent)) {
        // Unhandled keys go on to the dialog, whose Escape and default button keep working.
        QLabel::keyPressEvent(pEvent);
        return;
    }
    pEvent->accept();
    // A held key would otherwise open a window for every repeat.
    if (!pEvent->isAutoRepeat()) {
        OnClicked();
    }
}

void CStaticLink::hideEvent(QHideEvent* pEvent) {
    // A hidden link has no pointer over it, and a press cannot end on it.
    SetPointerOver(false);
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

    // Starting a running timer restarts it, so every click gets its full launch period.
    m_bLaunching = true;
    m_timerLaunch.start();

    if (QDesktopServices::openUrl(QUrl(m_strTarget))) {
        if (m_pVisited != nullptr) {
            *m_pVisited = true;
        }
        unsetCursor();
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
    SetPointerOver(rect().contains(ptPosition));
}

void CStaticLink::OnTimer() {
    m_bLaunching = false;
}
