#pragma once

class SettingsStore;

// How the screen drawing is scaled, kept in the settings group "View".
struct ViewPrefs {
    static constexpr char kGroup[] = "View";
    static constexpr char kZoom[] = "Zoom"; // percent, 25 to 400
    static constexpr char kFit[] = "Fit";   // 1: fitted to the window

    int zoomPercent = 100;
    bool fit = false;

    // A value that is missing or out of range reads as its default, each on its own.
    static ViewPrefs Load(const SettingsStore& store);
    void Save(SettingsStore& store) const;
};
