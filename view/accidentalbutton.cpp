#include "view/accidentalbutton.h"

#include "view/activeview.h"
#include "view/varnelview.h"

#include <QCoreApplication>

CAccidentalButton::CAccidentalButton(const QString& text, int nId, const QColor& background,
                                     QWidget* pParent)
    : QRadioButton(text, pParent)
    , m_nId(nId) {
    SetBackground(palette(), background);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    connect(this, &QAbstractButton::clicked, this, &CAccidentalButton::OnClicked);
}

CAccidentalButton::~CAccidentalButton() = default;

void CAccidentalButton::SetBackground(const QPalette& palette, const QColor& background) {
    // The face keeps the colour of the diagrams' background behind it.
    QPalette face = palette;
    face.setColor(QPalette::Window, background);
    setPalette(face);
}

void CAccidentalButton::focusOutEvent(QFocusEvent* pEvent) {
    QRadioButton::focusOutEvent(pEvent);
    // Repaint as a whole so the focus frame leaves no trace on the background.
    update();
}

void CAccidentalButton::OnClicked() {
    // Posted, not sent: the view must see the check that this click has just moved.
    const auto* frame = dynamic_cast<const CActiveViewSource*>(window());
    if (frame == nullptr) {
        return;
    }
    QWidget* view = frame->GetActiveView();
    if (view == nullptr) {
        return;
    }
    QCoreApplication::postEvent(view, new QEvent(CVarnelView::AccidentalChangedEvent()));
}
