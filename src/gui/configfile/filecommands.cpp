#include "filecommands.h"
#include "ui_mainwindow.h"

#include "app/globals.h"
#include "app/settings.h"
#include "configfile/configreader.h"
#include "configfile/importreport.h"
#include "configfile/configwriter.h"
#include "document/documenthistory.h"
#include "document/optiondocument.h"
#include "files/atomicsave.h"
#include "files/regularfile.h"

#include <QDialogButtonBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

namespace {

// A report longer than this never fits on a screen; it is not even tried in the box.
constexpr int MaxReportLinesInBox = 100;

// The Open Recent items show a path up to about this many characters, its middle left
// out beyond.
constexpr int RecentPathCharacters = 60;

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
    const QString closing = QStringLiteral("<br><b>") + FileCommands::tr("Import configuration file done!")
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
        shown += QStringLiteral("<br><i>") + FileCommands::tr("%1 more report lines are not shown.").arg(omitted)
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
    QProgressDialog progress(FileCommands::tr("Reading the configuration file..."), FileCommands::tr("Cancel"), 0, Steps,
                             window);
    progress.setWindowTitle(FileCommands::tr("Import Configuration File"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    return ConfigReader::readConfigFile(file, states, [&progress](qint64 done, qint64 total) {
        progress.setValue(total > 0 ? int(qMin(done, total) * Steps / total) : 0);
        return !progress.wasCanceled();
    });
}

} // namespace


FileCommands::FileCommands(QMainWindow &window, Ui::MainWindow &ui, Document::OptionDocument &document,
                           DocumentHistory &history)
    : QObject(&window), m_window(window), ui(ui), m_document(document), m_history(history)
{
}

void FileCommands::generateConfigurationFile()
{
    saveAs();
}

bool FileCommands::saveAs()
{
    if (configFilePath.isEmpty())
        configFilePath = QDir(Settings::startFolder()).absoluteFilePath(QStringLiteral("config.txt"));
    const QString path = QFileDialog::getSaveFileName(&m_window, tr("Save Configuration File"), configFilePath,
                                                      tr("Text files (*.txt)"));
    if (path.isEmpty())
        return false;
    setConfigFilePath(path);
    return writeConfigurationFile(path, true);
}

bool FileCommands::save()
{
    const QString path = m_document.filePath();
    if (path.isEmpty())
        return saveAs();
    if (!mayOverwriteChangedFile(path))
        return false;
    setConfigFilePath(path);
    return writeConfigurationFile(path, false);
}

// Another program (or another window) changed the file since the rows were read from it
// or written to it: its changes are not lost without the user's word.
bool FileCommands::mayOverwriteChangedFile(const QString &path)
{
    if (!m_document.fileChangedOnDisk())
        return true;
    QMessageBox box(QMessageBox::Warning, tr("Save Configuration File"),
                    tr("%1 was changed or removed by another program since it was read or saved here.")
                            .arg(QDir::toNativeSeparators(path))
                        + QLatin1Char('\n') + tr("Do you want to save the options shown over it?"),
                    QMessageBox::Save | QMessageBox::Cancel, &m_window);
    box.setTextFormat(Qt::PlainText);   // a path may hold '<' or '&'
    box.button(QMessageBox::Save)->setText(tr("&Save"));
    box.button(QMessageBox::Cancel)->setText(tr("Cancel"));
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Save;
}

// Save As shows how it went in a box; Save tells a failure only, the status bar says
// where a saved file went.
bool FileCommands::writeConfigurationFile(const QString &path, bool announce)
{
    QMessageBox box(&m_window);
    box.setWindowTitle(tr("Generate Configuration File"));
    const SaveOutcome outcome = saveAtomically(path, ConfigWriter::fileContents(m_document.states()));
    if (outcome.saved) {
        savedTo(path);
        if (!announce)
            return true;
        box.setText(QStringLiteral("<b>") + tr("Create configuration file done!") + QStringLiteral("</b>"));
        box.setIcon(QMessageBox::Information);
    } else {
        m_window.statusBar()->clearMessage();
        // Plain text: a path may hold '<' or '&'.
        QString text = tr("Impossible to create configuration file!") + QLatin1Char('\n') + path
                       + QStringLiteral(": ") + outcome.error;
        if (outcome.restored)
            text += QLatin1Char('\n') + tr("The file was put back as it was before.");
        box.setTextFormat(Qt::PlainText);
        box.setText(text);
        box.setIcon(QMessageBox::Warning);
    }
    box.exec();
    return outcome.saved;
}

// The rows now belong to the file, which holds what the marked rows showed.
void FileCommands::savedTo(const QString &path)
{
    // Stays in view after any box is gone: where the file went.
    m_window.statusBar()->showMessage(tr("Saved to %1").arg(QDir::toNativeSeparators(path)));
    Document::Rows rows = m_document.rows();
    rows.refused.fill({});
    m_document.setRows(rows);
    m_document.setFilePath(path);
    m_history.setClean();
    Settings::addRecentFile(path);
}

void FileCommands::importConfigurationFile()
{
    if (!maybeSave())
        return;
    const QString start = configFilePath.isEmpty() ? Settings::startFolder() : configFilePath;
    const QString path = QFileDialog::getOpenFileName(&m_window, tr("Open Configuration File"), start,
                                                      tr("Text files (*.txt)"));
    if (path.isEmpty())
        return;
    importFile(path);
}

void FileCommands::openFile(const QString &path)
{
    if (maybeSave())
        importFile(path);
}

// Whatever the way the file was chosen, the next dialog starts from it.
void FileCommands::importFile(const QString &path)
{
    setConfigFilePath(path);
    readConfigurationFile(path);
}

// One file on this computer is imported; several, a folder or a web address are refused.
QString FileCommands::drop(const QMimeData &data)
{
    const QList<QUrl> urls = data.urls();
    const QString path = urls.size() == 1 ? urls.first().toLocalFile() : QString();
    const QString refusal = urls.size() != 1 ? tr("Drop one configuration file at a time.")
                            : path.isEmpty() ? tr("Only a file on this computer can be imported.")
                            : QFileInfo(path).isDir() ? tr("A folder cannot be imported.")
                                                      : QString();
    // Once the drop is over: the application it came from waits for its end, and the
    // import may ask about unsaved changes and shows its report.
    if (refusal.isEmpty())
        QTimer::singleShot(0, this, [this, path] { openFile(path); });
    return refusal;
}

// The whole import is one step, undone at once ("Undo Import of config.txt"); the rows
// then belong to the file read.
void FileCommands::readConfigurationFile(const QString &path)
{
    QMessageBox box(&m_window);
    box.setWindowTitle(tr("Import Configuration File"));
    const QString cannotOpen = tr("The specified configuration file cannot be opened!");
    QFile file(path);
    if (!file.exists()) {
        box.setText(tr("The specified configuration file does not exist!"));
        box.setIcon(QMessageBox::Warning);
    } else if (!openRegularFile(file, QIODevice::ReadOnly)) {
        box.setText(cannotOpen);
        box.setIcon(QMessageBox::Warning);
    } else {
        // The rows the file does not name end up unticked at their default; a
        // cancelled import, or one whose reading failed midway, leaves them all as they were.
        Options::OptionStates states = Options::defaultStates(false);
        const ConfigReader::Report report = readWithProgress(file, states, &m_window);
        file.close();
        if (report.stopped)
            return;
        if (report.readFailed) {
            box.setText(cannotOpen);
            box.setIcon(QMessageBox::Warning);
        } else {
            const QString name = QFileInfo(path).fileName();
            const auto describe = [name](const Document::Rows &, const Document::Rows &) {
                return tr("Import of %1").arg(name);
            };
            m_history.change(Document::importedRows(states, report), describe);
            m_document.setFilePath(path);
            m_history.setClean();
            Settings::addRecentFile(path);
            m_window.statusBar()->clearMessage();
            box.setIcon(report.refused > 0 ? QMessageBox::Warning : QMessageBox::Information);
            // After setIcon, which rebuilds the box's layout.
            showReport(box, report, m_window.screen()->availableGeometry().height());
        }
    }
    box.exec();
}

// The path last chosen by any command: the next dialog starts from it, and from its
// folder in the next run.
void FileCommands::setConfigFilePath(const QString &path)
{
    configFilePath = path;
    ui.label_Generate_Path->setText(path);
    Settings::setLastFolder(QFileInfo(path).absolutePath());
}

bool FileCommands::maybeSave()
{
    if (!m_document.isModified())
        return true;
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(),
                    tr("The options have been modified.") + QLatin1Char('\n')
                        + tr("Do you want to save your changes?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, &m_window);
    // Qt's own button texts come untranslated without Qt's translation files.
    box.button(QMessageBox::Save)->setText(tr("&Save"));
    box.button(QMessageBox::Discard)->setText(tr("&Discard"));
    box.button(QMessageBox::Cancel)->setText(tr("Cancel"));
    const auto answer = QMessageBox::StandardButton(box.exec());
    if (answer == QMessageBox::Save)
        return save();
    return answer == QMessageBox::Discard;
}

bool FileCommands::commitData(bool mayAsk)
{
    if (!m_document.isModified())
        return true;
    if (mayAsk)
        return maybeSave();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    const QString recovery = QDir(folder).absoluteFilePath(
        QStringLiteral("unsaved-%1.txt").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"))));
    QDir().mkpath(folder);
    if (saveAtomically(recovery, ConfigWriter::fileContents(m_document.states())).saved)
        Settings::addRecentFile(recovery);
    return true;   // not allowed to ask, so not allowed to hold the session up either
}

void FileCommands::fillRecentMenu(QMenu &menu)
{
    menu.clear();
    menu.setToolTipsVisible(true);   // the whole path of an item shown shortened
    const QStringList files = Settings::recentFiles();
    const QFontMetrics metrics = menu.fontMetrics();
    for (int i = 0; i < files.size(); ++i) {
        QString shown = metrics.elidedText(QDir::toNativeSeparators(files.at(i)), Qt::ElideMiddle,
                                           metrics.averageCharWidth() * RecentPathCharacters);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));   // a '&' of the path is no mnemonic
        QAction *open = menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        open->setToolTip(files.at(i));
        // A file on a disk that is not there now may come back: greyed, not dropped.
        open->setEnabled(QFileInfo::exists(files.at(i)));
        const QString path = files.at(i);
        connect(open, &QAction::triggered, this, [this, path] { openFile(path); });
    }
    if (!files.isEmpty())
        menu.addSeparator();
    menu.addAction(ui.action_Clear_Recent_Files);
    ui.action_Clear_Recent_Files->setEnabled(!files.isEmpty());
}
