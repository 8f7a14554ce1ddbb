#pragma once

#include <QString>

#include <optional>

// Reads an edit box's text as an unsigned decimal number: ASCII digits only, with blanks (spaces
// and tabs) allowed before and after them as the usual dialog scanners allow. Signs, inner
// blanks, letters and an empty text give nothing. A number too large for 64 bits comes back as
// the largest 64-bit value, so a range check still refuses it instead of seeing it wrap.
std::optional<quint64> ParseUnsignedEntry(const QString& strText);
