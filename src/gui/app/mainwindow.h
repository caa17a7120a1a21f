#pragma once

#include "language/preferencefile.h"
#include "options/optioncatalogue.h"

#include <QMainWindow>

class DocumentHistory;
class FileCommands;
class LanguageMenu;
class OptionRows;
class QSessionManager;

namespace Document {
class OptionDocument;
}

namespace Ui {
class MainWindow;
}

// The one window. It wires the form's commands to the classes that do the work: the
// document and its undo history, the option rows that show it, the file commands.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The 23 option rows as plain values, in row order.
    Options::OptionStates optionStates() const;
    // Sets the rows as one change, undone at once.
    void setOptionStates(const Options::OptionStates &states);

    // Imports the file at `path` as the Import command does once a file is chosen,
    // unsaved changes asked about first: for a file named on the command line or dropped.
    void openFile(const QString &path);

    // What the window edits; the preview and other views read it from here.
    const Document::OptionDocument &document() const { return *m_document; }

    // The desktop session ends (see FileCommands::commitData).
    bool commitData(bool mayAsk);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private slots:
    void on_action_Quit_triggered();
    void on_action_About_triggered();
    void on_action_Manual_triggered();
    void on_action_WhatsThis_triggered();
    void on_actionContact_Technical_Support_triggered();
    void on_actionHalvex_Home_Page_triggered();
    void on_actionDefault_triggered();
    void on_action_English_triggered();
    void on_action_Fran_ais_triggered();
    void on_action_Generate_Configuration_File_triggered();
    void on_action_Import_Configuration_File_triggered();
    void on_action_Import_Report_triggered();
    void on_action_Generate_Configuration_File_ToolBar_triggered();
    void on_action_Import_Configuration_File_Toolbar_triggered();
    void on_actionDefault_settings_triggered();
    void on_actionDefault_settings_ToolBar_triggered();
    void on_action_Select_All_Options_triggered();
    void on_action_Unselect_All_options_triggered();
    void on_action_Select_All_Options_Toolbar_triggered();
    void on_action_Unselect_All_options_Toolbar_triggered();

private:
    // Window size and row layout (app/mainwindow_rows.cpp)
    void layOutRows();
    void fitWindowToRows(bool firstRun = false);
    int rowsWidth() const;
    int previewWidth() const;
    QSize frameExtra() const;
    void wireDocumentCommands();
    void wirePreview();
    void placeWindow();
    void rememberWindow();
    void showFileInTitle();
    void sessionEnds(QSessionManager &manager);

    // Option rows, delegated to OptionRows
    void fillKeywordLists();
    void fillOptionLists();
    void applyDefaultSettings();
    void selectAllOptions();
    void unselectAllOptions();

    // Configuration file, delegated to FileCommands
    void generateConfigurationFile();
    void importConfigurationFile();
    void showImportReport();

    // Interface language and preferences (app/mainwindow_language.cpp): the window's side; the menu's
    // own state, the translations and the preference file are LanguageMenu's.
    void switchLanguage(QAction *chosen);
    void uncheckLanguageActions();
    void changeLanguage();
    void readPreferenceFile(QString path);
    void writePreferenceFile(QString path);

    Ui::MainWindow *ui;
    Document::OptionDocument *m_document;
    DocumentHistory *m_history;
    OptionRows *m_rows = nullptr;
    FileCommands *m_files = nullptr;
    LanguageMenu *languageMenu = nullptr;     // owned by the window
};
