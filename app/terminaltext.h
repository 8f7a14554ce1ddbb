#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// Descriptors 0, 1 and 2 that the program was started with closed are opened on /dev/null, so
// that nothing opened later (the display connection, a settings file) takes their numbers and
// gets a diagnostic written into it. Call first thing; says which were closed. Output meant for
// a closed standard output is then refused with the reason, never written into /dev/null.
std::array<bool, 3> ReopenClosedStandardStreams();

// A value echoed in a message: in double quotes, with backslashes, quotes and every character
// that could move the cursor, end the line or drive the terminal written as an escape, so that
// a message always stays one line; cut after 200 characters.
QString Quoted(const QString& value);

// The same escapes for a whole message whose parts were not quoted (Qt's option parser names
// unknown options as they were typed).
QString OneLine(const QString& message);

// "varnel: <message>" on stderr, as one line.
void ReportError(const QString& message);

// Writes to stdout and flushes; on failure says why on stderr. Returns the exit status: 0, or 1
// when standard output could not take the text (a full disk, a closed pipe).
int WriteToStdout(const QByteArray& bytes);
