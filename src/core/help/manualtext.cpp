#include "manualtext.h"

#include "configfile/configwriter.h"
#include "options/optionhelp.h"

#include <QCoreApplication>

#include <initializer_list>

namespace Help {

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("Manual", text);
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString element(const char *tag, const QString &html)
{
    return QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), html);
}

QString heading(int level, const char *text)
{
    return QStringLiteral("<h%1>%2</h%1>").arg(level).arg(escaped(translated(text)));
}

QString paragraph(const char *text)
{
    return element("p", escaped(translated(text)));
}

QString code(const QString &text)
{
    return element("code", escaped(text));
}

QString tableRow(const char *cellTag, const QStringList &cellsHtml)
{
    QString row;
    for (const QString &cell : cellsHtml)
        row += element(cellTag, cell);
    return element("tr", row);
}

QString table(std::initializer_list<const char *> headings, const QStringList &rowsHtml)
{
    QStringList headingCells;
    for (const char *heading : headings)
        headingCells << escaped(translated(heading));
    return QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">") + tableRow("th", headingCells)
           + rowsHtml.join(QString()) + QStringLiteral("</table>");
}

// What a row's values look like in the file: "001–127", "0 Off, 1 On", "9600, 19200, 38400".
QString writtenValues(int row)
{
    const Options::ValueKind kind = Options::catalogue()[row].kind;
    const Options::KindFacts &facts = Options::facts(kind);
    if (facts.encoding == Options::Encoding::Token)
        return escaped(translated(QT_TRANSLATE_NOOP("Manual", "a function token (table below)")));
    const QVector<Options::ValueMeaning> values = Options::valueMeanings(row);
    QStringList written;
    if (values.isEmpty()) {
        written << Options::zeroFilled(facts.minimum, facts.fieldWidth) + QStringLiteral("\u2013")
                       + Options::zeroFilled(facts.maximum, facts.fieldWidth);
    }
    for (const Options::ValueMeaning &value : values) {
        // A list written as its item's number names the item.
        const bool numbered = facts.encoding == Options::Encoding::Number;
        written << (numbered ? value.written + QLatin1Char(' ') + value.shown : value.written);
    }
    return escaped(written.join(QStringLiteral(", ")));
}

QString optionsTable()
{
    QStringList rows;
    for (int r = 0; r < Options::OptionCount; ++r) {
        const Options::OptionRow &option = Options::catalogue()[r];
        rows << tableRow("td", {code(option.keyword), escaped(Options::purpose(r)), writtenValues(r),
                                code(Options::valueText(option.kind, option.defaultValue))});
    }
    return table({QT_TRANSLATE_NOOP("Manual", "Keyword"), QT_TRANSLATE_NOOP("Manual", "What it sets"),
                  QT_TRANSLATE_NOOP("Manual", "Values in the file"), QT_TRANSLATE_NOOP("Manual", "Default")},
                 rows);
}

QString functionsTable()
{
    int functionRow = 0;
    while (Options::facts(Options::catalogue()[functionRow].kind).encoding != Options::Encoding::Token)
        ++functionRow;
    QStringList rows;
    for (const Options::ValueMeaning &value : Options::valueMeanings(functionRow))
        rows << tableRow("td", {escaped(value.shown), code(value.written), escaped(value.meaning)});
    return table({QT_TRANSLATE_NOOP("Manual", "In the list"), QT_TRANSLATE_NOOP("Manual", "In the file"),
                  QT_TRANSLATE_NOOP("Manual", "What it does")},
                 rows);
}

QString exampleFile()
{
    return element("pre", escaped(QString::fromLatin1(ConfigWriter::fileContents(Options::defaultStates(true)))
                                      .remove(QLatin1Char('\r'))));
}

} // namespace

