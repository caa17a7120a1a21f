#pragma once

#include <QCoreApplication>

class QWidget;

// The Help menu's commands; `window` is the main window, which the dialogs belong to.
class HelpCommands
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)   // the main window's texts

public:
    // The About dialog, modal from its form: the window waits without a nested event loop.
    static void showAbout();
    // One manual beside the window, brought to the front when asked for again.
    static void showManual(QWidget *window);
    static void enterWhatsThisMode();
    // The support e-mail and the home page, handed to the desktop; where no e-mail program
    // or browser opens, a box shows the address, ready to be copied.
    static void contactTechnicalSupport(QWidget *window);
    static void openHomePage(QWidget *window);
};
