#pragma once

#include "settings/soundprefs.h"
#include "sound/soundplayer.h"

#include <QList>
#include <QObject>

#include <functional>
#include <memory>

class CVarnelView;
class QAction;
class QMenu;
class QWidget;
class SettingsStore;
struct LayoutHit;

// What sound needs from the system, so that a test can stand in for the real parts.
struct SoundSetup {
    // One line saying what is missing to play with these settings and how to get it; empty
    // when nothing is.
    std::function<QString(const SoundPrefs&)> missing;
    // The synthesiser and output to play through with these settings.
    std::function<SoundBackend(const SoundPrefs&)> backend;
};

// The window's Sound menu and what it plays: a neck, all necks in turn, a clicked or focused
// dot; the lit dots while notes sound; the Sound settings. The synthesiser is made on the
// first play. Without a SoundFont or an audio output the playing commands are disabled and the
// menu's first line says what is missing.
class CSoundMenu : public QObject {
    Q_OBJECT

public:
    CSoundMenu(CVarnelView& view, SettingsStore& settings, QWidget* pWindow);
    ~CSoundMenu() override;
    Q_DISABLE_COPY_MOVE(CSoundMenu)

    // The real SoundFont, FluidSynth and the desktop's audio output.
    static SoundSetup SystemSetup();
    // For a test: used from the next play on.
    void UseSetup(SoundSetup setup);

    QMenu* Menu() const { return m_pMenu; }
    const QList<QAction*>& NeckActions() const { return m_neckActions; }
    QAction* PlayAllAction() const { return m_pPlayAll; }
    QAction* StopAction() const { return m_pStop; }
    QAction* SettingsAction() const { return m_pSettings; }
    QAction* MissingAction() const { return m_pMissing; }

    void PlayNeck(int nNeck);
    void PlayAll();
    void PlayCell(const LayoutHit& cell);
    void Stop();
    bool IsPlaying() const;
    void OnSoundSettings();

    // Checks again what sound needs and shows it in the menu; true when sound can play.
    bool Refresh();

Q_SIGNALS:
    // A line for the status bar: why nothing plays.
    void message(const QString& text);

private:
    void CreateNeckActions();
    void Play(const PlayPlan& plan);
    void ShowSounding();
    void Unavailable(const QString& why);

    CVarnelView& m_view;
    SettingsStore& m_settings;
    QWidget* m_pWindow;
    SoundSetup m_setup;
    std::unique_ptr<SoundPlayer> m_pPlayer;
    QString m_strPlayerSoundFont;
    QMenu* m_pMenu = nullptr;
    QAction* m_pMissing = nullptr;
    QAction* m_pNeckSeparator = nullptr;
    QList<QAction*> m_neckActions;
    QAction* m_pPlayAll = nullptr;
    QAction* m_pStop = nullptr;
    QAction* m_pSettings = nullptr;
};
