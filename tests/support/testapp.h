#pragma once

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>
#ifdef QT_GUI_LIB
#include <QFont>
#endif
#ifdef QT_WIDGETS_LIB
#include <QAction>
#include <QApplication>
#endif

#include "app/settings.h"
#include "identity/applicationidentity.h"

// On Windows: the remembered settings in an INI file below the tests' own data folder
// rather than the user's registry; and "monospace" for the offscreen platform, which
// reads Qt's fonts folder without fontconfig's generic names, as on Linux.
inline void windowsTestEnvironment()
{
#ifdef Q_OS_WIN
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    QFile::remove(folder + QLatin1Char('/') + QCoreApplication::organizationName() + QLatin1Char('/')
                  + QCoreApplication::applicationName() + QStringLiteral(".ini"));   // nothing of an earlier run
#ifdef QT_GUI_LIB
    QFont::insertSubstitution(QStringLiteral("monospace"), QStringLiteral("DejaVu Sans Mono"));
#endif
#endif
}

// Nothing remembered from an earlier run. The file is removed by its name: a QSettings made
// here would fix where QSettings looks for the whole process, before a test could choose.
inline void forgetSettings()
{
    QFile::remove(Settings::fileName());
}

#ifdef QT_WIDGETS_LIB
// Triggers the window's action of that name.
inline void trigger(QWidget &window, const QString &action)
{
    window.findChild<QAction *>(action)->trigger();
}
#endif

// QTEST_MAIN with the program's identity, Qt's own dialogs and an isolated per-user
// data folder, so tests never read or write the real user's preference file; `Application`
// is QApplication, or QCoreApplication for a test that needs no widget.
#define QUILLARY_TEST_MAIN_OF(Application, TestClass)                                               \
    int main(int argc, char *argv[])                                                                \
    {                                                                                               \
        setApplicationIdentity();                                                                   \
        enableHighDpiScaling();                                                                     \
        QStandardPaths::setTestModeEnabled(true);                                                   \
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);                                \
        windowsTestEnvironment();                                                                   \
        Application app(argc, argv);                                                                \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                    \
        forgetSettings();                                                                           \
        TestClass tc;                                                                               \
        QTEST_SET_MAIN_SOURCE_PATH                                                                  \
        return QTest::qExec(&tc, argc, argv);                                                       \
    }

#define QUILLARY_TEST_MAIN(TestClass) QUILLARY_TEST_MAIN_OF(QApplication, TestClass)
#define QUILLARY_CORE_TEST_MAIN(TestClass) QUILLARY_TEST_MAIN_OF(QCoreApplication, TestClass)
