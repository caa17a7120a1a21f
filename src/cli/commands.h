#pragma once

#include <QString>
#include <QStringList>

// The two commands of quillary-cli. They read, write and save through the same core
// functions as the window, so that a file checked or made here is read or written
// exactly as the window would.
namespace Cli {

// Exit statuses of the tool.
enum Status { Success = 0, Refused = 1, Failed = 2 };

// "quillary-cli: TEXT" on standard error.
void printError(const QString &text);

// Prints each file's import report on standard output, one line per option line, and a
// summary. A file that cannot be read is named on standard error; the others are still
// checked. Refused: some option line was refused; Failed: some file could not be read.
Status check(const QStringList &files);

// What generate is asked for, as typed.
struct Changes {
    QString from;         // the file to start from; empty: the window's start-up state
    QStringList only;     // keys of the options to keep; empty: every option
    QStringList unset;    // keys of the options to leave out
    QStringList set;      // "KEY=VALUE": options to include with that value
    QString output;       // the file to write, or "-" for standard output
};

// Writes the file for the changed state. Every change is checked first and the base
// file must read without a refused line; otherwise the reason is printed on standard
// error and nothing is written (Failed).
Status generate(const Changes &changes);

// The keys and the values they take, one line per kind of option, for the help text.
QString keyTable();

} // namespace Cli
