#include "view/varnelview.h"

#include "res/resource.h"
#include "view/accidentalbutton.h"
#include "view/neckprefs.h"

#include <QPainter>

#include <algorithm>
#include <limits>

namespace {

constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 20;

// Keeps a button's left edge where QWidget geometry can hold it, whatever the spacings.
int ClampToWidgetRange(long long value) {
    constexpr long long kLimit = std::numeric_limits<int>::max() / 4;
    return static_cast<int>(std::clamp(value, -kLimit, kLimit));
}

} // namespace

CVarnelView::CVarnelView(SettingsStore& settings, QPrinter& printer, QWidget* pParent)
    : QWidget(pParent)
    , m_settings(settings)
    , m_printer(printer) {
    LoadNeckPrefs(*this, m_settings);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(false);
}

CVarnelView::~CVarnelView() = default;

QEvent::Type CVarnelView::AccidentalChangedEvent() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

QColor CVarnelView::BackgroundColour() const {
    return palette().color(QPalette::Base);
}

void CVarnelView::OnInitialUpdate() {
    if (m_pNaturalButton != nullptr) {
        // A document re-initialised in place keeps the buttons and their checks.
        Invalidate();
        return;
    }
    const long long step = 5LL * m_nStringSpacing + m_nNeckSpacing;
    long long left = static_cast<long long>(m_nStringSpacing) + 20;
    const auto makeButton = [&](const QString& text, int id) {
        auto* button = new CAccidentalButton(text, id, BackgroundColour(), this);
        button->setGeometry(ClampToWidgetRange(left), 0, kButtonWidth, kButtonHeight);
        button->show();
        left += step;
        return button;
    };
    m_pFlatButton = makeButton(tr("Flat"), IDC_FLAT);
    m_pNaturalButton = makeButton(tr("Natural"), IDC_NATURAL);
    m_pSharpButton = makeButton(tr("Sharp"), IDC_SHARP);
    m_pNaturalButton->setChecked(m_nAccidental == 0);
    Invalidate();
}

void CVarnelView::OnKeyA() {
    OnKey(9);
}
void CVarnelView::OnKeyB() {
    OnKey(11);
}
void CVarnelView::OnKeyC() {
    OnKey(0);
}
void CVarnelView::OnKeyD() {
    OnKey(2);
}
void CVarnelView::OnKeyE() {
    OnKey(4);
}
void CVarnelView::OnKeyF() {
    OnKey(5);
}
void CVarnelView::OnKeyG() {
    OnKey(7);
}

void CVarnelView::OnKey(int nKey) {
    m_nKey = nKey;
    MoveChecksForRule(NormaliseKey());
    Invalidate();
}

int CVarnelView::OnAccidentalChanged() {
    if (m_pSharpButton != nullptr && m_pSharpButton->isChecked()) {
        m_nAccidental = 1;
    } else if (m_pFlatButton != nullptr && m_pFlatButton->isChecked()) {
        m_nAccidental = -1;
    } else if (m_pNaturalButton != nullptr && m_pNaturalButton->isChecked()) {
        m_nAccidental = 0;
    }
    MoveChecksForRule(NormaliseKey());
    Invalidate();
    return 0;
}

void CVarnelView::MoveChecksForRule(KeyRule rule) {
    if (rule == KeyRule::None || m_pNaturalButton == nullptr) {
        return;
    }
    // setChecked sends no click, so no second accidental change follows.
    m_pNaturalButton->setChecked(true);
    CAccidentalButton* cleared = RuleClearsSharp(rule) ? m_pSharpButton : m_pFlatButton;
    if (cleared != nullptr) {
        cleared->setChecked(false);
    }
}

void CVarnelView::Invalidate() {
    update();
    Q_EMIT invalidated();
}

bool CVarnelView::event(QEvent* pEvent) {
    if (pEvent->type() == AccidentalChangedEvent()) {
        OnAccidentalChanged();
        return true;
    }
    return QWidget::event(pEvent);
}

void CVarnelView::paintEvent(QPaintEvent* /*pEvent*/) {
    QPainter painter(this);
    OnDraw(&painter);
}