QString manualHtml()
{
    QString html;
    html += heading(2, QT_TRANSLATE_NOOP("Manual", "The rows"));
    html += paragraph(QT_TRANSLATE_NOOP("Manual",
        "Each row of the window is one option of the player. Tick its box to include the option in the "
        "file, and pick its value on the right; an unticked row writes no line, and changing its value "
        "ticks it. The text in the middle names the option and its keyword in the file. Rest the mouse on "
        "it, or use Help > What's This (Shift+F1), to read what the option does and what its values mean."));
    html += paragraph(QT_TRANSLATE_NOOP("Manual",
        "On a function list, type what you know of the function you want: its name as shown (\"Folder "
        "537\"), its token in the file (FOLDER537) or a short form (f537, rs 12, v-). The matches appear "
        "next to the list, best first; Enter takes the highlighted one, Escape leaves the value as it was."));
    html += paragraph(QT_TRANSLATE_NOOP("Manual",
        "Edit > Apply default settings (Ctrl+D) puts every value back to its default and keeps the ticks. "
        "Select all options (Ctrl+C) and Unselect all options (Ctrl+U) tick and untick every row. A row "
        "whose value is not its default has its caption in bold; its context menu (right click, or the "
        "Menu key) offers Reset to default, which puts that value back and keeps the tick."));
    html += paragraph(QT_TRANSLATE_NOOP("Manual",
        "View > File preview (F9) shows, beside the rows, the lines that Save and Generate will write, "
        "exactly as they will be written; each ends with CR LF. Click a line, or press Enter on it, to go "
        "to its row; the row you are in is the highlighted line. An unticked row has no line."));

    html += heading(2, QT_TRANSLATE_NOOP("Manual", "The options"));
    html += optionsTable();
    html += heading(3, QT_TRANSLATE_NOOP("Manual", "The functions of the inputs and buttons"));
    html += functionsTable();

    html += heading(2, QT_TRANSLATE_NOOP("Manual", "The file"));
    html += paragraph(QT_TRANSLATE_NOOP("Manual",
        "Save and Generate write one line for each ticked row, in the order of the rows: the keyword, a "
        "colon and the value, without blanks. Every line ends with CR LF, whatever the system. Numbers are "
        "written with the number of digits of the table above, filled with zeros on the left; Power and "
        "Monitoring are written as the number of their item, the functions as their token and the baud "
        "rate as shown. With every row ticked at its default, the file reads:"));
    html += exampleFile();

    html += heading(2, QT_TRANSLATE_NOOP("Manual", "Importing a file"));
    html += paragraph(QT_TRANSLATE_NOOP("Manual",
        "File > Import configuration file (Ctrl+O) reads a file back into the rows; so does a file dropped "
        "on the window or named when the program is started. The file may be in UTF-8, with or without "
        "byte order mark, or in UTF-16 or UTF-32 with a byte order mark, with any line ends."));
    html += paragraph(QT_TRANSLATE_NOOP("Manual",
        "A line that begins, after any blanks, with a keyword and its colon sets that option; every other "
        "line is passed over. A number is read from as many characters after the colon as it is written "
        "with, and signs other than digits among them are dropped. A function is read from the token "
        "right after the colon, written exactly as in the table, in capitals; what follows it is ignored. "
        "When the file sets an option more than once, its last line counts."));
    html += paragraph(QT_TRANSLATE_NOOP("Manual",
        "The rows the file does not name end up unticked at their default. A line whose value is missing "
        "or outside the option's values is refused: its row is ticked at its default. Such a row, and one "
        "whose value was read otherwise than the file wrote it, shows a warning sign on its caption, whose "
        "tooltip gives the line and why, until the row is changed or the rows are saved. The report that "
        "follows the import lists every option line, OK or ERROR with its line number, after a summary, "
        "then why each line was refused and what was warned of; File > Last import report shows it again "
        "until the next import. A file without a single option line leaves the rows as they were."));
    html += paragraph(QT_TRANSLATE_NOOP("Manual",
        "A file that takes more than half a second to read shows its progress and can be cancelled; the "
        "rows then stay as they were."));

    html += heading(2, QT_TRANSLATE_NOOP("Manual", "Saving"));
    html += paragraph(QT_TRANSLATE_NOOP("Manual",
        "File > Save (Ctrl+S) writes the rows at once to the file they belong to: the one imported or "
        "saved last, whose name the title shows. File > Generate configuration file (Ctrl+Shift+S) asks "
        "first where to save them, as Save does while they belong to no file. The title shows an asterisk "
        "while the rows hold changes that no file has received yet; closing the window or importing a file "
        "then asks whether to save them first. Edit > Undo (Ctrl+Z) and Edit > Redo (Ctrl+Shift+Z) take "
        "back and bring back every change of the rows, an import included, one at a time; File > Open "
        "Recent lists the files read or saved last. A file is replaced only "
        "once the new one is complete, so that a failure never leaves half a file behind. The save and "
        "open dialogs start in the folder used last. Only regular files are read or written: a folder, a "
        "device or a pipe is refused."));

    html += heading(2, QT_TRANSLATE_NOOP("Manual", "quillary-cli"));
    html += paragraph(QT_TRANSLATE_NOOP("Manual",
        "quillary-cli checks and writes the same files from scripts, without a display, with the "
        "program's own reader and writer. \"quillary-cli check FILE...\" prints the report of each file; "
        "\"quillary-cli generate\" writes a file from the program's start-up state or from a file given "
        "with --from, changed by --set KEY=VALUE, --unset KEY and --only KEY,..., to the file given with "
        "-o (\"-o -\": standard output). A key is the keyword with or without its #, in any case; a value "
        "is written as in the file. \"quillary-cli --help\" and \"man quillary-cli\" tell the rest."));
    return html;
}

} // namespace Help
