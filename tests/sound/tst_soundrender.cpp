#include "music/tuning.h"
#include "sound/fluidsynthengine.h"
#include "sound/sequencer.h"
#include "sound/soundfontlocator.h"
#include "view/neckdrawing.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// The pitch of a mono signal by autocorrelation: the shortest lag whose correlation comes
// close to the strongest, so that a period twice as long never wins, refined by a parabola.
double FundamentalHz(const std::vector<double>& signal, int sampleRate) {
    constexpr int kMinLag = 16;   // 2756 Hz
    constexpr int kMaxLag = 2000; // 22 Hz
    const std::size_t window = signal.size() - kMaxLag - 1;
    std::vector<double> correlation(kMaxLag + 2, 0.0);
    for (int lag = kMinLag - 1; lag <= kMaxLag + 1; ++lag) {
        // Normalised by both halves' energy, so that a decaying note does not favour short lags.
        double sum = 0.0;
        double early = 0.0;
        double late = 0.0;
        for (std::size_t i = 0; i < window; ++i) {
            const double later = signal[i + static_cast<std::size_t>(lag)];
            sum += signal[i] * later;
            early += signal[i] * signal[i];
            late += later * later;
        }
        correlation[static_cast<std::size_t>(lag)] = sum / std::sqrt(early * late + 1e-9);
    }
    const double strongest =
        *std::max_element(correlation.begin() + kMinLag, correlation.begin() + kMaxLag);
    for (int lag = kMinLag; lag < kMaxLag; ++lag) {
        const double here = correlation[static_cast<std::size_t>(lag)];
        const double before = correlation[static_cast<std::size_t>(lag - 1)];
        const double after = correlation[static_cast<std::size_t>(lag + 1)];
        if (here >= 0.9 * strongest && here >= before && here >= after) {
            const double shift = 0.5 * (before - after) / (before - 2 * here + after);
            return sampleRate / (lag + shift);
        }
    }
    return 0.0;
}

double Cents(double hz, double referenceHz) {
    return 1200.0 * std::log2(hz / referenceHz);
}

// Equal temperament from A4 = 440 Hz at MIDI note 69.
double MidiHz(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

std::unique_ptr<FluidSynthEngine> MakeSynth() {
    const QString path = SoundFontLocator().Find(QString());
    if (path.isEmpty()) {
        return nullptr;
    }
    std::string error;
    return FluidSynthEngine::Create(path.toStdString(), &error);
}

} // namespace

class TestSoundRender : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cellSoundsAtItsPitch_data();
    void cellSoundsAtItsPitch();
    void restIsSilent_data();
    void restIsSilent();
};

void TestSoundRender::initTestCase() {
    if (!MakeSynth()) {
        QSKIP("no General MIDI SoundFont installed (Debian package timgm6mb-soundfont)");
    }
}

void TestSoundRender::cellSoundsAtItsPitch_data() {
    QTest::addColumn<QString>("tuning");
    QTest::addColumn<int>("string");
    QTest::addColumn<int>("fret");
    QTest::addColumn<int>("midi");
    // Each preset's lowest open string and its highest string at the twelfth fret; the
    // standard guitar at the top of its neck too.
    QTest::newRow("standard low E open") << "standard" << 0 << 0 << 40;
    QTest::newRow("standard high E 12") << "standard" << 5 << 12 << 76;
    QTest::newRow("standard high E 22") << "standard" << 5 << 22 << 86;
    QTest::newRow("standard G 5") << "standard" << 3 << 5 << 60;
    QTest::newRow("drop-d low D open") << "drop-d" << 0 << 0 << 38;
    QTest::newRow("dadgad A 12") << "dadgad" << 4 << 12 << 69;
    QTest::newRow("open-d high D 12") << "open-d" << 5 << 12 << 74;
    QTest::newRow("open-g low D 3") << "open-g" << 0 << 3 << 41;
    QTest::newRow("half-down low Eb open") << "half-down" << 0 << 0 << 39;
    QTest::newRow("whole-down high D 12") << "whole-down" << 5 << 12 << 74;
    QTest::newRow("7-string low B open") << "7-string" << 0 << 0 << 35;
    QTest::newRow("8-string low F# open") << "8-string" << 0 << 0 << 30;
    QTest::newRow("8-string high E 12") << "8-string" << 7 << 12 << 76;
    QTest::newRow("bass-4 low E open") << "bass-4" << 0 << 0 << 28;
    QTest::newRow("bass-4 G 12") << "bass-4" << 3 << 12 << 55;
    QTest::newRow("bass-5 low B 5") << "bass-5" << 0 << 5 << 28;
    QTest::newRow("bass-6 high C 12") << "bass-6" << 5 << 12 << 60;
}

