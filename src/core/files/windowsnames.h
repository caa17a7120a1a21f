#pragma once

#include <QString>

// File names that Windows does not keep as the name of an ordinary file. Qt opens
// files through "\\?\" paths, which bypass the system's name rules: there "CON" or
// "config.txt." would become real files that Explorer can neither open nor delete,
// and "config.txt:x" a hidden stream of config.txt. Without that prefix "CON" or
// "NUL.txt" is a device, and trailing dots and blanks are cut off, so the file read
// or written would not be the one named. Such names are refused on Windows.
namespace Files {

// Why Windows would not take the last part of `path` as a file's name, or an empty
// text when it would. Pure: it looks at the text only, on every system.
QString windowsNameRefusal(const QString &path);

} // namespace Files
