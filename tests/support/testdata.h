#pragma once

#include "options/optioncatalogue.h"

#include <QByteArray>
#include <QPair>
#include <QRegularExpression>

#include <optional>
#include <QStringList>

// What several tests need: files, option rows and report lines.

// The file's bytes, or "" when it cannot be read.
QByteArray readFile(const QString &path);
bool writeFile(const QString &path, const QByteArray &bytes);

// The rows as text, one entry per row, so that a failed comparison names the row.
QStringList describe(const Options::OptionStates &states);

// The rows an import leaves: those given ticked with their value, the others unticked
// at their default.
using Rows = QList<QPair<int, int>>;   // row, value
Options::OptionStates ticked(const Rows &rows);
enum Row { Id, Volume, Power, Monitor, Boot, Input01, Button1 = 20, Button2, Baudrate };

// Sample k of 2 * 2007: row r holds the value (k / 2 + 100 r), wrapped into its range, so that every function
// stands on every input and button. Odd samples untick every third row, which then holds its default, as
// after an import. Sample 2 has every row ticked and off its default.
Options::OptionStates sampleStates(int k);

// One line of an import report: "#ID:-----...> OK\n", or ERROR with the line number.
QString reportLine(const char *key, int errorLine = 0);

// One file of the table support/verdicts.txt and what the import says of it.
struct VerdictCase {
    QString name;
    QByteArray file;
    QStringList said;    // the report lines and the notes ("3: TEXT", "-: TEXT"), in the order check prints them
    QStringList marks;   // the tooltips of the rows marked: "Line 3: TEXT"
    QString summary;     // or "not text"
    std::optional<Options::OptionStates> rows;   // as the window shows them then; none: as they were
    QStringList lines() const { return said.filter(QRegularExpression("^#")); }
    QStringList notes() const { return said.filter(QRegularExpression("^[-0-9]")); }
};
QList<VerdictCase> verdictCases();
