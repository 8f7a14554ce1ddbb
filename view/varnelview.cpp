#include "view/varnelview.h"

#include "res/resource.h"
#include "settings/settingsstore.h"
#include "settings/settingswatcher.h"
#include "view/accidentalbutton.h"
#include "view/buttonplacement.h"
#include "view/neckprefs.h"
#include "view/zoomsteps.h"

#include <QHelpEvent>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
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
    m_stored = ReadStoredSettings();
    m_nFretSpacing = m_stored.neck[0];
    m_nStringSpacing = m_stored.neck[1];
    m_nNeckSpacing = m_stored.neck[2];
    m_nStyle = m_stored.neck[3];
    m_stored.options.ApplyTo(*this);
    m_viewPrefs = m_stored.view;
    auto* watcher = new CSettingsWatcher(m_settings.FilePath(), this);
    connect(watcher, &CSettingsWatcher::changed, this, &CVarnelView::ReloadSettings);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(false);
    // The view takes the focus, so the keys that scroll it reach it and a screen reader can
    // read what it shows.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Neck diagrams"));
    // The note under the pointer is told in the status bar and a tooltip.
    setMouseTracking(true);
    setAccessibleDescription(TitlesText());
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
    // Over the first three necks, a string in from their left edges; stacked necks, and a
    // family of fewer than three necks, have them side by side above the first.
    const std::vector<NeckGeometry>& necks = CurrentLayout().Necks();
    const bool sideBySide = m_bHorizontal || necks.size() < m_nButtonLefts.size();
    for (std::size_t i = 0; i < m_nButtonLefts.size() && !necks.empty(); ++i) {
        const long long neckLeft =
            sideBySide ? necks.front().title.x() + static_cast<long long>(i) * kButtonWidth
                       : necks[i].title.x();
        m_nButtonLefts.at(i) = neckLeft + m_nStringSpacing;
    }
    const auto makeButton = [&](const QString& text, int id) {
        auto* button = new CAccidentalButton(text, id, BackgroundColour(), this);
        button->show();
        return button;
    };
    m_pFlatButton = makeButton(tr("Flat"), IDC_FLAT);
    m_pNaturalButton = makeButton(tr("Natural"), IDC_NATURAL);
    m_pSharpButton = makeButton(tr("Sharp"), IDC_SHARP);
    PlaceButtons();
    m_pNaturalButton->setChecked(m_nAccidental == 0);
    Invalidate();
}

void CVarnelView::PlaceButtons() {
    const std::array<CAccidentalButton*, 3> buttons{m_pFlatButton, m_pNaturalButton,
                                                    m_pSharpButton};
    if (std::find(buttons.begin(), buttons.end(), nullptr) != buttons.end()) {
        return;
    }
    const double scale = ScreenScale();
    ButtonPlacementInput placement;
    long long previousRight = std::numeric_limits<int>::min();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        long long left =
            scale == 1.0 ? m_nButtonLefts[i] : std::llround(double(m_nButtonLefts[i]) * scale);
        int width = kButtonWidth;
        if (scale < 1.0) {
            // Zoomed out, the necks come closer than the buttons are wide: each button keeps
            // room for its text and none covers the one before it.
            left = std::max(left, previousRight);
            const long long next = i + 1 < buttons.size()
                                       ? std::llround(double(m_nButtonLefts[i + 1]) * scale)
                                       : left + kButtonWidth;
            width = static_cast<int>(
                std::clamp<long long>(next - left, buttons[i]->sizeHint().width(), kButtonWidth));
        }
        placement.usual.at(i) = QRect(ClampToWidgetRange(left), 0, width, kButtonHeight);
        placement.minimumWidths.at(i) = buttons[i]->sizeHint().width();
        previousRight = left + width;
    }
    // At actual size and above every title lies below the buttons' band.
    if (scale < 1.0) {
        const NeckLayout& layout = CurrentLayout();
        const int titleHeight = fontMetrics().height();
        for (const NeckGeometry& neck : layout.Necks()) {
            placement.titles.push_back(QRectF(neck.title.x() * scale, neck.title.y() * scale,
                                              layout.TitleRoom() * scale, titleHeight * scale)
                                           .toAlignedRect());
        }
        const QSize drawing = DrawingSize();
        placement.drawing = QSize(static_cast<int>(std::ceil(drawing.width() * scale)),
                                  static_cast<int>(std::ceil(drawing.height() * scale)));
        placement.visible = VisibleSize();
        placement.fitted = m_viewPrefs.fit;
    }
    const std::array<QRect, 3> placed = PlaceAccidentalButtons(placement);
    m_rectButtons = QRect();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i]->setGeometry(placed.at(i));
        m_rectButtons |= placed.at(i);
    }
}

