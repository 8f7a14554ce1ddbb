#pragma once

#include <QString>

#include <span>
#include <string_view>

// The mode names the music model writes in English, in the language of the loaded translation:
// what the window, the printed page and the pictures title the necks with. The text diagrams
// keep the model's English, a stable format for scripts.
QString TranslatedModeName(std::string_view english);

// Every name the translation knows, full and short forms alike; a name missing here stays
// English everywhere.
std::span<const char* const> TranslatableModeNames();
