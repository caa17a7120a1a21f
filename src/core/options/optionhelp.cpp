#include "optionhelp.h"

#include <QCoreApplication>

#include <cstddef>
#include <utility>

namespace Options {

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("OptionHelp", text);
}

// What is certain from the option and its values' names, and no more: the player's
// own documentation tells the rest (what each monitoring mode sends, for one).
const char *const kindPurposes[] = {
    QT_TRANSLATE_NOOP("OptionHelp", "The number that identifies this player."),
    QT_TRANSLATE_NOOP("OptionHelp", "The player's digital volume: the higher the number, the louder it plays."),
    // %1: the list's item for "off", which is easily read as the player switched off.
    QT_TRANSLATE_NOOP("OptionHelp", "The player's energy saving mode. \"%1\" does not switch the player off: "
                                    "it only turns energy saving off."),
    QT_TRANSLATE_NOOP("OptionHelp", "The monitoring mode of the player's serial port. The player's documentation "
                                    "describes each mode."),
    QT_TRANSLATE_NOOP("OptionHelp", "The number of the player's default boot folder: the folder it uses when it "
                                    "starts."),
    nullptr,   // a function: an input's or a button's, below
    QT_TRANSLATE_NOOP("OptionHelp", "The speed of the player's serial port, in bits per second. The device "
                                    "connected to it must use the same speed."),
};
const char *const inputPurpose
    = QT_TRANSLATE_NOOP("OptionHelp", "The function carried out when the player's input %1 is triggered.");
const char *const buttonPurpose
    = QT_TRANSLATE_NOOP("OptionHelp", "The function carried out when the player's button %1 is pressed.");

// In list order.
const char *const powerMeanings[] = {
    QT_TRANSLATE_NOOP("OptionHelp", "energy saving is off"),
    QT_TRANSLATE_NOOP("OptionHelp", "energy saving is on"),
};
const char *const monitoringMeanings[] = {
    QT_TRANSLATE_NOOP("OptionHelp", "no monitoring on the serial port"),
    QT_TRANSLATE_NOOP("OptionHelp", "the player's daisy chain mode"),
    QT_TRANSLATE_NOOP("OptionHelp", "the player's monitoring mode"),
    QT_TRANSLATE_NOOP("OptionHelp", "the player's advanced monitoring mode"),
};
// The named functions, then the folders, then the serial commands.
const char *const functionMeanings[] = {
    QT_TRANSLATE_NOOP("OptionHelp", "starts playing"),
    QT_TRANSLATE_NOOP("OptionHelp", "stops playing"),
    QT_TRANSLATE_NOOP("OptionHelp", "goes to the next track"),
    QT_TRANSLATE_NOOP("OptionHelp", "goes to the previous track"),
    QT_TRANSLATE_NOOP("OptionHelp", "goes to the next folder"),
    QT_TRANSLATE_NOOP("OptionHelp", "goes to the previous folder"),
    QT_TRANSLATE_NOOP("OptionHelp", "turns the volume up"),
    QT_TRANSLATE_NOOP("OptionHelp", "turns the volume down"),
    QT_TRANSLATE_NOOP("OptionHelp", "the folder with that number"),
    QT_TRANSLATE_NOOP("OptionHelp", "the serial command with that number"),
};
const char *const baudRateMeaning = QT_TRANSLATE_NOOP("OptionHelp", "%1 bits per second");

// An item without its meaning gets none, rather than one read past the table.
template<std::size_t N>
QString meaningAt(const char *const (&meanings)[N], int index)
{
    return index >= 0 && std::size_t(index) < N ? translated(meanings[index]) : QString();
}

// "Folder 000 – Folder 999": the first and last of a run of numbered values.
QString run(const QString &first, const QString &last)
{
    return first + QStringLiteral(" \u2013 ") + last;
}

QString html(const QString &text)
{
    return text.toHtmlEscaped();
}

} // namespace

