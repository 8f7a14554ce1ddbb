#pragma once

#include <QString>

// The string table: the text of a string id, translated; empty for an unknown id. A command's
// entry holds its status-bar prompt, a line feed, then its tooltip.
QString LoadString(int id);

// The two halves of a command's entry.
QString CommandPrompt(int id);
QString CommandTooltip(int id);
