#include "optioncatalogue.h"

#include "options/decimalnumber.h"

#include <QCoreApplication>

#include <iterator>
#include <limits>

namespace Options {

namespace {

// The items of the small lists; a list index is the value.
const char *const powerTexts[] = {QT_TRANSLATE_NOOP("MainWindow", "Off"), QT_TRANSLATE_NOOP("MainWindow", "On")};
const char *const monitoringTexts[] = {
    QT_TRANSLATE_NOOP("MainWindow", "No monitoring mode"), QT_TRANSLATE_NOOP("MainWindow", "Daisy chain mode"),
    QT_TRANSLATE_NOOP("MainWindow", "Monitoring mode"), QT_TRANSLATE_NOOP("MainWindow", "Advanced monitoring mode")};
const char *const baudRates[] = {"9600", "19200", "38400"};   // as the file holds them, never translated

// In the order of ValueKind.
const KindFacts kindFacts[] = {
    {Encoding::Number, 3, 1, 127},                                   // Id: "001"
    {Encoding::Number, 2, 0, 64},                                    // Volume: "05"
    {Encoding::Number, 1, 0, int(std::size(powerTexts)) - 1},        // Power: off, on
    {Encoding::Number, 1, 0, int(std::size(monitoringTexts)) - 1},   // Monitoring: four modes
    {Encoding::Number, 3, 0, 999},                                   // Boot: "007"
    {Encoding::Token, 0, 0, FunctionCount - 1},                      // Function
    {Encoding::ItemText, 5, 0, int(std::size(baudRates)) - 1},       // Baudrate: "19200"
};

// The keywords are the stems of the keyword table; inputs and buttons add their number.
std::array<OptionRow, OptionCount> buildCatalogue()
{
    const QStringList &stem = optionKeywordTable();
    std::array<OptionRow, OptionCount> rows{};
    int r = 0;
    rows[r++] = {stem.at(0), ValueKind::Id, 1};
    rows[r++] = {stem.at(1), ValueKind::Volume, 32};
    rows[r++] = {stem.at(2), ValueKind::Power, 0};
    rows[r++] = {stem.at(3), ValueKind::Monitoring, 0};
    rows[r++] = {stem.at(4), ValueKind::Boot, 0};
    // Input N defaults to folder N.
    for (int n = 1; n <= 15; ++n)
        rows[r++] = {stem.at(5) + zeroFilled(n, 2), ValueKind::Function, FirstFolderIndex + n};
    rows[r++] = {stem.at(6) + QLatin1Char('1'), ValueKind::Function, 7};   // Volume -
    rows[r++] = {stem.at(6) + QLatin1Char('2'), ValueKind::Function, 6};   // Volume +
    rows[r++] = {stem.at(7), ValueKind::Baudrate, 1};                      // 19200
    return rows;
}

// The words of the function list's items, laid out as the function keyword table: the
// eight named functions, then the word before a folder number and the one before a
// serial-command number. Only the word is translated, never the number.
constexpr int FolderWord = FirstFolderIndex;
constexpr int SerialWord = FirstFolderIndex + 1;
const char *const functionTexts[SerialWord + 1] = {
    QT_TRANSLATE_NOOP("MainWindow", "Play"),
    QT_TRANSLATE_NOOP("MainWindow", "Stop"),
    QT_TRANSLATE_NOOP("MainWindow", "Next track"),
    QT_TRANSLATE_NOOP("MainWindow", "Previous track"),
    QT_TRANSLATE_NOOP("MainWindow", "Next folder"),
    QT_TRANSLATE_NOOP("MainWindow", "Previous folder"),
    QT_TRANSLATE_NOOP("MainWindow", "Volume +"),
    QT_TRANSLATE_NOOP("MainWindow", "Volume -"),
    QT_TRANSLATE_NOOP("MainWindow", "Folder "),
    QT_TRANSLATE_NOOP("MainWindow", "Serial command "),
};

// Item texts belong to the main window's translations.
QString translated(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

// Folder and serial-command numbers are written with three digits.
constexpr int NumberWidth = 3;

// The three decimal digits `text` begins with, or -1.
int threeDigitNumber(QStringView text)
{
    if (text.size() < NumberWidth)
        return -1;
    const std::optional<quint32> n = decimalNumber(text.left(NumberWidth));
    return n ? int(*n) : -1;
}

QString functionTextWord(int word)
{
    return translated(functionTexts[word]);
}

QString functionKeyword(int word)
{
    return functionKeywordTable().at(word);
}

// Tokens and item texts name the same three ranges of the list, each in its own words.
using FunctionWord = QString (*)(int word);

// A named function, or a word and a three-digit number for a folder or a serial
// command; empty for an index outside the list.
QString functionName(int index, FunctionWord word)
{
    if (index >= 0 && index < FirstFolderIndex)
        return word(index);
    if (index >= FirstFolderIndex && index < FirstSerialIndex)
        return word(FolderWord) + zeroFilled(index - FirstFolderIndex, NumberWidth);
    if (index >= FirstSerialIndex && index < FunctionCount)
        return word(SerialWord) + zeroFilled(index - FirstSerialIndex + 1, NumberWidth);
    return QString();
}

QStringList functionWidthSamples(FunctionWord word)
{
    QStringList samples;
    for (int i = 0; i < FirstFolderIndex; ++i)
        samples.append(word(i));
    // A number is never wider than three times its widest digit.
    for (int digit = 0; digit <= 9; ++digit) {
        const QString number(NumberWidth, QLatin1Char('0' + digit));
        samples.append(word(FolderWord) + number);
        samples.append(word(SerialWord) + number);
    }
    return samples;
}

} // namespace

const KindFacts &facts(ValueKind kind)
{
    return kindFacts[int(kind)];
}

const std::array<OptionRow, OptionCount> &catalogue()
{
    static const std::array<OptionRow, OptionCount> rows = buildCatalogue();
    return rows;
}

const QStringList &optionKeywordTable()
{
    static const QStringList keywords = {
        QStringLiteral("#ID"),    QStringLiteral("#VOLUME"), QStringLiteral("#POWER"),
        QStringLiteral("#RS_MONITORING"), QStringLiteral("#BOOT"), QStringLiteral("#INPUT"),
        QStringLiteral("#BUTTON"), QStringLiteral("#BAUDRATE")};
    return keywords;
}

const QStringList &functionKeywordTable()
{
    static const QStringList keywords = {
        QStringLiteral("PLAY"),      QStringLiteral("STOP"),      QStringLiteral("NEXT_TRACK"),
        QStringLiteral("PREV_TRACK"), QStringLiteral("NEXT_FOLD"), QStringLiteral("PREV_FOLD"),
        QStringLiteral("VOLUME_PLUS"), QStringLiteral("VOLUME_MINUS"), QStringLiteral("FOLDER"),
        QStringLiteral("RS")};
    return keywords;
}

NumberedKeyword splitKeyword(QStringView keyword)
{
    qsizetype end = keyword.size();
    while (end > 0 && keyword[end - 1].isDigit())
        --end;
    if (end == keyword.size())
        return {keyword, -1};
    const auto number = decimalNumber(keyword.mid(end), quint32(std::numeric_limits<int>::max()));
    return {keyword.left(end), int(number.value_or(0))};
}

QString zeroFilled(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

QString functionToken(int index)
{
    return functionName(index, functionKeyword);
}

int functionIndexAtStart(QStringView text, qsizetype *length)
{
    if (text.isEmpty())
        return -1;
    const QStringList &k = functionKeywordTable();
    const auto found = [length](int index, qsizetype size) {
        if (length)
            *length = size;
        return index;
    };
    // Every function line of an imported file comes here. Most name a folder or a
    // serial command; and a first letter that differs is far cheaper to see than a
    // whole comparison.
    if (text.startsWith(k.at(FolderWord))) {
        const int n = threeDigitNumber(text.mid(k.at(FolderWord).size()));
        if (n >= 0)
            return found(FirstFolderIndex + n, k.at(FolderWord).size() + NumberWidth);
    }
    if (text.startsWith(k.at(SerialWord))) {
        const int n = threeDigitNumber(text.mid(k.at(SerialWord).size()));
        if (n >= 1)
            return found(FirstSerialIndex + n - 1, k.at(SerialWord).size() + NumberWidth);
    }
    for (int i = 0; i < FirstFolderIndex; ++i) {
        if (k.at(i).front() == text.front() && text.startsWith(k.at(i)))
            return found(i, k.at(i).size());
    }
    return -1;
}

QString functionItemText(int index)
{
    return functionName(index, functionTextWord);
}

QStringList functionItemWidthSamples()
{
    return functionWidthSamples(functionTextWord);
}

QStringList functionTokenWidthSamples()
{
    return functionWidthSamples(functionKeyword);
}

QStringList listItems(ValueKind kind)
{
    QStringList items;
    switch (kind) {
    case ValueKind::Power:
        for (const char *text : powerTexts)
            items << translated(text);
        break;
    case ValueKind::Monitoring:
        for (const char *text : monitoringTexts)
            items << translated(text);
        break;
    case ValueKind::Baudrate: {
        // Made once: the reader looks a baud rate up here for every baud-rate line.
        static const QStringList rates = [] {
            QStringList texts;
            for (const char *rate : baudRates)
                texts << QLatin1String(rate);
            return texts;
        }();
        items = rates;
        break;
    }
    default:
        break;
    }
    return items;
}

QString acceptedValues(ValueKind kind)
{
    const KindFacts &f = facts(kind);
    const QStringList items = listItems(kind);
    const auto range = [](const QString &first, const QString &last) {
        return QCoreApplication::translate("MainWindow", "%1 to %2").arg(first, last);
    };
    switch (f.encoding) {
    case Encoding::Number: {
        const QString numbers = range(QString::number(f.minimum), QString::number(f.maximum));
        QStringList named;   // the list items the numbers stand for
        for (int i = 0; i < items.size(); ++i)
            named << QString::number(i) + QLatin1Char(' ') + items.at(i);
        return named.isEmpty() ? numbers : numbers + QStringLiteral(" (") + named.join(QStringLiteral(", ")) + ')';
    }
    case Encoding::ItemText:
        return items.join(QStringLiteral(", "));
    case Encoding::Token: {
        QStringList tokens;
        for (int i = 0; i < FirstFolderIndex; ++i)
            tokens << functionToken(i);
        tokens << range(functionToken(FirstFolderIndex), functionToken(FirstSerialIndex - 1))
               << range(functionToken(FirstSerialIndex), functionToken(FunctionCount - 1));
        return tokens.join(QStringLiteral(", "));
    }
    }
    return QString();
}

QString valueText(ValueKind kind, int value)
{
    const KindFacts &f = facts(kind);
    switch (f.encoding) {
    case Encoding::Number:
        return zeroFilled(value >= f.minimum && value <= f.maximum ? value : f.minimum, f.fieldWidth);
    case Encoding::ItemText:
        return listItems(kind).value(value);
    case Encoding::Token:
        return functionToken(value);
    }
    return QString();
}

int valueFromText(ValueKind kind, QStringView text)
{
    const KindFacts &f = facts(kind);
    switch (f.encoding) {
    case Encoding::Number: {
        // Leading zeros count for nothing, as in the file ("#ID:007").
        const std::optional<quint32> n = decimalNumber(text, quint32(f.maximum));
        return n && *n >= quint32(f.minimum) ? int(*n) : -1;
    }
    case Encoding::ItemText:
        return listItems(kind).indexOf(text.toString());
    case Encoding::Token: {
        const int index = functionIndexAtStart(text);
        return index >= 0 && functionToken(index) == text ? index : -1;
    }
    }
    return -1;
}

int valueForNumber(ValueKind kind, quint32 number)
{
    const KindFacts &f = facts(kind);
    if (f.encoding == Encoding::ItemText)
        return listItems(kind).indexOf(QString::number(number));
    return number >= quint32(f.minimum) && number <= quint32(f.maximum) ? int(number) : -1;
}

OptionStates defaultStates(bool included)
{
    OptionStates states;
    for (int r = 0; r < OptionCount; ++r)
        states[r] = {included, catalogue()[r].defaultValue};
    return states;
}

} // namespace Options
