#include "filecommands.h"

#include "app/globals.h"
#include "app/settings.h"
#include "configfile/configreader.h"
#include "configfile/importreport.h"
#include "configfile/configwriter.h"
#include "configfile/reportdialog.h"
#include "document/documenthistory.h"
#include "document/optiondocument.h"
#include "files/atomicsave.h"
#include "files/regularfile.h"
#include "files/resolvedname.h"

#include <cerrno>

#include <QAbstractButton>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

namespace {

// The Open Recent items show a path up to about this many characters, its middle left
// out beyond.
constexpr int RecentPathCharacters = 60;

// What the box says of a file that cannot be opened or read, with the system's reason as it is.
QString cannotOpen(const QString &why)
{
    return FileCommands::tr("The specified configuration file cannot be opened!") + QLatin1Char('\n') + why;
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


FileCommands::FileCommands(QMainWindow &window, const Widgets &widgets, Document::OptionDocument &document,
                           DocumentHistory &history)
    : QObject(&window), m_window(window), m_widgets(widgets), m_document(document), m_history(history)
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
        if (!outcome.backup.isEmpty())
            text += QLatin1Char('\n') + tr("The file could not be put back as it was: its old content is kept in %1.")
                                           .arg(outcome.backup);
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

// Why the file at `path` cannot be imported, or empty once it is open in `file`.
QString FileCommands::openToImport(const QString &path, QFile &file)
{
    const ResolvedName name = resolveName(path);
    if (name.error == ENOENT || (!name.refused() && !name.exists))
        return tr("The specified configuration file does not exist!");
    QString why;
    if (!openRegularFile(file, QIODevice::ReadOnly, &why))
        return cannotOpen(why);
    return QString();
}

// The rows the file does not name end up unticked at their default. A cancelled import,
// one whose reading failed midway, a file that is not text or holds not a single option
// line leave them all as they were.
void FileCommands::readConfigurationFile(const QString &path)
{
    m_widgets.importReport->setEnabled(false);   // it would be another file's
    QFile file(path);
    QString failure = openToImport(path, file);
    if (failure.isEmpty()) {
        Options::OptionStates states = Options::defaultStates(false);
        const ConfigReader::Report report = readWithProgress(file, states, &m_window);
        const QString readError = file.errorString();
        file.close();   // not held open while a box waits for the user
        if (report.stopped)
            return;
        if (!report.readFailed && !report.notText) {
            imported(path, states, report);
            return;
        }
        failure = report.notText ? tr("The specified configuration file cannot be imported: %1.")
                                       .arg(ConfigReader::notTextMessage())
                                 : cannotOpen(readError);
    }
    QMessageBox box(QMessageBox::Warning, tr("Import Configuration File"), failure, QMessageBox::Ok, &m_window);
    box.setTextFormat(Qt::PlainText);   // a path or the system's reason may hold '<' or '&'
    box.exec();
}

// The whole import is one step, undone at once ("Undo Import of config.txt"); the rows
// then belong to the file read. A file without a single option line leaves the rows as
// they were, and belongs to them no more than before. Its report says why; it is shown,
// and kept to be shown again.
void FileCommands::imported(const QString &path, const Options::OptionStates &states,
                            const ConfigReader::Report &report)
{
    if (report.optionLines > 0) {
        const QString fileName = QFileInfo(path).fileName();
        const auto describe = [fileName](const Document::Rows &, const Document::Rows &) {
            return tr("Import of %1").arg(fileName);
        };
        m_history.change(Document::importedRows(states, report), describe);
        m_document.setFilePath(path);
        m_history.setClean();
        Settings::addRecentFile(path);
    }
    m_window.statusBar()->clearMessage();
    m_importReport = report;
    m_widgets.importReport->setEnabled(true);
    showImportReport();
}

// The last import's report, in the language installed now: the summary, the report
// lines as the file gave them, then why lines were refused and what was warned of.
void FileCommands::showImportReport()
{
    ReportDialog dialog(&m_window);
    const ConfigReader::Report &report = m_importReport;
    QStringList parts{ConfigReader::reportLinesText(report), ConfigReader::notesText(report)};
    parts.removeAll(QString());
    dialog.setReport(ConfigReader::reportSummary(report), parts.join(QLatin1Char('\n')), !report.notes.isEmpty());
    dialog.exec();
}

// The path last chosen by any command: the next dialog starts from it, and from its
// folder in the next run.
void FileCommands::setConfigFilePath(const QString &path)
{
    configFilePath = path;
    m_widgets.path->setText(path);
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
    menu.addAction(m_widgets.clearRecentFiles);
    m_widgets.clearRecentFiles->setEnabled(!files.isEmpty());
}
