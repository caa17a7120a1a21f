#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The player's 23 options: what each row of the window edits, how its value is
// written to the configuration file, and its default. Row order is also the order
// of the lines in the file.
namespace Options {

enum class ValueKind { Id, Volume, Power, Monitoring, Boot, Function, Baudrate };

struct OptionRow {
    QString keyword;       // full keyword as written in the file, e.g. "#INPUT07"
    ValueKind kind;
    int defaultValue;      // spin-box value or list index
};

constexpr int OptionCount = 23;
constexpr int FunctionCount = 2007;   // 8 named functions, 1000 folders, 999 serial commands
constexpr int FirstFolderIndex = 8;
constexpr int FirstSerialIndex = 1008;

const std::array<OptionRow, OptionCount> &catalogue();

// Keyword stems, addressed by position by the writer and the reader.
const QStringList &optionKeywordTable();    // "#ID" ... "#BAUDRATE" (8)
const QStringList &functionKeywordTable();  // "PLAY" ... "FOLDER", "RS" (10)

// Token written for a function list index; empty for an index outside the list.
QString functionToken(int index);

// Index of the function token at the start of `text`, or -1. Exact and case-sensitive;
// whatever follows the token is ignored.
int functionIndexAtStart(QStringView text);

// Item texts of the lists, in the interface language installed now.
QStringList functionItemList();
// A few items of the function list that are together at least as wide as every
// item: measuring 2007 texts is slow, and the numbered items differ only in digits.
QStringList functionItemWidthSamples();
QStringList powerItemList();
QStringList monitoringItemList();
const QStringList &baudrateItemList();      // never translated

// Value of one row: a spin-box value or a list index.
struct OptionValue {
    bool included = false;
    int value = 0;
};
using OptionStates = std::array<OptionValue, OptionCount>;

OptionStates defaultStates(bool included);

} // namespace Options
