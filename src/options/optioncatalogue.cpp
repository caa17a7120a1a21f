#include "optioncatalogue.h"

#include <QCoreApplication>

namespace Options {

namespace {

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
        rows[r++] = {stem.at(5) + QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')), ValueKind::Function,
                     FirstFolderIndex + n};
    rows[r++] = {stem.at(6) + QLatin1Char('1'), ValueKind::Function, 7};   // Volume -
    rows[r++] = {stem.at(6) + QLatin1Char('2'), ValueKind::Function, 6};   // Volume +
    rows[r++] = {stem.at(7), ValueKind::Baudrate, 1};                      // 19200
    return rows;
}

QString threeDigits(int n)
{
    return QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
}

const char *const namedFunctionTexts[8] = {
    QT_TRANSLATE_NOOP("MainWindow", "Play"),
    QT_TRANSLATE_NOOP("MainWindow", "Stop"),
    QT_TRANSLATE_NOOP("MainWindow", "Next track"),
    QT_TRANSLATE_NOOP("MainWindow", "Previous track"),
    QT_TRANSLATE_NOOP("MainWindow", "Next folder"),
    QT_TRANSLATE_NOOP("MainWindow", "Previous folder"),
    QT_TRANSLATE_NOOP("MainWindow", "Volume +"),
    QT_TRANSLATE_NOOP("MainWindow", "Volume -"),
};

QString tr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

// Reads exactly three decimal digits.
int threeDigitNumber(QStringView text)
{
    if (text.size() < 3)
        return -1;
    int n = 0;
    for (int i = 0; i < 3; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        n = n * 10 + (c - u'0');
    }
    return n;
}

} // namespace

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

QString functionToken(int index)
{
    const QStringList &k = functionKeywordTable();
    if (index >= 0 && index < FirstFolderIndex)
        return k.at(index);
    if (index >= FirstFolderIndex && index < FirstSerialIndex)
        return k.at(8) + threeDigits(index - FirstFolderIndex);
    if (index >= FirstSerialIndex && index < FunctionCount)
        return k.at(9) + threeDigits(index - FirstSerialIndex + 1);
    return QString();
}

int functionIndexAtStart(QStringView text)
{
    if (text.isEmpty())
        return -1;
    const QStringList &k = functionKeywordTable();
    // Called for every function line of an imported file: look at the first letter
    // before comparing whole tokens.
    const QChar first = text.front();
    for (int i = 0; i < FirstFolderIndex; ++i) {
        if (k.at(i).front() == first && text.startsWith(k.at(i)))
            return i;
    }
    if (text.startsWith(k.at(8))) {
        const int n = threeDigitNumber(text.mid(k.at(8).size()));
        if (n >= 0)
            return FirstFolderIndex + n;
    }
    if (text.startsWith(k.at(9))) {
        const int n = threeDigitNumber(text.mid(k.at(9).size()));
        if (n >= 1)
            return FirstSerialIndex + n - 1;
    }
    return -1;
}

namespace {

QString folderWord()
{
    return QCoreApplication::translate("MainWindow", "Folder ");
}

QString serialCommandWord()
{
    return QCoreApplication::translate("MainWindow", "Serial command ");
}

} // namespace

QStringList functionItemList()
{
    QStringList items;
    items.reserve(FunctionCount);
    for (const char *text : namedFunctionTexts)
        items.append(tr(text));
    // Only the word is translated, never the number.
    const QString folder = folderWord();
    for (int n = 0; n <= 999; ++n)
        items.append(folder + threeDigits(n));
    const QString serial = serialCommandWord();
    for (int n = 1; n <= 999; ++n)
        items.append(serial + threeDigits(n));
    return items;
}

QStringList functionItemWidthSamples()
{
    QStringList samples;
    for (const char *text : namedFunctionTexts)
        samples.append(tr(text));
    // A number is never wider than three times its widest digit.
    for (int digit = 0; digit <= 9; ++digit) {
        const QString number(3, QLatin1Char('0' + digit));
        samples.append(folderWord() + number);
        samples.append(serialCommandWord() + number);
    }
    return samples;
}

QStringList powerItemList()
{
    return {QCoreApplication::translate("MainWindow", "Off"),
            QCoreApplication::translate("MainWindow", "On")};
}

QStringList monitoringItemList()
{
    return {QCoreApplication::translate("MainWindow", "No monitoring mode"),
            QCoreApplication::translate("MainWindow", "Daisy chain mode"),
            QCoreApplication::translate("MainWindow", "Monitoring mode"),
            QCoreApplication::translate("MainWindow", "Advanced monitoring mode")};
}

const QStringList &baudrateItemList()
{
    static const QStringList items = {QStringLiteral("9600"), QStringLiteral("19200"),
                                      QStringLiteral("38400")};
    return items;
}

OptionStates defaultStates(bool included)
{
    OptionStates states;
    for (int r = 0; r < OptionCount; ++r)
        states[r] = {included, catalogue()[r].defaultValue};
    return states;
}

} // namespace Options
