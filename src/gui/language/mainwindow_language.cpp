// Interface language of the main window and the preference file that remembers it.
#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/globals.h"
#include "document/documenthistory.h"
#include "language/preferencefile.h"
#include "language/translationlookup.h"

namespace {

// The loaded translation file: appTranslator reads its texts from these bytes.
QByteArray appTranslationBytes;

// The system's own language for the Default choice.
QString localeName(Preferences::Language language)
{
    switch (language) {
    case Preferences::Language::English:
        return localeEnglish.name();
    case Preferences::Language::French:
        return localeFrench.name();
    case Preferences::Language::Default:
        break;
    }
    return QLocale::system().name();
}

} // namespace

// Every language command runs the same routine. The lists change their texts in
// place, so every row keeps its value and tick: a change of language changes no
// option, and is no step to undo. The new texts may need a wider window.
void MainWindow::switchLanguage(QAction *chosen)
{
    uncheckLanguageActions();
    chosen->setChecked(true);
    changeLanguage();
    fillOptionLists();
    m_history->retranslate();   // the Undo and Redo items say what they do in it
    // Only a window on screen is widened to fit; a hidden one just lines its rows up.
    if (isVisible())
        fitWindowToRows();
    else
        layOutRows();
}

void MainWindow::uncheckLanguageActions()
{
    ui->actionDefault->setChecked(false);
    ui->action_English->setChecked(false);
    ui->action_Fran_ais->setChecked(false);
}

void MainWindow::changeLanguage()
{
    const QString fileName = translationFilePrefix + Translation::languageCode(localeName(checkedLanguage()));
    QCoreApplication::removeTranslator(&appTranslator);
    if (Translation::loadFromFolders(appTranslator, appTranslationBytes, fileName, Translation::searchFolders()))
        QCoreApplication::installTranslator(&appTranslator);
    ui->retranslateUi(this);
}

// French is tested last, so it wins should both marks be set.
Preferences::Language MainWindow::checkedLanguage() const
{
    Preferences::Language language = Preferences::Language::Default;
    if (ui->action_English->isChecked())
        language = Preferences::Language::English;
    if (ui->action_Fran_ais->isChecked())
        language = Preferences::Language::French;
    return language;
}

QAction *MainWindow::languageAction(Preferences::Language language) const
{
    switch (language) {
    case Preferences::Language::English:
        return ui->action_English;
    case Preferences::Language::French:
        return ui->action_Fran_ais;
    case Preferences::Language::Default:
        break;
    }
    return ui->actionDefault;
}

void MainWindow::readPreferenceFile(QString path)
{
    const std::optional<Preferences::Language> language = Preferences::readLanguage(path);
    if (!language)
        return;
    uncheckLanguageActions();
    languageAction(*language)->setChecked(true);
}

void MainWindow::writePreferenceFile(QString path)
{
    // Nothing to tell the user on the way out; an old file stays as it was.
    Preferences::writeLanguage(path, checkedLanguage());
}
