#pragma once

#include "configfile/configreader.h"
#include "language/preferencefile.h"
#include "options/optioncatalogue.h"

#include <QMainWindow>

#include <array>

class FunctionLists;
class LanguageMenu;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The 23 option rows as plain values, in row order.
    Options::OptionStates optionStates() const;
    void setOptionStates(const Options::OptionStates &states);

    // Imports the file at `path` as the Import command does once a file is chosen,
    // unsaved changes asked about first: for a file named on the command line or dropped.
    void openFile(const QString &path);

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
    // Row layout and screen-reader names (app/mainwindow_rows.cpp)
    void describeEditors();
    void layOutRows();
    void fitWindowToRows();

    // Option rows (options/)
    void fillKeywordLists();
    void setUpEditorRanges();
    void setUpOptionLists();
    void fillOptionLists();
    void applyDefaultSettings();
    void selectAllOptions();
    void unselectAllOptions();
    void watchRowEdits();
    void rowEdited(int row);
    void markUnmodified();
    void showRefusedMarks();

    // Configuration file (configfile/)
    void generateConfigurationFile();
    void writeConfigurationFile(const QString &path);
    void importConfigurationFile();
    void importFile(const QString &path);
    void readConfigurationFile(const QString &path);
    void showImportReport();
    void setConfigFilePath(const QString &path);
    bool maybeSave();

    // Interface language and preferences (language/): the window's side; the menu's
    // own state, the translations and the preference file are LanguageMenu's.
    void switchLanguage(QAction *chosen);
    void uncheckLanguageActions();
    void changeLanguage();
    void readPreferenceFile(QString path);
    void writePreferenceFile(QString path);

    Ui::MainWindow *ui;
    FunctionLists *functionLists = nullptr;   // made with the lists, owned by the window
    LanguageMenu *languageMenu = nullptr;     // owned by the window
    // The rows as last generated, imported or set at start-up: the window is
    // modified while they differ from it.
    Options::OptionStates m_unmodifiedStates{};
    // Per row, the note on the line the last import took it from (its value refused or
    // read otherwise than written), until the row is edited or a file is generated;
    // lineNumber 0 when none.
    std::array<ConfigReader::Note, Options::OptionCount> m_rowNotes{};
    // The last import's report, shown again on demand until the next import.
    ConfigReader::Report m_importReport;
};
