#include "settings/settingsstore.h"
#include "tests/fuzz/fuzzcheck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace {

struct Setting {
    const char* group;
    const char* name;
};

// Every value the program reads from its settings file.
constexpr auto kSettings = std::to_array<Setting>({
    {"Prefs", "Fret"},      {"Prefs", "String"},
    {"Prefs", "Neck"},      {"Prefs", "Style"},
    {"Screen", "x"},        {"Screen", "y"},
    {"Screen", "cx"},       {"Screen", "cy"},
    {"View", "Zoom"},       {"View", "Fit"},
    {"Options", "Labels"},  {"Options", "LeftHanded"},
    {"Options", "Family"},  {"Options", "Tuning0"},
    {"Options", "Tuning1"}, {"Options", "Tuning2"},
    {"Options", "Tuning3"}, {"Options", "Tuning4"},
    {"Options", "Tuning5"}, {"Options", "FretNumbers"},
});

// Two defaults tell a stored number from a fallback: only a stored number is read back the same.
constexpr int kDefaultA = 30;
constexpr int kDefaultB = -30;

const QString kBasePath = QStringLiteral("Dovrane Software/Varnel");

// The config folder of this process, below TMPDIR (scripts/fuzz points it at /dev/shm).
const QTemporaryDir& ConfigRoot() {
    static const QTemporaryDir root;
    static const bool made = QDir(root.path()).mkpath(QStringLiteral("Dovrane Software"));
    FuzzCheck(root.isValid() && made, "a temporary config folder can be made");
    return root;
}

void CheckSetting(bool holds, const Setting& setting, const char* invariant) {
    if (!holds) {
        std::fprintf(stderr, "setting: [%s] %s\n", setting.group, setting.name);
    }
    FuzzCheck(holds, invariant);
}

std::optional<int> Stored(const SettingsStore& store, const Setting& setting) {
    const QString group = QString::fromLatin1(setting.group);
    const QString name = QString::fromLatin1(setting.name);
    const int withA = store.ReadInt(group, name, kDefaultA);
    const int withB = store.ReadInt(group, name, kDefaultB);
    CheckSetting(withA == withB || (withA == kDefaultA && withB == kDefaultB), setting,
                 "a read gives the stored number or the caller's default");
    return withA == withB ? std::optional<int>(withA) : std::nullopt;
}

std::array<std::optional<int>, kSettings.size()> StoredValues(const SettingsStore& store) {
    std::array<std::optional<int>, kSettings.size()> values;
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        values[i] = Stored(store, kSettings[i]);
    }
    return values;
}

// The write is chosen by the file's own bytes, so every input is a plain settings file and a
// reproducer can be dropped into a config folder as it is.
std::uint64_t Fnv1a(const std::uint8_t* data, std::size_t size) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (std::size_t i = 0; i < size; ++i) {
        hash = (hash ^ data[i]) * 1099511628211ULL;
    }
    return hash;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString root = ConfigRoot().path();
    {
        QFile file(root + QLatin1Char('/') + kBasePath + QStringLiteral(".conf"));
        FuzzCheck(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                      file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) ==
                          static_cast<qint64>(size),
                  "the input can be written as the settings file");
    }
    SettingsStore store;
    store.Bind(root, kBasePath);
    const auto before = StoredValues(store);

    const std::uint64_t hash = Fnv1a(data, size);
    const std::size_t target = hash % kSettings.size();
    const std::array<int, 6> edges{0, -1, 1000, INT_MAX, INT_MIN, static_cast<int>(hash >> 32)};
    const int value = edges[(hash >> 8) % edges.size()];
    const bool written = store.WriteInt(QString::fromLatin1(kSettings[target].group),
                                        QString::fromLatin1(kSettings[target].name), value);

    const auto after = StoredValues(store);
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        if (i == target) {
            CheckSetting(!written || after[i] == value, kSettings[i],
                         "a successful write is read back as written");
        } else {
            CheckSetting(after[i] == before[i], kSettings[i],
                         "a write leaves the other values as they were");
        }
    }
    return 0;
}