void CVarnelView::UpdateButtonColours() {
    for (CAccidentalButton* button : {m_pFlatButton, m_pNaturalButton, m_pSharpButton}) {
        if (button != nullptr) {
            button->SetBackground(palette(), BackgroundColour());
        }
    }
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
    Q_EMIT keyChanged();
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
    Q_EMIT keyChanged();
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
    m_sizeDrawing = QSize();
    m_layout.reset();
    // New titles or a new drawing size may leave a moved button somewhere else.
    PlaceButtons();
    setAccessibleDescription(TitlesText());
    update();
    Q_EMIT invalidated();
    Q_EMIT layoutChanged();
}

QString CVarnelView::TitlesText() const {
    QStringList titles;
    QStringList scales;
    for (int i = 0; i < NeckCount(); ++i) {
        titles << NeckTitle(i);
        scales << tr("%1: %2").arg(NeckTitle(i), ScaleText(i));
    }
    // The notes of every neck too, for whoever reads the view without a pointer.
    return titles.join(QStringLiteral(", ")) + QStringLiteral(". ") +
           scales.join(QStringLiteral("; "));
}

QString CVarnelView::RespellingText() const {
    const std::array families{tr("major"),          tr("harmonic minor"),   tr("melodic minor"),
                              tr("harmonic major"), tr("major pentatonic"), tr("minor pentatonic"),
                              tr("blues"),          tr("whole tone"),       tr("diminished")};
    static_assert(families.size() == kScaleFamilies.size());
    QStringList parts;
    for (const Respelling& respelling : GetRespellings()) {
        const QString name = respelling.mode < 0
                                 ? families.at(static_cast<std::size_t>(GetNeckFamily()))
                                 : FullModeName(respelling.mode);
        parts << tr("%1 %2 drawn as %3 %2")
                     .arg(QString::fromStdString(NoteText(respelling.from)), name,
                          QString::fromStdString(NoteText(respelling.to)));
    }
    return parts.join(QStringLiteral("; "));
}

CVarnelView::StoredSettings CVarnelView::ReadStoredSettings() const {
    CNeckDrawing neck;
    LoadNeckPrefs(neck, m_settings);
    return {{neck.m_nFretSpacing, neck.m_nStringSpacing, neck.m_nNeckSpacing, neck.m_nStyle},
            OptionPrefs::Load(m_settings),
            ViewPrefs::Load(m_settings)};
}

void CVarnelView::ReloadSettings() {
    const StoredSettings fresh = ReadStoredSettings();
    const StoredSettings old = std::exchange(m_stored, fresh);
    const auto take = [](auto& field, const auto& now, const auto& before) {
        if (now != before) {
            field = now;
        }
    };
    std::array<int*, 4> neck{&m_nFretSpacing, &m_nStringSpacing, &m_nNeckSpacing, &m_nStyle};
    for (std::size_t i = 0; i < neck.size(); ++i) {
        take(*neck.at(i), fresh.neck.at(i), old.neck.at(i));
    }
    if (fresh.neck != old.neck) {
        m_bShortTitles = m_nTitleWidth > 6 * m_nStringSpacing;
        Invalidate();
    }
    OptionPrefs options = OptionPrefs::Of(*this);
    take(options.labels, fresh.options.labels, old.options.labels);
    take(options.leftHanded, fresh.options.leftHanded, old.options.leftHanded);
    take(options.family, fresh.options.family, old.options.family);
    take(options.tuning, fresh.options.tuning, old.options.tuning);
    take(options.fretNumbers, fresh.options.fretNumbers, old.options.fretNumbers);
    take(options.spelling, fresh.options.spelling, old.options.spelling);
    take(options.frets, fresh.options.frets, old.options.frets);
    take(options.horizontal, fresh.options.horizontal, old.options.horizontal);
    take(options.openStrings, fresh.options.openStrings, old.options.openStrings);
    take(options.positions, fresh.options.positions, old.options.positions);
    take(options.caged, fresh.options.caged, old.options.caged);
    take(options.positionsOnly, fresh.options.positionsOnly, old.options.positionsOnly);
    take(options.chordTones, fresh.options.chordTones, old.options.chordTones);
    take(options.characteristic, fresh.options.characteristic, old.options.characteristic);
    // The window is one value in two keys: it is taken whole, and only if it fits.
    if (fresh.options.firstFret != old.options.firstFret ||
        fresh.options.lastFret != old.options.lastFret) {
        options.firstFret = fresh.options.firstFret;
        options.lastFret = fresh.options.lastFret;
    }
    if (!OptionPrefs::IsFretWindow(options.firstFret, options.lastFret, options.frets)) {
        options.firstFret = 0;
        options.lastFret = options.frets;
    }
    if (options != OptionPrefs::Of(*this)) {
        ApplyOptions(options);
    }
    ViewPrefs view = m_viewPrefs;
    take(view.zoomPercent, fresh.view.zoomPercent, old.view.zoomPercent);
    take(view.fit, fresh.view.fit, old.view.fit);
    if (view != m_viewPrefs) {
        m_viewPrefs = view;
        PlaceButtons();
        update();
        Q_EMIT layoutChanged();
    }
}

