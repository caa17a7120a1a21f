#pragma once

#include "configfile/configreader.h"

#include <QCoreApplication>
#include <QObject>

class DocumentHistory;
class QAction;
class QFile;
class QLabel;
class QMainWindow;
class QMenu;
class QMimeData;

namespace Document {
class OptionDocument;
}

// Generate (Save As), Save, Import, its report and Open Recent: the file a document's
// rows come from and go to, the dialogs on the way, and the question before changes
// are lost.
class FileCommands : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)   // the main window's texts

public:
    // The parts of the window that the commands keep up to date.
    struct Widgets {
        QAction *importReport;       // File > Last import report: enabled while there is one
        QAction *clearRecentFiles;   // the last item of Open Recent
        QLabel *path;                // the file chosen last
    };

    FileCommands(QMainWindow &window, const Widgets &widgets, Document::OptionDocument &document,
                 DocumentHistory &history);

    // Save As: the save dialog, then the file and a box that tells how it went.
    void generateConfigurationFile();
    // Writes the rows to the file they belong to, without a dialog; what Save As does
    // while they belong to none. True when the rows are in a file now.
    bool save();
    // The open dialog, after the question about unsaved changes.
    void importConfigurationFile();
    // Imports `path`, unsaved changes asked about first: for a file named on the
    // command line, dropped or picked from Open Recent.
    void openFile(const QString &path);
    // Why dropped data cannot be imported, or empty when it is one local file, which is
    // then opened once the drop is over.
    QString drop(const QMimeData &data);
    // The last import's report again, in the language installed now; File > Last import
    // report, enabled from the import that made it until the next one.
    void showImportReport();

    // Before the rows are lost while they hold unsaved changes, the user chooses: save
    // them first, throw them away, or go back. True when the rows may go.
    bool maybeSave();
    // The desktop session ends. Asks as maybeSave does where the session allows it;
    // where it does not, unsaved rows go to a recovery file of their own, listed first
    // in Open Recent, so that neither they nor the user's file are lost. True when the
    // session may end.
    bool commitData(bool mayAsk);

    // Fills the Open Recent menu: the files read or saved last, most recent first.
    void fillRecentMenu(QMenu &menu);

private:
    bool saveAs();
    bool writeConfigurationFile(const QString &path, bool announce);
    void importFile(const QString &path);
    QString openToImport(const QString &path, QFile &file);
    void readConfigurationFile(const QString &path);
    void imported(const QString &path, const Options::OptionStates &states, const ConfigReader::Report &report);
    void setConfigFilePath(const QString &path);
    bool mayOverwriteChangedFile(const QString &path);
    void savedTo(const QString &path);

    QMainWindow &m_window;
    const Widgets m_widgets;
    Document::OptionDocument &m_document;
    DocumentHistory &m_history;
    ConfigReader::Report m_importReport;
};
