// Generate and Import commands of the main window.
#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/globals.h"
#include "app/settings.h"
#include "configfile/configreader.h"
#include "configfile/importreport.h"
#include "configfile/configwriter.h"
#include "files/atomicsave.h"
#include "files/regularfile.h"
#include "files/resolvedname.h"

#include <cerrno>

#include <QDialogButtonBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QScreen>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

namespace {

// A report longer than this never fits on a screen; it is not even tried in the box.
constexpr int MaxReportLinesInBox = 100;

// How long the status bar says why a drop was refused.
constexpr int RefusalShownMs = 10000;

// Puts `view` between the box's text and its buttons, across the whole box.
void insertAboveButtons(QMessageBox &box, QWidget *view)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    auto *buttons = box.findChild<QDialogButtonBox *>();
    if (!grid || !buttons) {
        box.layout()->addWidget(view);
        return;
    }
    int row, column, rowSpan, columnSpan;
    grid->getItemPosition(grid->indexOf(buttons), &row, &column, &rowSpan, &columnSpan);
    grid->removeWidget(buttons);
    grid->addWidget(view, row, 0, 1, grid->columnCount());
    grid->addWidget(buttons, row + 1, column, rowSpan, columnSpan);
}

// The report lines in the desktop's fixed-width font, which lines their padding up.
// Rich text takes a family name only; without a fixed font from the platform, the
// typewriter hint finds one.
QString inFixedWidthFont(const QString &html)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (!QFontInfo(font).fixedPitch()) {
        font.setFamily(QStringLiteral("monospace"));
        font.setStyleHint(QFont::TypeWriter);
    }
    return QStringLiteral("<span style=\"font-family:'%1'\">").arg(QFontInfo(font).family().toHtmlEscaped()) + html
           + QStringLiteral("</span>");
}

// The report stands in the box as long as the box fits on the screen; beyond, it
// goes into a scrollable view in the box, so that the OK button stays reachable.
// Its summary comes first, in the box, so that a few errors among many lines are
// not missed.
void showReport(QMessageBox &box, const ConfigReader::Report &report, int screenHeight)
{
    const QString summary = ConfigReader::reportSummary(report).toHtmlEscaped();
    const QString closing = QStringLiteral("<br><b>") + MainWindow::tr("Import configuration file done!")
                            + QStringLiteral("</b></br>");
    const QString html = inFixedWidthFont(ConfigReader::reportHtml(report));
    const qint64 omitted = report.optionLines - report.lines.size();
    if (report.optionLines <= MaxReportLinesInBox) {
        box.setText(summary + QStringLiteral("<br>") + html + QStringLiteral("<br></br>") + closing);
        if (box.sizeHint().height() <= screenHeight * 4 / 5)
            return;
    }
    box.setText(summary + closing);
    QString shown = html;
    if (omitted > 0) {
        shown += QStringLiteral("<br><i>") + MainWindow::tr("%1 more report lines are not shown.").arg(omitted)
                 + QStringLiteral("</i></br>");
    }
    auto *view = new QTextBrowser(&box);
    view->setObjectName(QStringLiteral("importReportView"));
    view->setHtml(shown);
    const QFontMetrics metrics(view->font());
    view->setMinimumSize(metrics.horizontalAdvance(QLatin1Char('-')) * 60,
                         qMin(metrics.lineSpacing() * 25, screenHeight / 2));
    insertAboveButtons(box, view);
}

// Reads the file into `states`. A reading that takes longer than about half a second
// shows its progress with a Cancel button; a cancelled reading comes back stopped.
ConfigReader::Report readWithProgress(QFile &file, Options::OptionStates &states, QWidget *window)
{
    constexpr int Steps = 1000;
    QProgressDialog progress(MainWindow::tr("Reading the configuration file..."), MainWindow::tr("Cancel"), 0, Steps,
                             window);
    progress.setWindowTitle(MainWindow::tr("Import Configuration File"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    return ConfigReader::readConfigFile(file, states, [&progress](qint64 done, qint64 total) {
        progress.setValue(total > 0 ? int(qMin(done, total) * Steps / total) : 0);
        return !progress.wasCanceled();
    });
}

} // namespace

void MainWindow::generateConfigurationFile()
{
    if (configFilePath.isEmpty())
        configFilePath = QDir(Settings::startFolder()).absoluteFilePath(QStringLiteral("config.txt"));
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Configuration File"), configFilePath,
                                                      tr("Text files (*.txt)"));
    if (path.isEmpty())
        return;
    setConfigFilePath(path);
    writeConfigurationFile(path);
}

