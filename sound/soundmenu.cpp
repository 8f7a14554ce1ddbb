#include "sound/soundmenu.h"

#include "dialogs/sounddlg.h"
#include "settings/settingsstore.h"
#include "sound/soundfontlocator.h"
#include "sound/soundlibrary.h"
#include "view/varnelview.h"

#include <QAction>
#include <QMenu>

namespace {

// Digits 1 to 9 play the first nine necks.
constexpr int kDigitKeys = 9;

} // namespace

CSoundMenu::CSoundMenu(CVarnelView& view, SettingsStore& settings, QWidget* pWindow)
    : QObject(pWindow)
    , m_view(view)
    , m_settings(settings)
    , m_pWindow(pWindow)
    , m_setup(SystemSetup()) {
    m_pMenu = new QMenu(tr("&Sound"), pWindow);
    m_pMissing = m_pMenu->addAction(QString());
    m_pMissing->setEnabled(false);
    m_pMissing->setVisible(false);
    m_pNeckSeparator = m_pMenu->addSeparator();
    m_pPlayAll = m_pMenu->addAction(tr("Play &All"), this, &CSoundMenu::PlayAll);
    m_pStop = m_pMenu->addAction(tr("&Stop"), this, &CSoundMenu::Stop);
    m_pStop->setShortcut(QKeySequence(Qt::Key_Escape));
    m_pMenu->addSeparator();
    m_pSettings = m_pMenu->addAction(tr("Sound Se&ttings..."), this, &CSoundMenu::OnSoundSettings);
    CreateNeckActions();
    // The check may wake the audio system: only when the menu is first looked at, never at
    // start-up.
    connect(m_pMenu, &QMenu::aboutToShow, this, &CSoundMenu::Refresh);
    connect(&m_view, &CVarnelView::layoutChanged, this, [this] {
        if (m_neckActions.size() != m_view.NeckCount()) {
            CreateNeckActions();
        }
    });
    connect(&m_view, &CVarnelView::cellActivated, this, &CSoundMenu::PlayCell);
    connect(&m_view, &CVarnelView::neckPlayRequested, this, &CSoundMenu::PlayNeck);
}

CSoundMenu::~CSoundMenu() = default;

SoundSetup CSoundMenu::SystemSetup() {
    SoundSetup setup;
    setup.missing = [](const SoundPrefs& prefs) {
        if (SoundFontLocator().Find(prefs.soundFont).isEmpty()) {
            return tr("No SoundFont: install the %1 package")
                .arg(QLatin1String(SoundFontLocator::kPackage));
        }
        const std::optional<bool> output = SoundLibrary::HasAudioOutput();
        if (!output) {
            return tr("No sound module: reinstall varnel");
        }
        if (!*output) {
            return tr("No audio output: install and start pipewire-pulse or pulseaudio");
        }
        return QString();
    };
    setup.backend = [](const SoundPrefs& prefs) {
        const QString path = SoundFontLocator().Find(prefs.soundFont);
        SoundBackend backend;
        backend.makeSynth = [path](QString* pWhyNot) {
            std::unique_ptr<NoteSynth> synth = SoundLibrary::CreateSynth(path, pWhyNot);
            if (!synth) {
                *pWhyNot = tr("No sound: %1").arg(*pWhyNot);
            }
            return synth;
        };
        backend.makePort = [](QString* pWhyNot) { return SoundLibrary::CreateDevicePort(pWhyNot); };
        return backend;
    };
    return setup;
}

void CSoundMenu::UseSetup(SoundSetup setup) {
    m_setup = std::move(setup);
    m_pPlayer.reset();
}

void CSoundMenu::CreateNeckActions() {
    qDeleteAll(m_neckActions);
    m_neckActions.clear();
    for (int i = 0; i < m_view.NeckCount(); ++i) {
        auto* action = new QAction(tr("Play Neck &%1").arg(i + 1), m_pMenu);
        if (i < kDigitKeys) {
            action->setShortcut(QKeySequence(Qt::Key_1 + i));
        }
        connect(action, &QAction::triggered, this, [this, i] { PlayNeck(i); });
        m_pMenu->insertAction(m_pPlayAll, action);
        m_neckActions << action;
    }
    if (m_pMissing->isVisible()) {
        Refresh();
    }
}

bool CSoundMenu::Refresh() {
    QString missing = m_setup.missing(SoundPrefs::Load(m_settings));
    if (missing.isEmpty() && m_pPlayer) {
        missing = m_pPlayer->Failure();
    }
    const bool available = missing.isEmpty();
    m_pMissing->setText(missing);
    m_pMissing->setVisible(!available);
    for (QAction* action : m_neckActions) {
        action->setEnabled(available);
    }
    m_pPlayAll->setEnabled(available);
    m_pStop->setEnabled(available);
    return available;
}

void CSoundMenu::Unavailable(const QString& why) {
    Refresh();
    Q_EMIT message(why);
}

void CSoundMenu::Play(const PlayPlan& plan) {
    if (!Refresh()) {
        Q_EMIT message(m_pMissing->text());
        return;
    }
    const SoundPrefs prefs = SoundPrefs::Load(m_settings);
    if (m_pPlayer && m_strPlayerSoundFont != prefs.soundFont) {
        m_pPlayer.reset();
    }
    if (!m_pPlayer) {
        m_pPlayer = std::make_unique<SoundPlayer>(m_setup.backend(prefs));
        m_strPlayerSoundFont = prefs.soundFont;
        connect(m_pPlayer.get(), &SoundPlayer::soundingChanged, this, &CSoundMenu::ShowSounding);
        connect(m_pPlayer.get(), &SoundPlayer::failed, this, &CSoundMenu::Unavailable);
    }
    m_pPlayer->SetVolume(prefs.volumePercent);
    m_pPlayer->Play(plan);
}

void CSoundMenu::PlayNeck(int nNeck) {
    Play(PlanNecks(m_view, {nNeck}, SoundPrefs::Load(m_settings)));
}

void CSoundMenu::PlayAll() {
    Play(PlanAllNecks(m_view, SoundPrefs::Load(m_settings)));
}

void CSoundMenu::PlayCell(const LayoutHit& cell) {
    Play(PlanCell(m_view, cell.neck, cell.string, cell.fret, SoundPrefs::Load(m_settings)));
}

void CSoundMenu::Stop() {
    if (m_pPlayer) {
        m_pPlayer->Stop();
    }
    m_view.SetSoundingCells({});
}

bool CSoundMenu::IsPlaying() const {
    return m_pPlayer && m_pPlayer->IsPlaying();
}

void CSoundMenu::ShowSounding() {
    std::vector<LayoutHit> cells;
    for (const PlannedNote& note : m_pPlayer->Sounding()) {
        cells.push_back({note.neck, note.string, note.fret});
    }
    m_view.SetSoundingCells(cells);
}

void CSoundMenu::OnSoundSettings() {
    const SoundPrefs before = SoundPrefs::Load(m_settings);
    CSoundDlg dialog(before, m_pWindow);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const SoundPrefs after = dialog.Prefs();
    after.SaveChanges(m_settings, before);
    if (m_pPlayer) {
        m_pPlayer->SetVolume(after.volumePercent);
    }
    Refresh();
}
