#include "dialogs/sounddlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

CSoundDlg::CSoundDlg(const SoundPrefs& prefs, QWidget* pParent)
    : QDialog(pParent)
    , m_prefs(prefs) {
    setWindowTitle(tr("Sound Settings"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_pTempo = new QSpinBox(this);
    m_pTempo->setObjectName(QStringLiteral("IDC_TEMPO"));
    m_pTempo->setRange(SoundPrefs::kMinTempo, SoundPrefs::kMaxTempo);
    m_pTempo->setSuffix(tr(" BPM"));
    m_pTempo->setValue(prefs.tempoBpm);
    m_pNoteLength = new QSpinBox(this);
    m_pNoteLength->setObjectName(QStringLiteral("IDC_NOTE_LENGTH"));
    m_pNoteLength->setRange(SoundPrefs::kMinNoteLength, SoundPrefs::kMaxNoteLength);
    m_pNoteLength->setSuffix(tr(" % of a beat"));
    m_pNoteLength->setValue(prefs.noteLengthPercent);
    m_pInstrument = new QComboBox(this);
    m_pInstrument->setObjectName(QStringLiteral("IDC_INSTRUMENT"));
    m_pInstrument->addItems({tr("Steel-string guitar"), tr("Nylon-string guitar")});
    m_pInstrument->setCurrentIndex(static_cast<int>(prefs.instrument));
    m_pInstrument->setToolTip(tr("A bass tuning always sounds as a fingered bass."));
    m_pVolume = new QSlider(Qt::Horizontal, this);
    m_pVolume->setObjectName(QStringLiteral("IDC_VOLUME"));
    m_pVolume->setRange(0, 100);
    m_pVolume->setValue(prefs.volumePercent);
    m_pDrone = new QCheckBox(tr("&Drone on the tonic under the playing neck"), this);
    m_pDrone->setObjectName(QStringLiteral("IDC_DRONE"));
    m_pDrone->setChecked(prefs.drone);
    m_pSoundFont = new QLineEdit(prefs.soundFont, this);
    m_pSoundFont->setObjectName(QStringLiteral("IDC_SOUNDFONT"));
    m_pSoundFont->setPlaceholderText(tr("The system's General MIDI SoundFont"));
    auto* browse = new QPushButton(tr("&Browse..."), this);
    connect(browse, &QPushButton::clicked, this, &CSoundDlg::OnBrowse);
    auto* soundFontRow = new QHBoxLayout;
    soundFontRow->addWidget(m_pSoundFont);
    soundFontRow->addWidget(browse);
    form->addRow(tr("&Tempo:"), m_pTempo);
    form->addRow(tr("&Note length:"), m_pNoteLength);
    form->addRow(tr("&Instrument:"), m_pInstrument);
    form->addRow(tr("&Volume:"), m_pVolume);
    form->addRow(QString(), m_pDrone);
    form->addRow(tr("&SoundFont:"), soundFontRow);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSoundDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CSoundDlg::reject);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

CSoundDlg::~CSoundDlg() = default;

void CSoundDlg::OnBrowse() {
    const QString path = QFileDialog::getOpenFileName(this, tr("SoundFont"), m_pSoundFont->text(),
                                                      tr("SoundFonts (*.sf2 *.sf3)"));
    if (!path.isEmpty()) {
        m_pSoundFont->setText(path);
    }
}

void CSoundDlg::accept() {
    m_pTempo->interpretText();
    m_pNoteLength->interpretText();
    m_prefs.tempoBpm = m_pTempo->value();
    m_prefs.noteLengthPercent = m_pNoteLength->value();
    m_prefs.instrument = static_cast<SoundPrefs::Instrument>(m_pInstrument->currentIndex());
    m_prefs.volumePercent = m_pVolume->value();
    m_prefs.drone = m_pDrone->isChecked();
    m_prefs.soundFont = m_pSoundFont->text().trimmed();
    QDialog::accept();
}
