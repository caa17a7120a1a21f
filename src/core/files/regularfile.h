#pragma once

#include <QIODevice>

class QFile;
class QString;

// Only regular files are read or replaced. A FIFO blocks whoever opens it until a
// writer comes, a device such as /dev/zero never ends, and renaming a new file over
// either replaces it; a directory or a socket is no file either. A symbolic link
// counts as what it points to.

// Opens `file` (its name set) in `mode` when that name is a regular file; fails at
// once otherwise. Never blocks: on Unix the name is opened non-blocking and checked
// through the open descriptor, so nothing can be swapped in between.
bool openRegularFile(QFile &file, QIODevice::OpenMode mode);

// True when something that is not a regular file stands at `path`.
bool isSpecialFile(const QString &path);
