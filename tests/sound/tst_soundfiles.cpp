#include "sound/midifile.h"
#include "sound/playplan.h"
#include "sound/wavfile.h"
#include "view/neckdrawing.h"

#include <QTest>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// What a Standard MIDI File says, read back byte by byte.
struct MidiNote {
    std::int64_t tick = 0;
    std::int64_t length = 0;
    int channel = 0;
    int key = 0;
};
struct MidiTrack {
    std::vector<int> programs; // by channel order of appearance: channel * 128 + program
    std::vector<MidiNote> notes;
    std::int64_t tempo = 0; // microseconds per beat, 0 when none
};
struct MidiRead {
    int format = -1;
    int division = 0;
    std::vector<MidiTrack> tracks;
    bool ok = false;
};

std::uint32_t BigEndian(const std::string& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) {
        value =
            (value << 8) | static_cast<std::uint8_t>(bytes.at(at + static_cast<std::size_t>(i)));
    }
    return value;
}

std::uint32_t VariableLength(const std::string& bytes, std::size_t& at) {
    std::uint32_t value = 0;
    std::uint8_t byte = 0;
    do {
        byte = static_cast<std::uint8_t>(bytes.at(at++));
        value = (value << 7) | (byte & 0x7FU);
    } while ((byte & 0x80U) != 0);
    return value;
}

MidiTrack ReadTrack(const std::string& bytes, std::size_t at, std::size_t end) {
    MidiTrack track;
    std::int64_t tick = 0;
    std::vector<MidiNote> open;
    while (at < end) {
        tick += VariableLength(bytes, at);
        const auto status = static_cast<std::uint8_t>(bytes.at(at++));
        if (status == 0xFF) {
            const auto type = static_cast<std::uint8_t>(bytes.at(at++));
            const std::uint32_t length = VariableLength(bytes, at);
            if (type == 0x51) {
                track.tempo = BigEndian(bytes, at, 3);
            }
            at += length;
            continue;
        }
        const int channel = status & 0x0F;
        switch (status & 0xF0) {
        case 0xC0:
            track.programs.push_back(channel * 128 + bytes.at(at++));
            break;
        case 0x90:
            open.push_back({tick, 0, channel, bytes.at(at)});
            at += 2;
            break;
        case 0x80:
            for (auto it = open.begin(); it != open.end(); ++it) {
                if (it->channel == channel && it->key == bytes.at(at)) {
                    it->length = tick - it->tick;
                    track.notes.push_back(*it);
                    open.erase(it);
                    break;
                }
            }
            at += 2;
            break;
        default:
            return {};
        }
    }
    return track;
}

MidiRead ReadMidi(const std::string& bytes) {
    MidiRead read;
    if (bytes.substr(0, 4) != "MThd" || BigEndian(bytes, 4, 4) != 6) {
        return read;
    }
    read.format = static_cast<int>(BigEndian(bytes, 8, 2));
    const std::uint32_t tracks = BigEndian(bytes, 10, 2);
    read.division = static_cast<int>(BigEndian(bytes, 12, 2));
    std::size_t at = 14;
    for (std::uint32_t i = 0; i < tracks; ++i) {
        if (bytes.substr(at, 4) != "MTrk") {
            return read;
        }
        const std::uint32_t length = BigEndian(bytes, at + 4, 4);
        read.tracks.push_back(ReadTrack(bytes, at + 8, at + 8 + length));
        at += 8 + length;
    }
    read.ok = at == bytes.size();
    return read;
}

std::vector<int> Keys(const std::vector<MidiNote>& notes, int channel) {
    std::vector<int> keys;
    for (const MidiNote& note : notes) {
        if (note.channel == channel) {
            keys.push_back(note.key);
        }
    }
    return keys;
}

CNeckDrawing Drawing(int key, int style, const std::vector<int>& tuning, PositionKind positions) {
    CNeckDrawing drawing;
    drawing.m_nKey = key;
    drawing.m_nStyle = style;
    drawing.m_nTuning = tuning;
    drawing.m_positions = positions;
    return drawing;
}

} // namespace

Q_DECLARE_METATYPE(std::vector<int>)

class TestSoundFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void neckPlaysUpAndDown_data();
    void neckPlaysUpAndDown();
    void midiFileHoldsThePlan_data();
    void midiFileHoldsThePlan();
    void wavHeaderAndLength_data();
    void wavHeaderAndLength();
};

