#include "importreport.h"

#include <QCoreApplication>

namespace ConfigReader {

namespace {

// The translated words of the report, looked up once per report rather than per line.
struct ReportWords {
    QString ok = QCoreApplication::translate("MainWindow", "OK");
    QString error = QCoreApplication::translate("MainWindow", "ERROR");
    QString line = QCoreApplication::translate("MainWindow", "Line");
};

// A report line as the command-line check prints it, and as the import's box shows it
// between "<br>" and "</br>": "#ID:--------------------------> OK" or "... ERROR Line(4)".
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

} // namespace

QString reportLineText(const ReportLine &line)
{
    QString text;
    appendLineText(keyOf(line.row), line.ok, line.lineNumber, text, ReportWords());
    return text;
}

QString reportHtml(const Report &report)
{
    const ReportWords words;
    QString html;
    for (const ReportLine &line : report.lines) {
        html += QLatin1String("<br>");
        appendLineText(keyOf(line.row), line.ok, line.lineNumber, html, words);
        html += QLatin1String("</br>");
    }
    return html;
}

QString reportSummary(const Report &report)
{
    if (report.optionLines == 0)
        return QCoreApplication::translate("MainWindow", "No option line found");
    if (report.refused == 0)
        return QCoreApplication::translate("MainWindow", "No option line refused, %1 in all").arg(report.optionLines);
    return QCoreApplication::translate("MainWindow", "%1 of %2 option lines refused")
        .arg(report.refused)
        .arg(report.optionLines);
}

} // namespace ConfigReader