QString purpose(int row)
{
    const OptionRow &option = catalogue()[row];
    switch (option.kind) {
    case ValueKind::Function: {
        const NumberedKeyword keyword = splitKeyword(option.keyword);
        const bool input = keyword.stem == optionKeywordTable().at(5);
        return translated(input ? inputPurpose : buttonPurpose).arg(keyword.number);
    }
    case ValueKind::Power:
        return translated(kindPurposes[int(option.kind)]).arg(listItems(option.kind).value(0));
    default:
        return translated(kindPurposes[int(option.kind)]);
    }
}

QVector<ValueMeaning> valueMeanings(int row)
{
    const ValueKind kind = catalogue()[row].kind;
    QVector<ValueMeaning> values;
    const QStringList items = listItems(kind);
    switch (kind) {
    case ValueKind::Power:
        for (int i = 0; i < items.size(); ++i)
            values.append({items.at(i), valueText(kind, i), meaningAt(powerMeanings, i)});
        break;
    case ValueKind::Monitoring:
        for (int i = 0; i < items.size(); ++i)
            values.append({items.at(i), valueText(kind, i), meaningAt(monitoringMeanings, i)});
        break;
    case ValueKind::Baudrate:
        for (int i = 0; i < items.size(); ++i)
            values.append({items.at(i), valueText(kind, i), translated(baudRateMeaning).arg(items.at(i))});
        break;
    case ValueKind::Function: {
        for (int i = 0; i < FirstFolderIndex; ++i)
            values.append({functionItemText(i), functionToken(i), meaningAt(functionMeanings, i)});
        // The folders and the serial commands each as one run, with the meaning that
        // follows the named functions' in the table.
        const std::pair<int, int> runs[] = {{FirstFolderIndex, FirstSerialIndex - 1},
                                            {FirstSerialIndex, FunctionCount - 1}};
        int meaning = FirstFolderIndex;
        for (const auto &[first, last] : runs) {
            values.append({run(functionItemText(first), functionItemText(last)),
                           run(functionToken(first), functionToken(last)), meaningAt(functionMeanings, meaning++)});
        }
        break;
    }
    default:
        break;
    }
    return values;
}

QString acceptedRange(ValueKind kind)
{
    const KindFacts &f = facts(kind);
    if (f.encoding != Encoding::Number || !listItems(kind).isEmpty())
        return QString();
    return QStringLiteral("%1\u2013%2").arg(f.minimum).arg(f.maximum);
}

QString defaultShown(int row)
{
    const OptionRow &option = catalogue()[row];
    if (facts(option.kind).encoding == Encoding::Token)
        return functionItemText(option.defaultValue);
    const QStringList items = listItems(option.kind);
    return items.isEmpty() ? QString::number(option.defaultValue) : items.value(option.defaultValue);
}

QString explanationHtml(int row)
{
    const ValueKind kind = catalogue()[row].kind;
    QString text = QStringLiteral("<p>") + html(purpose(row)) + QStringLiteral("</p>");
    const QString range = acceptedRange(kind);
    if (!range.isEmpty())
        text += QStringLiteral("<p>") + html(translated(QT_TRANSLATE_NOOP("OptionHelp", "Accepted values: %1."))
                                                 .arg(range))
                + QStringLiteral("</p>");
    const QVector<ValueMeaning> values = valueMeanings(row);
    if (!values.isEmpty()) {
        text += QStringLiteral("<ul>");
        for (const ValueMeaning &value : values)
            text += QStringLiteral("<li>")
                    + translated(QT_TRANSLATE_NOOP("OptionHelp", "%1: %2"))
                          .arg(QStringLiteral("<b>") + html(value.shown) + QStringLiteral("</b>"), html(value.meaning))
                    + QStringLiteral("</li>");
        text += QStringLiteral("</ul>");
    }
    return text + QStringLiteral("<p>")
           + html(translated(QT_TRANSLATE_NOOP("OptionHelp", "Default: %1.")).arg(defaultShown(row)))
           + QStringLiteral("</p>");
}

} // namespace Options