void TestSoundFiles::neckPlaysUpAndDown_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("neck");
    QTest::addColumn<std::vector<int>>("tuning");
    QTest::addColumn<int>("positions");
    QTest::addColumn<std::vector<int>>("keys");
    const std::vector<int> standard{40, 45, 50, 55, 59, 64};
    // C3 is the lowest C on the low E string from fret 1: fret 8.
    QTest::newRow("C Ionian") << 0 << 0 << 0 << standard << 0
                              << std::vector<int>{48, 50, 52, 53, 55, 57, 59, 60,
                                                  59, 57, 55, 53, 52, 50, 48};
    QTest::newRow("C Dorian") << 0 << 0 << 1 << standard << 0
                              << std::vector<int>{48, 50, 51, 53, 55, 57, 58, 60,
                                                  58, 57, 55, 53, 51, 50, 48};
    // Keep Pattern Fixed: the third neck of A major is C# Phrygian, from fret 9.
    QTest::newRow("C# Phrygian of A")
        << 9 << 1 << 2 << standard << 0
        << std::vector<int>{49, 50, 52, 54, 56, 57, 59, 61, 59, 57, 56, 54, 52, 50, 49};
    // A bass's open E string is not shown, so E Ionian starts on the A string's fret 7.
    QTest::newRow("E Ionian on a bass")
        << 4 << 0 << 0 << std::vector<int>{28, 33, 38, 43} << 0
        << std::vector<int>{40, 42, 44, 45, 47, 49, 51, 52, 51, 49, 47, 45, 44, 42, 40};
    // Three notes per string: A major's first shape from A2 at fret 5 over all six strings.
    QTest::newRow("A Ionian 3nps")
        << 9 << 1 << 0 << standard << 1
        << std::vector<int>{45, 47, 49, 50, 52, 54, 56, 57, 59, 61, 62, 64, 66, 68, 69, 71, 73, 74,
                            73, 71, 69, 68, 66, 64, 62, 61, 59, 57, 56, 54, 52, 50, 49, 47, 45};
    // The CAGED C shape of C major: frets 12 to 15, the root on the A string's fret 15.
    QTest::newRow("C Ionian, C shape")
        << 0 << 0 << 0 << standard << 3
        << std::vector<int>{52, 53, 55, 57, 59, 60, 62, 64, 65, 67, 69, 71, 72, 74, 76, 77, 79,
                            77, 76, 74, 72, 71, 69, 67, 65, 64, 62, 60, 59, 57, 55, 53, 52};
}

void TestSoundFiles::neckPlaysUpAndDown() {
    QFETCH(int, key);
    QFETCH(int, style);
    QFETCH(int, neck);
    QFETCH(std::vector<int>, tuning);
    QFETCH(int, positions);
    QFETCH(std::vector<int>, keys);
    const CNeckDrawing drawing = Drawing(key, style, tuning, static_cast<PositionKind>(positions));
    const PlayPlan plan = PlanNecks(drawing, {neck}, SoundPrefs());
    const MidiRead read = ReadMidi(MidiFileOf(plan));
    QVERIFY(read.ok);
    QCOMPARE(read.tracks.size(), std::size_t{2});
    QCOMPARE(Keys(read.tracks.at(1).notes, 0), keys);
    // Every played note lies on a cell of its neck that sounds it.
    for (const PlannedNote& note : plan.notes) {
        QCOMPARE(tuning.at(static_cast<std::size_t>(note.string)) + note.fret, note.midi);
        QVERIFY(drawing.GetNoteRole(note.fret, note.string, neck) != 0);
    }
}

void TestSoundFiles::midiFileHoldsThePlan_data() {
    QTest::addColumn<int>("tempo");
    QTest::addColumn<int>("noteLength");
    QTest::addColumn<int>("instrument");
    QTest::addColumn<std::vector<int>>("tuning");
    QTest::addColumn<bool>("drone");
    QTest::addColumn<int>("microsecondsPerBeat");
    QTest::addColumn<int>("program");
    QTest::addColumn<int>("lengthTicks");
    const std::vector<int> standard{40, 45, 50, 55, 59, 64};
    QTest::newRow("steel at 120") << 120 << 90 << 0 << standard << false << 500000 << 25 << 432;
    QTest::newRow("nylon at 40") << 40 << 100 << 1 << standard << false << 1500000 << 24 << 480;
    QTest::newRow("bass at 240") << 240 << 10 << 1 << std::vector<int>{28, 33, 38, 43} << true
                                 << 250000 << 33 << 48;
    QTest::newRow("custom 5 strings")
        << 90 << 50 << 0 << std::vector<int>{23, 28, 33, 38, 45} << false << 666666 << 33 << 240;
}