void CVarnelView::ApplyOptions(const OptionPrefs& options) {
    if (options.family != m_nFamily) {
        m_nTitleWidth = -1;
        m_bShortTitles = false;
    }
    options.ApplyTo(*this);
    Invalidate();
}

void CVarnelView::SetOptions(const OptionPrefs& options) {
    options.SaveChanges(m_settings, OptionPrefs::Of(*this));
    ApplyOptions(options);
}

void CVarnelView::SetZoomPercent(int nPercent) {
    const int percent = std::clamp(nPercent, ZoomSteps::kMin, ZoomSteps::kMax);
    if (percent == m_viewPrefs.zoomPercent && !m_viewPrefs.fit) {
        return;
    }
    const ViewPrefs before = m_viewPrefs;
    m_viewPrefs.zoomPercent = percent;
    m_viewPrefs.fit = false;
    m_viewPrefs.SaveChanges(m_settings, before);
    PlaceButtons();
    update();
    Q_EMIT layoutChanged();
}

void CVarnelView::SetFitted(bool bFitted) {
    if (bFitted == m_viewPrefs.fit) {
        return;
    }
    const ViewPrefs before = m_viewPrefs;
    m_viewPrefs.fit = bFitted;
    m_viewPrefs.SaveChanges(m_settings, before);
    PlaceButtons();
    update();
    Q_EMIT layoutChanged();
}

double CVarnelView::ScreenScale() const {
    if (m_viewPrefs.fit) {
        return ZoomSteps::FitScale(DrawingSize(), VisibleSize());
    }
    return m_viewPrefs.zoomPercent / 100.0;
}

QSize CVarnelView::DrawingSize() const {
    if (m_sizeDrawing.isEmpty()) {
        m_sizeDrawing = PictureSize(font(), const_cast<CVarnelView*>(this), false);
    }
    return m_sizeDrawing;
}

QSize CVarnelView::PrintedDrawingSize() const {
    return PictureSize(font(), const_cast<CVarnelView*>(this), true);
}

QSize CVarnelView::RequiredSize() const {
    const QSize visible = VisibleSize();
    if (m_viewPrefs.fit) {
        return visible;
    }
    const double scale = ScreenScale();
    const QSize drawing = DrawingSize();
    const auto scaled = [scale](int length) {
        return ClampToWidgetRange(static_cast<long long>(std::ceil(length * scale)));
    };
    const QSize required =
        visible.expandedTo(QSize(scaled(drawing.width()), scaled(drawing.height())));
    // Buttons moved under the drawing get room of their own there.
    if (m_rectButtons.isValid() && m_rectButtons.top() > 0) {
        return required.expandedTo(QSize(m_rectButtons.right() + 1, m_rectButtons.bottom() + 1));
    }
    return required;
}

QSize CVarnelView::VisibleSize() const {
    return m_sizeVisible.isValid() ? m_sizeVisible : size();
}

void CVarnelView::SetVisibleSize(QSize size) {
    if (size == m_sizeVisible) {
        return;
    }
    m_sizeVisible = size;
    if (m_viewPrefs.fit) {
        PlaceButtons();
        update();
    }
}

void CVarnelView::changeEvent(QEvent* pEvent) {
    QWidget::changeEvent(pEvent);
    if (pEvent->type() == QEvent::PaletteChange) {
        // The desktop switched its colours: the drawing and the buttons follow at once.
        UpdateButtonColours();
        Invalidate();
    } else if (pEvent->type() == QEvent::FontChange) {
        Invalidate();
    }
}

bool CVarnelView::event(QEvent* pEvent) {
    if (pEvent->type() == AccidentalChangedEvent()) {
        OnAccidentalChanged();
        return true;
    }
    if (pEvent->type() == QEvent::ToolTip) {
        return ShowToolTip(static_cast<QHelpEvent*>(pEvent));
    }
    return QWidget::event(pEvent);
}

void CVarnelView::paintEvent(QPaintEvent* /*pEvent*/) {
    QPainter painter(this);
    OnDraw(&painter);
}
