#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The window program's command line: Quillary [FILE].
namespace CommandLine {

// Exit statuses when no window is opened.
enum Status { Success = 0, UsageError = 2 };

// Answers --help and --version before the application object exists, so that they
// need no display; nullopt when the command line asks for neither. Qt's own options
// (-platform, -style...) are still in `argv` here and do not count.
std::optional<int> answerWithoutWindow(int argc, char *argv[]);

struct WindowRequest {
    std::optional<int> exitStatus;   // set when no window is to be opened
    QString file;                    // absolute path of the file to import, or empty
};

// Reads the arguments left once the application object has taken Qt's own options
// out. An unknown option or a second file is named on standard error (UsageError).
WindowRequest parseWindowArguments(const QStringList &arguments);

} // namespace CommandLine
