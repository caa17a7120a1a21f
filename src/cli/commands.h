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

// How check prints and judges.
struct CheckOptions {
    bool lenient = false;   // warnings alone do not make the check fail
    bool quiet = false;     // only what is wrong: the reasons and warnings
    bool json = false;      // one JSON object a line for each reason or warning, nothing else

    // The report lines and summaries too, not only what is wrong.
    bool fullReport() const { return !quiet && !json; }
};

// Prints each file's import report on standard output, one line per option line, each
// reason or warning after the line it is about (those on the whole file at its end), and
// a summary. A file that cannot be read or is not text is named on standard error; the
// others are still checked. Refused: some option line was refused, or some warning
// given unless lenient; Failed: some file could not be read or is not text.
Status check(const QStringList &files, const CheckOptions &options);

// What generate is asked for, as typed.
struct Changes {
    QString from;         // the file to start from; empty: the window's start-up state
    QStringList only;     // keys of the options to keep; empty: every option
    QStringList unset;    // keys of the options to leave out
    QStringList set;      // "KEY=VALUE": options to include with that value
    QString output;       // the file to write, or "-" for standard output
    bool lenient = false; // a base file with warnings, yet no refused line, is taken
};

// Writes the file for the changed state. Every change is checked first and the base
// file must read without a refused line and, unless lenient, without a warning;
// otherwise the reason is printed on standard error and nothing is written (Failed).
Status generate(const Changes &changes);

// The keys and the values they take, one line per kind of option, for the help text.
QString keyTable();

} // namespace Cli
