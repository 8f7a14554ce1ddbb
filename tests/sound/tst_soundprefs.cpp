#include "settings/settingsstore.h"
#include "settings/soundprefs.h"
#include "tests/support/configfolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Store {
    QTemporaryDir dir;
    SettingsStore store;

    explicit Store(const QByteArray& sound) {
        QDir(dir.path()).mkpath(QStringLiteral("Dovrane Software"));
        QFile file(SettingsFile(dir));
        file.open(QIODevice::WriteOnly);
        file.write("[Options]\nLabels=1\n[Sound]\n" + sound);
        file.close();
        store.Open(nullptr, dir.path(), QStringLiteral("Dovrane Software/Varnel"));
    }

    QByteArray Text() const {
        QFile file(SettingsFile(dir));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
};

} // namespace

class TestSoundPrefs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void valuesReadStrictly_data();
    void valuesReadStrictly();
    void onlyChangesAreWritten_data();
    void onlyChangesAreWritten();
};

void TestSoundPrefs::valuesReadStrictly_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("tempo");
    QTest::addColumn<int>("noteLength");
    QTest::addColumn<int>("instrument");
    QTest::addColumn<int>("volume");
    QTest::addColumn<bool>("drone");
    QTest::addColumn<QString>("soundFont");
    QTest::newRow("nothing stored") << QByteArray() << 120 << 90 << 0 << 80 << false << "";
    QTest::newRow("every edge") << QByteArray(
                                       "Tempo=40\nNoteLength=100\nInstrument=1\nVolume=0\nDrone=1\n"
                                       "SoundFont=/home/me/piano.sf2\n")
                                << 40 << 100 << 1 << 0 << true << "/home/me/piano.sf2";
    QTest::newRow("the other edges") << QByteArray("Tempo=240\nNoteLength=10\nVolume=100\n") << 240
                                     << 10 << 0 << 100 << false << "";
    // Each bad value falls back alone.
    QTest::newRow("out of range")
        << QByteArray("Tempo=39\nNoteLength=101\nInstrument=2\nVolume=-1\nDrone=2\nTempo2=60\n")
        << 120 << 90 << 0 << 80 << false << "";
    QTest::newRow("not whole decimals")
        << QByteArray("Tempo=0x78\nNoteLength=9e1\nInstrument=1.0\nVolume=50%\nDrone=yes\n") << 120
        << 90 << 0 << 80 << false << "";
    QTest::newRow("one bad among good")
        << QByteArray("Tempo=60\nNoteLength=abc\nDrone=1\n") << 60 << 90 << 0 << 80 << true << "";
}

void TestSoundPrefs::valuesReadStrictly() {
    QFETCH(QByteArray, stored);
    QFETCH(int, tempo);
    QFETCH(int, noteLength);
    QFETCH(int, instrument);
    QFETCH(int, volume);
    QFETCH(bool, drone);
    QFETCH(QString, soundFont);
    const Store store(stored);
    const SoundPrefs prefs = SoundPrefs::Load(store.store);
    QCOMPARE(prefs.tempoBpm, tempo);
    QCOMPARE(prefs.noteLengthPercent, noteLength);
    QCOMPARE(static_cast<int>(prefs.instrument), instrument);
    QCOMPARE(prefs.volumePercent, volume);
    QCOMPARE(prefs.drone, drone);
    QCOMPARE(prefs.soundFont, soundFont);
}

void TestSoundPrefs::onlyChangesAreWritten_data() {
    QTest::addColumn<int>("tempo");
    QTest::addColumn<bool>("drone");
    QTest::addColumn<QByteArray>("written"); // the [Sound] group afterwards
    QTest::newRow("nothing changed") << 120 << false << QByteArray("Volume=33\n");
    QTest::newRow("tempo") << 96 << false << QByteArray("Volume=33\nTempo=96\n");
    QTest::newRow("back to the default is written too")
        << 120 << true << QByteArray("Volume=33\nDrone=1\n");
}

void TestSoundPrefs::onlyChangesAreWritten() {
    QFETCH(int, tempo);
    QFETCH(bool, drone);
    QFETCH(QByteArray, written);
    Store store("Volume=33\n");
    const SoundPrefs before = SoundPrefs::Load(store.store);
    SoundPrefs after = before;
    after.tempoBpm = tempo;
    after.drone = drone;
    after.SaveChanges(store.store, before);
    // Another group's values and the stored volume are left as they were.
    QCOMPARE(store.Text(), "[Options]\nLabels=1\n[Sound]\n" + written);
}

QTEST_GUILESS_MAIN(TestSoundPrefs)
#include "tst_soundprefs.moc"
