#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The player's 23 options: what each row of the window edits, how its value is
// written to and read from the configuration file, and its default. Row order is
// also the order of the lines in the file. Every range, field width and keyword of
// the program is here; the writer, the reader and the window read them from here.
namespace Options {

enum class ValueKind { Id, Volume, Power, Monitoring, Boot, Function, Baudrate };

// How a value stands in the file.
enum class Encoding {
    Number,     // the value in decimal, zero-filled to the field width
    ItemText,   // the text of the list item (the baud rates)
    Token,      // the function token: PLAY, FOLDER007, RS123...
};

// Everything the program knows about one kind of value.
struct KindFacts {
    Encoding encoding;
    int fieldWidth;   // characters of the value field: digits written, characters read (0: the token's own)
    int minimum;      // the editor's range: a spin-box value or a list index
    int maximum;
};

const KindFacts &facts(ValueKind kind);

struct OptionRow {
    QString keyword;   // as written in the file, e.g. "#INPUT07"
    ValueKind kind;
    int defaultValue;  // spin-box value or list index
};

constexpr int OptionCount = 23;
constexpr int FunctionCount = 2007;   // 8 named functions, 1000 folders, 999 serial commands
constexpr int FirstFolderIndex = 8;
constexpr int FirstSerialIndex = 1008;

const std::array<OptionRow, OptionCount> &catalogue();

// Keyword stems, addressed by position by the writer and the reader.
const QStringList &optionKeywordTable();    // "#ID" ... "#BAUDRATE" (8)
const QStringList &functionKeywordTable();  // "PLAY" ... "FOLDER", "RS" (10)

// A keyword split into its stem and the number at its end: "#INPUT07" is "#INPUT" and 7,
// "#ID" is "#ID" and -1. The inputs share a stem, as do the buttons. Digits of any script
// end a stem; a number that is not plain decimal (decimalnumber.h), or too large for an
// int, reads as 0, which no option has.
struct NumberedKeyword {
    QStringView stem;
    int number = -1;
};
NumberedKeyword splitKeyword(QStringView keyword);

// `value` in decimal, at least `width` digits, filled on the left with '0'.
QString zeroFilled(int value, int width);

// Token written for a function list index; empty for an index outside the list.
QString functionToken(int index);

// Index of the function token at the start of `text`, or -1. Exact and case-sensitive;
// whatever follows the token is ignored. `length`, if given, receives the token's length.
int functionIndexAtStart(QStringView text, qsizetype *length = nullptr);

// Item texts of the lists, in the interface language installed now.
QString functionItemText(int index);
// A few items of the function list that are together at least as wide as every
// item: measuring 2007 texts is slow, and the numbered items differ only in digits.
QStringList functionItemWidthSamples();
// The same for the tokens.
QStringList functionTokenWidthSamples();
// The items of a Power, Monitoring or Baudrate list (the baud rates are never translated).
QStringList listItems(ValueKind kind);

// The values of this kind as the file holds them, in the installed language: "0 to 64",
// "0 to 1 (0 Off, 1 On)", "9600, 19200, 38400", the function tokens.
QString acceptedValues(ValueKind kind);

// What the file holds for a value of this kind ("001", "05", "FOLDER007", "19200").
// A list without a current item (-1) gives "0", or an empty text for tokens and baud rates.
QString valueText(ValueKind kind, int value);

// The value whose file text is `text`, or -1: the strict inverse of valueText, for
// values typed by a person or a script. A number is plain decimal digits (leading
// zeros optional) within the editor's range; a token or baud rate is exactly as
// written ("FOLDER007", "9600"). Nothing is trimmed, cut or dropped, unlike a read.
int valueFromText(ValueKind kind, QStringView text);

// The editor value that a number read from a value field stands for, or -1 when the
// editor cannot take it. For a function, the number is the list index of a token.
int valueForNumber(ValueKind kind, quint32 number);

// State of one row: ticked or not, and its editor's value.
struct OptionState {
    bool included = false;
    int value = 0;
};

inline bool operator==(const OptionState &a, const OptionState &b)
{
    return a.included == b.included && a.value == b.value;
}

using OptionStates = std::array<OptionState, OptionCount>;

OptionStates defaultStates(bool included);

} // namespace Options