void TestSoundFiles::midiFileHoldsThePlan() {
    QFETCH(int, tempo);
    QFETCH(int, noteLength);
    QFETCH(int, instrument);
    QFETCH(std::vector<int>, tuning);
    QFETCH(bool, drone);
    QFETCH(int, microsecondsPerBeat);
    QFETCH(int, program);
    QFETCH(int, lengthTicks);
    SoundPrefs prefs;
    prefs.tempoBpm = tempo;
    prefs.noteLengthPercent = noteLength;
    prefs.instrument = static_cast<SoundPrefs::Instrument>(instrument);
    prefs.drone = drone;
    const CNeckDrawing drawing = Drawing(0, 0, tuning, PositionKind::All);
    const MidiRead read = ReadMidi(MidiFileOf(PlanAllNecks(drawing, prefs)));
    QVERIFY(read.ok);
    QCOMPARE(read.format, 1);
    QCOMPARE(read.division, 480);
    QCOMPARE(read.tracks.size(), std::size_t(1 + drawing.NeckCount()));
    QCOMPARE(read.tracks.front().tempo, std::int64_t{microsecondsPerBeat});
    QVERIFY(read.tracks.front().notes.empty());
    std::int64_t previousEnd = 0;
    for (std::size_t i = 1; i < read.tracks.size(); ++i) {
        const MidiTrack& track = read.tracks[i];
        QVERIFY(std::find(track.programs.begin(), track.programs.end(), program) !=
                track.programs.end());
        const std::vector<int> melody = Keys(track.notes, 0);
        // Up an octave of seven notes and down again, the tonic at both ends.
        QCOMPARE(melody.size(), std::size_t{15});
        QCOMPARE(melody.front(), melody.back());
        QCOMPARE(melody.at(7), melody.front() + 12);
        std::vector<MidiNote> notes;
        for (const MidiNote& note : track.notes) {
            if (note.channel == 0) {
                notes.push_back(note);
            }
        }
        // The necks in turn, left to right, a pause of two beats between them.
        QCOMPARE(notes.front().tick, previousEnd + (i == 1 ? 0 : 2 * 480));
        for (std::size_t j = 0; j < notes.size(); ++j) {
            QCOMPARE(notes[j].length, std::int64_t{lengthTicks});
            QCOMPARE(notes[j].tick, notes.front().tick + std::int64_t(480 * j));
        }
        previousEnd = notes.back().tick + 480;
        // The drone holds the tonic through the whole neck, an octave down where that is not
        // below a bass's low E.
        const std::vector<int> droneKeys = Keys(track.notes, 1);
        QCOMPARE(droneKeys.size(), std::size_t(drone ? 1 : 0));
        if (drone) {
            QCOMPARE(droneKeys.front() % 12, melody.front() % 12);
            QVERIFY(droneKeys.front() == melody.front() - 12 ||
                    (droneKeys.front() == melody.front() && melody.front() - 12 < 28));
        }
    }
}

void TestSoundFiles::wavHeaderAndLength_data() {
    QTest::addColumn<int>("frames");
    QTest::newRow("empty") << 0;
    QTest::newRow("one frame") << 1;
    QTest::newRow("a second") << 44100;
}

void TestSoundFiles::wavHeaderAndLength() {
    QFETCH(int, frames);
    std::vector<std::int16_t> samples(static_cast<std::size_t>(frames) * 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<std::int16_t>(i % 2 == 0 ? -32768 + int(i) : 32767 - int(i));
    }
    const std::string file = WavFileOf(samples, 44100, 2);
    const auto little = [&file](std::size_t at, int count) {
        std::uint32_t value = 0;
        for (int i = count - 1; i >= 0; --i) {
            value = (value << 8) | static_cast<std::uint8_t>(file.at(at + std::size_t(i)));
        }
        return value;
    };
    QCOMPARE(file.size(), std::size_t(44 + 4 * frames));
    QCOMPARE(file.substr(0, 4), std::string("RIFF"));
    QCOMPARE(little(4, 4), std::uint32_t(36 + 4 * frames));
    QCOMPARE(file.substr(8, 8), std::string("WAVEfmt "));
    QCOMPARE(little(16, 4), 16U);     // PCM format chunk
    QCOMPARE(little(20, 2), 1U);      // PCM
    QCOMPARE(little(22, 2), 2U);      // stereo
    QCOMPARE(little(24, 4), 44100U);  // frames a second
    QCOMPARE(little(28, 4), 176400U); // bytes a second
    QCOMPARE(little(32, 2), 4U);      // bytes a frame
    QCOMPARE(little(34, 2), 16U);     // bits a sample
    QCOMPARE(file.substr(36, 4), std::string("data"));
    QCOMPARE(little(40, 4), std::uint32_t(4 * frames));
    if (frames > 0) {
        QCOMPARE(static_cast<std::int16_t>(little(44, 2)), std::int16_t(-32768));
        QCOMPARE(static_cast<std::int16_t>(little(46, 2)), std::int16_t(32766));
    }
}

QTEST_GUILESS_MAIN(TestSoundFiles)
#include "tst_soundfiles.moc"
