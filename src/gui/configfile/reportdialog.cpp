#include "reportdialog.h"
#include "ui_reportdialog.h"

#include "widgets/fixedwidthfont.h"

#include <QScreen>
#include <QScrollBar>
#include <QStyle>

namespace {

// Report lines in view at most; more scroll.
constexpr int MostLinesInView = 25;

} // namespace

ReportDialog::ReportDialog(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::ReportDialog>())
{
    ui->setupUi(this);
    ui->reportView->setFont(fixedWidthFont());
}

ReportDialog::~ReportDialog() = default;

// The view asks for room for the whole report, but never more than a share of the
// screen, so that the dialog and its OK button always fit; the rest scrolls.
void ReportDialog::setReport(const QString &summary, const QString &report, bool warning)
{
    m_warning = warning;
    const QStyle::StandardPixmap icon = warning ? QStyle::SP_MessageBoxWarning : QStyle::SP_MessageBoxInformation;
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    ui->iconLabel->setPixmap(style()->standardIcon(icon, nullptr, this).pixmap(iconSize, iconSize));
    ui->summaryLabel->setText(summary);
    ui->reportView->setPlainText(report);

    QPlainTextEdit *view = ui->reportView;
    const QFontMetrics metrics(view->font());
    const QStringList lines = report.split(QLatin1Char('\n'));
    int widest = 0;
    for (const QString &line : lines)
        widest = qMax(widest, metrics.horizontalAdvance(line));
    const int chrome = 2 * view->frameWidth() + 2 * int(view->document()->documentMargin())
                       + view->verticalScrollBar()->sizeHint().width();
    const QRect screen = (parentWidget() ? parentWidget()->screen() : this->screen())->availableGeometry();
    view->setMinimumSize(qMin(widest + chrome, screen.width() * 4 / 5),
                         qMin(metrics.lineSpacing() * qMin(int(lines.size()), MostLinesInView) + chrome,
                              screen.height() / 2));
    adjustSize();
}

QString ReportDialog::summary() const
{
    return ui->summaryLabel->text();
}

QString ReportDialog::report() const
{
    return ui->reportView->toPlainText();
}