void TestSoundRender::cellSoundsAtItsPitch() {
    QFETCH(QString, tuning);
    QFETCH(int, string);
    QFETCH(int, fret);
    QFETCH(int, midi);
    const TuningPreset* preset = FindTuningPreset(tuning.toStdString());
    QVERIFY(preset != nullptr);
    CNeckDrawing drawing;
    drawing.m_nTuning = preset->midi;
    // The slowest tempo, for a note that rings long enough to settle.
    SoundPrefs prefs;
    prefs.tempoBpm = SoundPrefs::kMinTempo;
    const PlayPlan plan = PlanCell(drawing, 0, string, fret, prefs);
    QCOMPARE(plan.notes.size(), std::size_t{1});
    QCOMPARE(plan.notes.front().midi, midi);

    // A synthesiser of its own, with no reverb left over from another note.
    const std::unique_ptr<FluidSynthEngine> synth = MakeSynth();
    const std::vector<std::int16_t> samples = RenderOffline(plan, *synth, 0);
    // Well past the attack, where the string rings at its own pitch.
    constexpr std::size_t kSkip = NoteSynth::kSampleRate / 2;
    constexpr std::size_t kLength = 8192;
    QVERIFY(samples.size() >= 2 * (kSkip + kLength));
    std::vector<double> mono;
    for (std::size_t i = kSkip; i < kSkip + kLength; ++i) {
        mono.push_back(double(samples[2 * i]) + double(samples[2 * i + 1]));
    }
    const double hz = FundamentalHz(mono, NoteSynth::kSampleRate);
    const double cents = Cents(hz, MidiHz(midi));
    if (std::abs(cents) > 10.0) {
        qWarning("heard %.2f Hz for MIDI %d (%.2f Hz): %.1f cents", hz, midi, MidiHz(midi), cents);
    }
    QVERIFY(std::abs(cents) <= 10.0);
}

void TestSoundRender::restIsSilent_data() {
    QTest::addColumn<int>("tempo");
    QTest::addColumn<int>("restTicks");
    QTest::newRow("a beat at 120") << 120 << PlayPlan::kTicksPerBeat;
    QTest::newRow("a tick at 240") << 240 << 1;
    QTest::newRow("two beats at 40") << 40 << 2 * PlayPlan::kTicksPerBeat;
}

void TestSoundRender::restIsSilent() {
    QFETCH(int, tempo);
    QFETCH(int, restTicks);
    PlayPlan plan;
    plan.tempoBpm = tempo;
    plan.notes.push_back({restTicks, PlayPlan::kTicksPerBeat, 64, 100, 0, 5, 0, false});
    plan.endTick = restTicks + PlayPlan::kTicksPerBeat;
    // A synthesiser of its own, with no reverb left over from another note.
    const std::unique_ptr<FluidSynthEngine> synth = MakeSynth();
    const std::vector<std::int16_t> samples = RenderOffline(plan, *synth, 0);
    // restTicks at `tempo` beats a minute, in frames.
    const auto restFrames = static_cast<std::size_t>(std::llround(
        double(restTicks) / PlayPlan::kTicksPerBeat * 60.0 / tempo * NoteSynth::kSampleRate));
    const auto firstSound =
        std::find_if(samples.begin(), samples.end(), [](std::int16_t s) { return s != 0; });
    QVERIFY(firstSound != samples.end());
    const auto firstFrame = static_cast<std::size_t>(firstSound - samples.begin()) / 2;
    QVERIFY2(firstFrame + 1 >= restFrames, "sound before the rest was over");
    // The note starts on its frame, give or take the synthesiser's own 64-frame steps and a
    // first sample too soft to reach 16 bits; not a render block (1024 frames) later.
    QVERIFY(firstFrame <= restFrames + 128);
}

QTEST_GUILESS_MAIN(TestSoundRender)
#include "tst_soundrender.moc"
