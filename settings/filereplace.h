#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at path with data, whole or not at all: the data goes into a new file in
// the target's own folder, which takes the target's name only once every byte is on disk, so a
// full disk or a crash leaves the old file as it was. A symbolic link in the path's last place is
// followed only where the kernel would follow it for a program of another user (never a dangling
// link, never a link in a sticky world-writable folder such as /tmp unless it belongs to the user
// or to the folder's owner); a device, FIFO, socket or folder in the target's place is refused.
// The target's folder is opened once and the final name is only ever renamed over, so a link
// swapped in after the checks is replaced, never written through. An existing file keeps its
// permissions. Returns why it failed, or an empty text.
QString ReplaceFile(const QString& path, const QByteArray& data);

// The infix of the name a replacement is written under until it is complete; a file whose name
// is the target's, this infix and six letters or digits was left by this program.
inline constexpr char kPartialInfix[] = ".varnel-partial-";
