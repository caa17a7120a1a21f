#include "manualdialog.h"
#include "ui_manualdialog.h"

#include "help/manualtext.h"

#include <QEvent>
#include <QScreen>

namespace {

// Room for lines of about this many characters, and this many of them.
constexpr int ShownColumns = 90;
constexpr int ShownLines = 36;

} // namespace

ManualDialog::ManualDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ManualDialog)
{
    ui->setupUi(this);
    fill();
    const QFontMetrics metrics = ui->textBrowser_Manual->fontMetrics();
    const QSize wanted(metrics.averageCharWidth() * ShownColumns, metrics.lineSpacing() * ShownLines);
    resize(wanted.boundedTo(screen()->availableGeometry().size() * 9 / 10));
}

ManualDialog::~ManualDialog()
{
    delete ui;
}

void ManualDialog::fill()
{
    ui->textBrowser_Manual->setHtml(Help::manualHtml());
}

void ManualDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        fill();
    }
    QDialog::changeEvent(event);
}
