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
} // namespace NeckPrefs

// Reads fret, string and neck spacing and the style, in that order, each defaulting to the
// value the drawing starts with. Values are taken as stored, without a range check.
void LoadNeckPrefs(CNeckDrawing& drawing, const SettingsStore& store);
