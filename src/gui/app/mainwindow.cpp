#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "app/globals.h"
#include "app/readablecolour.h"
#include "language/languagemenu.h"

#include <QCloseEvent>
#include <QDir>
#include <QStandardPaths>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    languageMenu = new LanguageMenu(ui->actionDefault, ui->action_English, ui->action_Fran_ais, this);
    // The rows' descriptions and the path are softer than the captions, readable all the same.
    for (QLabel *description : ui->scrollAreaWidgetContents->findChildren<QLabel *>())
        ReadableColour::useSecondaryText(description);
    ReadableColour::useSecondaryText(ui->label_Generate_Path);
    setAcceptDrops(true);   // a configuration file dropped on the window is imported
    fillKeywordLists();
    // "[*]" marks unsaved changes (setWindowModified).
    setWindowTitle(QCoreApplication::applicationName() + QStringLiteral("[*]"));

    // In the roaming profile on Windows (%APPDATA%), which follows the user from PC to PC;
    // the same folder as the local one elsewhere.
    const QDir dataDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    preferenceFilePath = dataDir.absoluteFilePath(QCoreApplication::applicationName() + preferenceFileSuffix);
    if (!dataDir.exists())
        dataDir.mkpath(dataDir.absolutePath());
    // The language is set up once: the remembered one, else Default.
    ui->actionDefault->setChecked(true);
    readPreferenceFile(preferenceFilePath);
    changeLanguage();
    setUpEditorRanges();
    setUpOptionLists();
    applyDefaultSettings();
    selectAllOptions();
    describeEditors();
    fitWindowToRows();
    watchRowEdits();
    markUnmodified();
}

MainWindow::~MainWindow()
{
    writePreferenceFile(preferenceFilePath);
    delete ui;
}

// Whichever way the window is closed (close button, File > Exit, Ctrl+Q), unsaved
// changes are asked about first; the user may keep the window open.
void MainWindow::closeEvent(QCloseEvent *event)
{
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}

void MainWindow::on_action_Quit_triggered()
{
    close();
}

void MainWindow::on_actionDefault_triggered()
{
    switchLanguage(ui->actionDefault);
}

void MainWindow::on_action_English_triggered()
{
    switchLanguage(ui->action_English);
}

void MainWindow::on_action_Fran_ais_triggered()
{
    switchLanguage(ui->action_Fran_ais);
}

void MainWindow::on_action_Generate_Configuration_File_triggered()
{
    generateConfigurationFile();
}

void MainWindow::on_action_Import_Configuration_File_triggered()
{
    importConfigurationFile();
}

void MainWindow::on_action_Import_Report_triggered()
{
    showImportReport();
}

void MainWindow::on_action_Generate_Configuration_File_ToolBar_triggered()
{
    generateConfigurationFile();
}

void MainWindow::on_action_Import_Configuration_File_Toolbar_triggered()
{
    importConfigurationFile();
}

void MainWindow::on_actionDefault_settings_triggered()
{
    applyDefaultSettings();
}

void MainWindow::on_actionDefault_settings_ToolBar_triggered()
{
    applyDefaultSettings();
}

void MainWindow::on_action_Select_All_Options_triggered()
{
    selectAllOptions();
}

void MainWindow::on_action_Unselect_All_options_triggered()
{
    unselectAllOptions();
}

void MainWindow::on_action_Select_All_Options_Toolbar_triggered()
{
    selectAllOptions();
}

void MainWindow::on_action_Unselect_All_options_Toolbar_triggered()
{
    unselectAllOptions();
}
