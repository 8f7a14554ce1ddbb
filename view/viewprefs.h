#pragma once

class SettingsStore;

// How the screen drawing is scaled, kept in the settings group "View".
struct ViewPrefs {
    static constexpr char kGroup[] = "View";
    static constexpr char kZoom[] = "Zoom"; // percent, 25 to 400
    static constexpr char kFit[] = "Fit";   // 1: fitted to the window

    int zoomPercent = 100;
    bool fit = false;

    // A value that is missing, out of range or not exactly a whole number reads as its
    // default, each on its own.
    static ViewPrefs Load(const SettingsStore& store);
    // Writes only the values that differ from `before`.
    void SaveChanges(SettingsStore& store, const ViewPrefs& before) const;

    friend bool operator==(const ViewPrefs&, const ViewPrefs&) = default;
};
