#include "rowhelp.h"

#include "options/optionhelp.h"

#include <QLabel>

void explainRow(int row, QWidget *caption, QLabel *description, QWidget *editor)
{
    const Options::ValueKind kind = Options::catalogue()[row].kind;
    const QString explanation = Options::explanationHtml(row);
    // The description's whole text leads: the tooltip also stands in for a description
    // cut short in a narrow window.
    const QString help = QStringLiteral("<p><b>") + description->text().toHtmlEscaped() + QStringLiteral("</b></p>")
                         + explanation;
    description->setToolTip(help);
    for (QWidget *widget : {caption, static_cast<QWidget *>(description), editor})
        widget->setWhatsThis(help);
    if (Options::facts(kind).encoding == Options::Encoding::Token)
        return;
    const QString range = Options::acceptedRange(kind);
    editor->setToolTip(range.isEmpty() ? help : QStringLiteral("<p><b>") + range + QStringLiteral("</b></p>") + help);
}
