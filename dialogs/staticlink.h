#pragma once

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QLabel>
#include <QString>
#include <QTimer>

#include <optional>

// The local part of the author's mail address with its at sign. A link whose text contains it
// is a mail address and opens as a "mailto:" target.
inline constexpr char kAuthorMailboxPrefix[] = "author@";

// A label that opens its own text as a link: underlined, blue until followed and purple after (on
// a dark palette the palette's own link colours, made readable), a hand cursor while the pointer
// is over it. Tab reaches it, and Enter, Return or Space open it as a click does. The visited
// state belongs to the owner, who points m_pVisited at a flag that outlives the link before the
// link is first shown.
class CStaticLink : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CStaticLink)

public:
    explicit CStaticLink(QWidget* pParent = nullptr);
    ~CStaticLink() override;

    static constexpr int kLaunchPeriodMs = 1000;

    QColor m_crNormal{0, 0, 255};
    QColor m_crVisited{128, 0, 128};
    // The owner's flag; a link without one paints as not visited and records nothing.
    bool* m_pVisited = nullptr;
    // True while the pointer is over the link and the hand is shown.
    bool m_bCaptured = false;
    // True from a click until the launch period ends; the pointer changes nothing meanwhile.
    bool m_bLaunching = false;
    // Empty until the first click, then the text with "mailto:" put in front where it applies.
    QString m_strTarget;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void enterEvent(QEnterEvent* pEvent) override;
    void leaveEvent(QEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void hideEvent(QHideEvent* pEvent) override;

    void OnClicked();
    void OnMouseMove(const QPoint& ptPosition);
    void OnTimer();

private:
    bool IsVisited() const;
    const QCursor& HandCursor();
    void SetPointerOver(bool bOver);

    // The label's font with underlining, made at the first paint and kept.
    std::optional<QFont> m_fontUnderline;
    std::optional<QCursor> m_curHand;
    QTimer m_timerLaunch;
    bool m_bPressed = false;
};
