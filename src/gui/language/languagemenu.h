#pragma once

#include "language/preferencefile.h"

#include <QObject>

class QAction;

// The Languages menu: its three actions (Default, the system's language; English;
// French) as one exclusive choice, the translations that the choice installs, and
// the preference file that remembers it between runs. The window renews its own
// texts once a language is installed.
class LanguageMenu : public QObject
{
    Q_OBJECT

public:
    LanguageMenu(QAction *byDefault, QAction *english, QAction *french, QObject *parent);

    // Checks `chosen` and nothing else.
    void choose(QAction *chosen);
    void uncheckLanguageActions();
    Preferences::Language checkedLanguage() const;

    // Installs the program's translation for the checked language and, where it was
    // found, Qt's own for the same language, so that Qt's dialogs and buttons speak
    // it too. Without the program's, both stay out: the built-in English throughout.
    void changeLanguage();

    // Checks the language the file remembers; leaves the marks alone when it is not ours.
    void readPreferenceFile(const QString &path);
    void writePreferenceFile(const QString &path) const;

private:
    QAction *languageAction(Preferences::Language language) const;

    QAction *byDefault;
    QAction *english;
    QAction *french;
};
