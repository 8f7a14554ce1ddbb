#pragma once

class CNeckDrawing;
class SettingsStore;

// Group and value names of the drawing preferences in the settings store.
namespace NeckPrefs {
inline constexpr char kGroup[] = "Prefs";
inline constexpr char kFret[] = "Fret";
inline constexpr char kString[] = "String";
inline constexpr char kNeck[] = "Neck";
inline constexpr char kStyle[] = "Style";

inline constexpr int kMinSpacing = 1;
inline constexpr int kMaxSpacing = 1000;
} // namespace NeckPrefs

// A stored spacing as "%d" reads it, or nDefault when that lies outside 1..1000: a spacing of 0
// or less collapses the necks, and more than 1000 draws nothing a screen or page can hold.
int ReadSpacing(const SettingsStore& store, const char* name, int nDefault);

// Reads fret, string and neck spacing and the style, in that order, each defaulting to the
// value the drawing starts with. The style is taken as stored.
void LoadNeckPrefs(CNeckDrawing& drawing, const SettingsStore& store);
