// Interface language of the main window: the window's side of a change. The menu's
// choice, the translations and the preference file are LanguageMenu's.
#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/actiontexts.h"
#include "document/documenthistory.h"
#include "language/languagemenu.h"
#include "preview/filepreview.h"

// Every language command runs the same routine. The lists change their texts in
// place, so every row keeps its value and tick: a change of language changes no
// option, and is no step to undo. The new texts may need a wider window.
void MainWindow::switchLanguage(QAction *chosen)
{
    languageMenu->choose(chosen);
    changeLanguage();
    fillOptionLists();
    m_history->retranslate();   // the Undo and Redo items say what they do in it
    ui->filePreview->retranslate();
    // Only a window on screen is widened to fit; a hidden one just lines its rows up.
    if (isVisible())
        fitWindowToRows();
    else
        layOutRows();
}

void MainWindow::uncheckLanguageActions()
{
    languageMenu->uncheckLanguageActions();
}

void MainWindow::changeLanguage()
{
    languageMenu->changeLanguage();
    ui->retranslateUi(this);
    ActionTexts::followQuitConvention(ui->action_Quit);
    ActionTexts::showShortcutsInToolTips(ui->toolBar);
}

void MainWindow::readPreferenceFile(QString path)
{
    languageMenu->readPreferenceFile(path);
}

void MainWindow::writePreferenceFile(QString path)
{
    languageMenu->writePreferenceFile(path);
}