void MainWindow::writeConfigurationFile(const QString &path)
{
    QMessageBox box(this);
    box.setWindowTitle(tr("Generate Configuration File"));
    const SaveOutcome outcome = saveAtomically(path, ConfigWriter::fileContents(optionStates()));
    if (outcome.saved) {
        box.setText(QStringLiteral("<b>") + tr("Create configuration file done!") + QStringLiteral("</b>"));
        box.setIcon(QMessageBox::Information);
        // Stays in view after the box is gone: where the file went.
        statusBar()->showMessage(tr("Saved to %1").arg(QDir::toNativeSeparators(path)));
        m_refusedLines.fill(0);   // the file now holds what the marked rows showed
        showRefusedMarks();
        markUnmodified();
    } else {
        statusBar()->clearMessage();
        // Plain text: a path may hold '<' or '&'.
        QString text = tr("Impossible to create configuration file!") + QLatin1Char('\n') + path
                       + QStringLiteral(": ") + outcome.error;
        if (outcome.restored)
            text += QLatin1Char('\n') + tr("The file was put back as it was before.");
        if (!outcome.backup.isEmpty())
            text += QLatin1Char('\n') + tr("The file could not be put back as it was: its old content is kept in %1.")
                                           .arg(outcome.backup);
        box.setTextFormat(Qt::PlainText);
        box.setText(text);
        box.setIcon(QMessageBox::Warning);
    }
    box.exec();
}

void MainWindow::importConfigurationFile()
{
    if (!maybeSave())
        return;
    const QString start = configFilePath.isEmpty() ? Settings::startFolder() : configFilePath;
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Configuration File"), start,
                                                      tr("Text files (*.txt)"));
    if (path.isEmpty())
        return;
    importFile(path);
}

void MainWindow::openFile(const QString &path)
{
    if (maybeSave())
        importFile(path);
}

// Whatever the way the file was chosen, the next dialog starts from it.
void MainWindow::importFile(const QString &path)
{
    setConfigFilePath(path);
    readConfigurationFile(path);
}

// Anything dragged with file names is taken, so that a drop that cannot be imported
// is told why rather than just not taken.
void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

// One file on this computer is imported; several, a folder or a web address are
// refused with a word in the status bar, and nothing changes.
void MainWindow::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    const QString path = urls.size() == 1 ? urls.first().toLocalFile() : QString();
    const QString refusal = urls.size() != 1 ? tr("Drop one configuration file at a time.")
                            : path.isEmpty() ? tr("Only a file on this computer can be imported.")
                            : QFileInfo(path).isDir() ? tr("A folder cannot be imported.")
                                                      : QString();
    if (!refusal.isEmpty()) {
        statusBar()->showMessage(refusal, RefusalShownMs);
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Once the drop is over: the application it came from waits for its end, and the
    // import may ask about unsaved changes and shows its report.
    QTimer::singleShot(0, this, [this, path] { openFile(path); });
}

void MainWindow::readConfigurationFile(const QString &path)
{
    QMessageBox box(this);
    box.setWindowTitle(tr("Import Configuration File"));
    const QString cannotOpen = tr("The specified configuration file cannot be opened!");
    QFile file(path);
    const ResolvedName name = resolveName(path);
    QString why;
    if (name.error == ENOENT || (!name.refused() && !name.exists)) {
        box.setText(tr("The specified configuration file does not exist!"));
        box.setIcon(QMessageBox::Warning);
    } else if (!openRegularFile(file, QIODevice::ReadOnly, &why)) {
        box.setTextFormat(Qt::PlainText);   // the system's reason, as it is
        box.setText(cannotOpen + QLatin1Char('\n') + why);
        box.setIcon(QMessageBox::Warning);
    } else {
        // The rows the file does not name end up unticked at their default; a
        // cancelled import, or one whose reading failed midway, leaves them all as they were.
        Options::OptionStates states = Options::defaultStates(false);
        const ConfigReader::Report report = readWithProgress(file, states, this);
        const QString readError = file.errorString();
        file.close();
        if (report.stopped)
            return;
        if (report.readFailed) {
            box.setTextFormat(Qt::PlainText);
            box.setText(cannotOpen + QLatin1Char('\n') + readError);
            box.setIcon(QMessageBox::Warning);
        } else {
            setOptionStates(states);
            m_refusedLines = report.refusedLine;
            showRefusedMarks();
            markUnmodified();
            statusBar()->clearMessage();
            box.setIcon(report.refused > 0 ? QMessageBox::Warning : QMessageBox::Information);
            // After setIcon, which rebuilds the box's layout.
            showReport(box, report, screen()->availableGeometry().height());
        }
    }
    box.exec();
}

// The path last chosen by either command: the next dialog starts from it, and from
// its folder in the next run.
void MainWindow::setConfigFilePath(const QString &path)
{
    configFilePath = path;
    ui->label_Generate_Path->setText(path);
    Settings::setLastFolder(QFileInfo(path).absolutePath());
}

// Before the rows are lost (the window closes, or an import replaces them) while they
// hold changes not yet generated, the user chooses: save them first, throw them away,
// or go back. True when the rows may go.
bool MainWindow::maybeSave()
{
    if (!isWindowModified())
        return true;
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(),
                    tr("The options have been modified.") + QLatin1Char('\n')
                        + tr("Do you want to save your changes?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    // Qt's own button texts come untranslated without Qt's translation files.
    box.button(QMessageBox::Save)->setText(tr("&Save"));
    box.button(QMessageBox::Discard)->setText(tr("&Discard"));
    box.button(QMessageBox::Cancel)->setText(tr("Cancel"));
    const auto answer = QMessageBox::StandardButton(box.exec());
    if (answer == QMessageBox::Save) {
        generateConfigurationFile();
        return !isWindowModified();   // still modified: the save was cancelled or failed
    }
    return answer == QMessageBox::Discard;
}
