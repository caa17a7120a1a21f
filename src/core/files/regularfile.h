#pragma once

#include <QIODevice>

class QFile;
class QString;

// Only regular files are read or replaced. A FIFO blocks whoever opens it until a
// writer comes, a device such as /dev/zero never ends, and renaming a new file over
// either replaces it; a directory or a socket is no file either. A symbolic link
// counts as what it points to (see resolvedname.h for how a name is followed).

// Opens `file` (its name set) in `mode` when that name means a regular file; fails at
// once otherwise, with the reason in `why` when given. Never blocks: on Unix the name
// is resolved, its last part opened non-blocking without following a link swapped in
// meanwhile, and checked through the open descriptor.
bool openRegularFile(QFile &file, QIODevice::OpenMode mode, QString *why = nullptr);
