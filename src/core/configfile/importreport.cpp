#include "importreport.h"

#include <QCoreApplication>

// The report's own texts are translated in this context.
class ImportReport
{
    Q_DECLARE_TR_FUNCTIONS(ImportReport)
};

namespace ConfigReader {

namespace {

// The translated words of the report, looked up once per report rather than per line.
struct ReportWords {
    QString ok = QCoreApplication::translate("MainWindow", "OK");
    QString error = QCoreApplication::translate("MainWindow", "ERROR");
    QString line = QCoreApplication::translate("MainWindow", "Line");
};

// A report line as the command-line check prints it and the import's report shows it:
// "#ID:--------------------------> OK" or "... ERROR Line(4)".
void appendLineText(const QString &key, bool ok, qint64 lineNumber, QString &text, const ReportWords &words)
{
    constexpr int PaddedKeyLength = 30;
    text += key;
    text += QString(qMax(0, PaddedKeyLength - int(key.size())), QLatin1Char('-'));
    text += QLatin1String("> ");
    if (ok) {
        text += words.ok;
    } else {
        text += words.error;
        text += QLatin1Char(' ');
        text += words.line;
        text += QLatin1Char('(');
        text += QString::number(lineNumber);
        text += QLatin1Char(')');
    }
}

// The value a row keeps, as the file would hold it, and what it means in a list: "1 (On)".
QString keptText(int row, int value)
{
    const Options::ValueKind kind = Options::catalogue()[row].kind;
    const QStringList items = Options::listItems(kind);
    switch (Options::facts(kind).encoding) {
    case Options::Encoding::Number:
        return items.isEmpty() ? QString::number(value)
                               : QStringLiteral("%1 (%2)").arg(value).arg(items.value(value));
    case Options::Encoding::ItemText:
        return items.value(value);
    case Options::Encoding::Token:
        return Options::functionToken(value);
    }
    return QString();
}

QString refusedText(const Note &note)
{
    const Options::OptionRow &option = Options::catalogue()[note.row];
    const Options::Encoding encoding = Options::facts(option.kind).encoding;
    const QString accepted = Options::acceptedValues(option.kind);
    const bool asWritten = note.read == note.written.trimmed();
    QString why;
    if (note.written.trimmed().isEmpty())
        why = ImportReport::tr("no value; it takes %1").arg(accepted);
    else if (encoding == Options::Encoding::Token || (encoding == Options::Encoding::ItemText && asWritten))
        why = ImportReport::tr("'%1' is not one of %2").arg(note.written, accepted);
    else if (note.read.isEmpty() && note.written.size() > Options::facts(option.kind).fieldWidth)
        why = ImportReport::tr("'%1' holds no number in '%2', the part of it that is read; it takes %3")
                  .arg(note.written, note.written.left(Options::facts(option.kind).fieldWidth), accepted);
    else if (note.read.isEmpty())
        why = ImportReport::tr("'%1' holds no number; it takes %2").arg(note.written, accepted);
    else if (encoding == Options::Encoding::ItemText)
        why = ImportReport::tr("'%1' reads as %2, not one of %3").arg(note.written, note.read, accepted);
    else if (asWritten)
        why = ImportReport::tr("'%1' is outside %2").arg(note.written, accepted);
    else
        why = ImportReport::tr("'%1' reads as %2, outside %3").arg(note.written, note.read, accepted);
    return ImportReport::tr("%1: %2; the row keeps %3").arg(option.keyword, why, keptText(note.row, note.kept));
}

QString repeatedText(const Note &note)
{
    QStringList lines;
    for (qint64 i = 0; i < qMin(note.count, qint64(ListedLines)); ++i)
        lines << QString::number(note.lines[size_t(i)]);
    if (note.count > ListedLines + 1)
        lines << QStringLiteral("...");
    if (note.count > ListedLines)
        lines << QString::number(note.lineNumber);
    const QString keyword = Options::catalogue()[note.row].keyword;
    const QString given = QString::number(note.count), listed = lines.join(QStringLiteral(", "));
    if (note.taken == note.lineNumber)
        return ImportReport::tr("%1 is given on %2 lines (%3): the last, line %4, is taken")
            .arg(keyword, given, listed, QString::number(note.taken));
    if (note.taken > 0)
        return ImportReport::tr("%1 is given on %2 lines (%3): line %4 is taken, the later ones are refused")
            .arg(keyword, given, listed, QString::number(note.taken));
    return ImportReport::tr("%1 is given on %2 lines (%3), all refused").arg(keyword, given, listed);
}

} // namespace

QString reportLineText(const ReportLine &line)
{
    QString text;
    appendLineText(keyOf(line.row), line.ok, line.lineNumber, text, ReportWords());
    return text;
}

QString reportLinesText(const Report &report)
{
    const ReportWords words;
    QString text;
    for (const ReportLine &line : report.lines) {
        appendLineText(keyOf(line.row), line.ok, line.lineNumber, text, words);
        text += QLatin1Char('\n');
    }
    const qint64 omitted = report.optionLines - report.lines.size();
    if (omitted > 0)
        text += QCoreApplication::translate("MainWindow", "%1 more report lines are not shown.").arg(omitted) + '\n';
    return text;
}

QString noteText(const Note &note)
{
    const auto keyword = [](int row) { return Options::catalogue()[row].keyword; };
    switch (note.kind) {
    case Note::Refused:
        return refusedText(note);
    case Note::NotAnOption:
        if (note.lastRow >= 0)
            return ImportReport::tr("'%1' is not an option; those of its kind are %2 to %3")
                .arg(note.written, keyword(note.row), keyword(note.lastRow));
        if (note.row >= 0)
            return ImportReport::tr("'%1' is not an option; did you mean %2?").arg(note.written, keyword(note.row));
        return ImportReport::tr("'%1' is not an option").arg(note.written);
    case Note::ReadAs:
        return ImportReport::tr("%1: '%2' read as %3").arg(keyword(note.row), note.written, note.read);
    case Note::Repeated:
        return repeatedText(note);
    case Note::NoOptionLine:
        return ImportReport::tr("The file holds no option line; nothing is taken from it.");
    }
    return QString();
}

QString noteLineText(const Note &note)
{
    if (note.lineNumber == 0)
        return noteText(note);
    return ImportReport::tr("Line %1: %2").arg(note.lineNumber).arg(noteText(note));
}

QString notesText(const Report &report)
{
    if (report.notes.isEmpty())
        return QString();
    QString text = ImportReport::tr("Reasons and warnings:") + QLatin1Char('\n');
    for (const Note &note : report.notes)
        text += noteLineText(note) + QLatin1Char('\n');
    const qint64 omitted = report.refused + report.warnings - report.notes.size();
    if (omitted > 0)
        text += ImportReport::tr("%1 more reasons and warnings are not shown.").arg(omitted) + QLatin1Char('\n');
    return text;
}

QString reportSummary(const Report &report)
{
    if (report.optionLines == 0)
        return ImportReport::tr("No option line found, warnings: %1").arg(report.warnings);
    return ImportReport::tr("Option lines: %1, refused: %2, warnings: %3")
        .arg(report.optionLines)
        .arg(report.refused)
        .arg(report.warnings);
}

QString notTextMessage()
{
    return ImportReport::tr("not a text file: it holds NUL bytes, or UTF-16 or UTF-32 that does not decode");
}

} // namespace ConfigReader
