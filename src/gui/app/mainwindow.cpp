#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "app/globals.h"
#include "app/settings.h"
#include "configfile/filecommands.h"
#include "document/documenthistory.h"
#include "document/optiondocument.h"
#include "help/helpcommands.h"
#include "language/languageglobals.h"
#include "language/languagemenu.h"
#include "options/optionrows.h"
#include "preview/filepreview.h"
#include "widgets/readablecolour.h"

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QScreen>
#include <QSessionManager>
#include <QStandardPaths>
#include <QStatusBar>

namespace {

// How long the status bar says why a drop was refused.
constexpr int RefusalShownMs = 10000;

// The form's widgets of each row, in row order; exactly one editor per row.
OptionRows::Widgets rowWidgets(const Ui::MainWindow &ui)
{
    return {{
        {ui.checkBox_ID, ui.spinBox_ID, nullptr},
        {ui.checkBox_Volume, ui.spinBox_Volume, nullptr},
        {ui.checkBox_Power, nullptr, ui.comboBox_Power},
        {ui.checkBox_Monitor, nullptr, ui.comboBox_Monitor},
        {ui.checkBox_Boot, ui.spinBox_Boot, nullptr},
        {ui.checkBox_Input01, nullptr, ui.comboBox_Input01},
        {ui.checkBox_Input02, nullptr, ui.comboBox_Input02},
        {ui.checkBox_Input03, nullptr, ui.comboBox_Input03},
        {ui.checkBox_Input04, nullptr, ui.comboBox_Input04},
        {ui.checkBox_Input05, nullptr, ui.comboBox_Input05},
        {ui.checkBox_Input06, nullptr, ui.comboBox_Input06},
        {ui.checkBox_Input07, nullptr, ui.comboBox_Input07},
        {ui.checkBox_Input08, nullptr, ui.comboBox_Input08},
        {ui.checkBox_Input09, nullptr, ui.comboBox_Input09},
        {ui.checkBox_Input10, nullptr, ui.comboBox_Input10},
        {ui.checkBox_Input11, nullptr, ui.comboBox_Input11},
        {ui.checkBox_Input12, nullptr, ui.comboBox_Input12},
        {ui.checkBox_Input13, nullptr, ui.comboBox_Input13},
        {ui.checkBox_Input14, nullptr, ui.comboBox_Input14},
        {ui.checkBox_Input15, nullptr, ui.comboBox_Input15},
        {ui.checkBox_Button1, nullptr, ui.comboBox_Button1},
        {ui.checkBox_Button2, nullptr, ui.comboBox_Button2},
        {ui.checkBox_Baudrate, nullptr, ui.comboBox_Baudrate},
    }};
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , m_document(new Document::OptionDocument(this))
    , m_history(new DocumentHistory(*m_document, this))
{
    ui->setupUi(this);
    languageMenu = new LanguageMenu(ui->actionDefault, ui->action_English, ui->action_Fran_ais, this);
    // The path is softer than the captions, as the rows' descriptions are, readable all the same.
    ReadableColour::useSecondaryText(ui->label_Generate_Path);
    setAcceptDrops(true);   // a configuration file dropped on the window is imported
    fillKeywordLists();

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

    // The rows open ticked at their defaults, which is where the document starts.
    m_rows = new OptionRows(rowWidgets(*ui), ui->scrollArea, *m_document, *m_history, this);
    const FileCommands::Widgets fileWidgets{ui->action_Import_Report, ui->action_Clear_Recent_Files,
                                            ui->label_Generate_Path};
    m_files = new FileCommands(*this, fileWidgets, *m_document, *m_history);
    wireDocumentCommands();
    wirePreview();
    placeWindow();
}

// Save, Undo, Redo and Open Recent; the title and the desktop session follow the document.
void MainWindow::wireDocumentCommands()
{
    ui->action_Redo->setShortcuts({ui->action_Redo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y"))});
    m_history->attach(ui->action_Undo, ui->action_Redo);
    connect(m_document, &Document::OptionDocument::modifiedChanged, this, &QWidget::setWindowModified);
    connect(m_document, &Document::OptionDocument::filePathChanged, this, &MainWindow::showFileInTitle);
    showFileInTitle();
    connect(ui->action_Save, &QAction::triggered, m_files, &FileCommands::save);
    connect(ui->menu_Open_Recent, &QMenu::aboutToShow, m_files,
            [this] { m_files->fillRecentMenu(*ui->menu_Open_Recent); });
    connect(ui->action_Clear_Recent_Files, &QAction::triggered, this, &Settings::clearRecentFiles);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 5 would otherwise close the window at the session's end, asking nothing.
    QGuiApplication::setFallbackSessionManagementEnabled(false);
#endif
    connect(qApp, &QGuiApplication::commitDataRequest, this, &MainWindow::sessionEnds);
    connect(qApp, &QGuiApplication::saveStateRequest, this, [this](QSessionManager &) { rememberWindow(); });
}

// The preview of the file shows the document; a line picked there takes the user to its
// row, and the row being edited is the line shown. Neither tells the other back: the
// preview does not announce a line the rows chose. The View menu shows and hides the
// preview and the tool bar, and follows their close buttons and context menu.
void MainWindow::wirePreview()
{
    ui->filePreview->setDocument(*m_document);
    connect(ui->filePreview, &FilePreview::rowChosen, m_rows, &OptionRows::reveal);
    // Also when a tick gives the row being edited a line.
    const auto showEditedRow = [this] {
        const int row = m_rows->rowOf(QApplication::focusWidget());
        if (row >= 0)
            ui->filePreview->selectRow(row);
    };
    connect(qApp, &QApplication::focusChanged, this, showEditedRow);
    connect(m_document, &Document::OptionDocument::changed, this, showEditedRow);
    connect(ui->action_View_Preview, &QAction::toggled, this, [this](bool shown) {
        ui->dockWidget_Preview->setVisible(shown);
        if (shown && isVisible())
            fitWindowToRows();   // the rows keep their room beside it where the screen allows
    });
    connect(ui->dockWidget_Preview->toggleViewAction(), &QAction::toggled, ui->action_View_Preview,
            &QAction::setChecked);
    connect(ui->action_View_Tool_Bar, &QAction::toggled, ui->toolBar, &QWidget::setVisible);
    connect(ui->toolBar->toggleViewAction(), &QAction::toggled, ui->action_View_Tool_Bar, &QAction::setChecked);
}

// Where the window was left, made to fit this screen should it be smaller than that one;
// at the first run, sized for the rows. The preview and the tool bar as they were left; at
// the first run, the preview beside the rows where the screen has room for both.
void MainWindow::placeWindow()
{
    layOutRows();
    const int room = screen()->availableGeometry().width() - frameExtra().width();
    ui->action_View_Preview->setChecked(
        Settings::paneShown(Settings::Pane::Preview).value_or(rowsWidth() + previewWidth() <= room));
    ui->action_View_Tool_Bar->setChecked(Settings::paneShown(Settings::Pane::ToolBar).value_or(true));
    const QByteArray geometry = Settings::windowGeometry();
    if (geometry.isEmpty() || !restoreGeometry(geometry)) {
        fitWindowToRows(true);
        return;
    }
    layOutRows();
    resize(size().boundedTo(screen()->availableGeometry().size() - frameExtra()));
}

void MainWindow::rememberWindow()
{
    Settings::setWindowGeometry(saveGeometry());
    Settings::setPaneShown(Settings::Pane::Preview, !ui->dockWidget_Preview->isHidden());
    Settings::setPaneShown(Settings::Pane::ToolBar, !ui->toolBar->isHidden());
}

MainWindow::~MainWindow()
{
    // The rows go before the window does: focus leaving them must not reach them, nor
    // the preview's dock, hidden as it goes, the half-destroyed window.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    disconnect(ui->action_View_Preview, nullptr, this, nullptr);
    writePreferenceFile(preferenceFilePath);
    delete ui;
}

Options::OptionStates MainWindow::optionStates() const
{
    return m_document->states();
}

void MainWindow::setOptionStates(const Options::OptionStates &states)
{
    m_rows->setStates(states, QT_TRANSLATE_NOOP("MainWindow", "Change of the options"));
}

void MainWindow::openFile(const QString &path)
{
    m_files->openFile(path);
}

bool MainWindow::commitData(bool mayAsk)
{
    return m_files->commitData(mayAsk);
}

void MainWindow::sessionEnds(QSessionManager &manager)
{
    const bool mayEnd = commitData(manager.allowsInteraction());
    manager.release();
    if (!mayEnd)
        manager.cancel();
}

// "config.txt — Quillary", or the program's name alone while the rows belong to no file;
// "[*]" shows the modified marker.
void MainWindow::showFileInTitle()
{
    const QString path = m_document->filePath();
    const QString program = QCoreApplication::applicationName();
    setWindowTitle(path.isEmpty() ? program + QStringLiteral("[*]")
                                  : QFileInfo(path).fileName() + QStringLiteral("[*] \u2014 ") + program);
}

// Whichever way the window is closed (close button, File > Exit, Ctrl+Q), unsaved
// changes are asked about first; the user may keep the window open.
void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_files->maybeSave()) {
        rememberWindow();
        event->accept();
    } else {
        event->ignore();
    }
}

// Anything dragged with file names is taken, so that a drop that cannot be imported
// is told why rather than just not taken.
void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString refusal = m_files->drop(*event->mimeData());
    if (refusal.isEmpty()) {
        event->acceptProposedAction();
    } else {
        statusBar()->showMessage(refusal, RefusalShownMs);
        event->ignore();
    }
}

// The lists are process-wide: a second window in the same process must not
// append them again.
void MainWindow::fillKeywordLists()
{
    if (optionKeywords.isEmpty())
        optionKeywords.append(Options::optionKeywordTable());
    if (functionKeywords.isEmpty())
        functionKeywords.append(Options::functionKeywordTable());
}

void MainWindow::fillOptionLists()
{
    m_rows->retranslate();
}

void MainWindow::applyDefaultSettings()
{
    m_rows->applyDefaults();
}

void MainWindow::selectAllOptions()
{
    m_rows->selectAll(true);
}

void MainWindow::unselectAllOptions()
{
    m_rows->selectAll(false);
}

void MainWindow::generateConfigurationFile()
{
    m_files->generateConfigurationFile();
}

void MainWindow::importConfigurationFile()
{
    m_files->importConfigurationFile();
}

void MainWindow::showImportReport()
{
    m_files->showImportReport();
}

void MainWindow::on_action_Quit_triggered()
{
    close();
}

void MainWindow::on_action_About_triggered()
{
    HelpCommands::showAbout();
}

void MainWindow::on_action_Manual_triggered()
{
    HelpCommands::showManual(this);
}

void MainWindow::on_action_WhatsThis_triggered()
{
    HelpCommands::enterWhatsThisMode();
}

void MainWindow::on_actionContact_Technical_Support_triggered()
{
    HelpCommands::contactTechnicalSupport(this);
}

void MainWindow::on_actionHalvex_Home_Page_triggered()
{
    HelpCommands::openHomePage(this);
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
