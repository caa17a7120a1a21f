#include "languagemenu.h"

#include "language/languageglobals.h"
#include "language/qttranslations.h"
#include "language/translationlookup.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>

namespace {

// Qt's translation, installed beside the program's. The translators read their texts
// from these bytes, and live as long as the process, as appTranslator does: every
// window of the process shares them.
QTranslator qtTranslator;
QByteArray appTranslationBytes;
QByteArray qtTranslationBytes;

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

LanguageMenu::LanguageMenu(QAction *byDefault, QAction *english, QAction *french, QObject *parent)
    : QObject(parent)
    , byDefault(byDefault)
    , english(english)
    , french(french)
{
    // One choice among three, shown as such (radio marks); choosing the checked one
    // again keeps it checked.
    auto *group = new QActionGroup(this);
    for (QAction *action : {byDefault, english, french})
        group->addAction(action);
}

void LanguageMenu::choose(QAction *chosen)
{
    uncheckLanguageActions();
    chosen->setChecked(true);
}

void LanguageMenu::uncheckLanguageActions()
{
    for (QAction *action : {byDefault, english, french})
        action->setChecked(false);
}

// French is tested last, so it wins should both marks be set.
Preferences::Language LanguageMenu::checkedLanguage() const
{
    Preferences::Language language = Preferences::Language::Default;
    if (english->isChecked())
        language = Preferences::Language::English;
    if (french->isChecked())
        language = Preferences::Language::French;
    return language;
}

QAction *LanguageMenu::languageAction(Preferences::Language language) const
{
    switch (language) {
    case Preferences::Language::English:
        return english;
    case Preferences::Language::French:
        return french;
    case Preferences::Language::Default:
        break;
    }
    return byDefault;
}

void LanguageMenu::changeLanguage()
{
    const QString code = Translation::languageCode(localeName(checkedLanguage()));
    QCoreApplication::removeTranslator(&qtTranslator);
    QCoreApplication::removeTranslator(&appTranslator);
    if (!Translation::loadFromFolders(appTranslator, appTranslationBytes, translationFilePrefix + code,
                                      Translation::searchFolders()))
        return;
    QCoreApplication::installTranslator(&appTranslator);
    if (Translation::loadFromFolders(qtTranslator, qtTranslationBytes, Translation::qtFileName(code),
                                     Translation::qtSearchFolders(QCoreApplication::applicationDirPath())))
        QCoreApplication::installTranslator(&qtTranslator);
}

void LanguageMenu::readPreferenceFile(const QString &path)
{
    const std::optional<Preferences::Language> language = Preferences::readLanguage(path);
    if (language)
        choose(languageAction(*language));
}

void LanguageMenu::writePreferenceFile(const QString &path) const
{
    // Nothing to tell the user on the way out; an old file stays as it was.
    Preferences::writeLanguage(path, checkedLanguage());
}
