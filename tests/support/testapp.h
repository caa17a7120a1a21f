#pragma once

#include <QSettings>
#include <QtTest>

#include "app/applicationidentity.h"

// QTEST_MAIN with the program's identity, Qt's own dialogs and an isolated per-user
// data folder, so tests never read or write the real user's preference file.
#define QUILLARY_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char *argv[])                                                                \
    {                                                                                               \
        setApplicationIdentity();                                                                   \
        enableHighDpiScaling();                                                                     \
        QStandardPaths::setTestModeEnabled(true);                                                   \
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);                                \
        QApplication app(argc, argv);                                                               \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                    \
        QSettings().clear(); /* nothing remembered from an earlier run */                          \
        TestClass tc;                                                                               \
        QTEST_SET_MAIN_SOURCE_PATH                                                                  \
        return QTest::qExec(&tc, argc, argv);                                                       \
    }
