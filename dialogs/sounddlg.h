#pragma once

#include "settings/soundprefs.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSlider;
class QSpinBox;

// The Sound settings: tempo, how long each note sounds, the guitar's sound, the volume, a
// drone on the tonic, and a SoundFont of the player's own. The boxes hold every value to its
// range, so OK never refuses.
class CSoundDlg : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CSoundDlg)

public:
    explicit CSoundDlg(const SoundPrefs& prefs, QWidget* pParent = nullptr);
    ~CSoundDlg() override;

    // The values read on OK; those given until then.
    const SoundPrefs& Prefs() const { return m_prefs; }

    void accept() override;

private:
    void OnBrowse();

    SoundPrefs m_prefs;
    QSpinBox* m_pTempo = nullptr;
    QSpinBox* m_pNoteLength = nullptr;
    QComboBox* m_pInstrument = nullptr;
    QSlider* m_pVolume = nullptr;
    QCheckBox* m_pDrone = nullptr;
    QLineEdit* m_pSoundFont = nullptr;
};
