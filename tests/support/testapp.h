#pragma once

#include <QtTest>

#include "app/applicationidentity.h"

// The program's identity and an isolated per-user data folder for every test run,
// so tests never read or write the real user's preference file.
inline void prepareTestApplication()
{
    setApplicationIdentity();
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

// QTEST_MAIN with the program's identity set first.
#define QUILLARY_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char *argv[])                                                                \
    {                                                                                               \
        prepareTestApplication();                                                                   \
        QApplication app(argc, argv);                                                               \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                    \
        TestClass tc;                                                                               \
        QTEST_SET_MAIN_SOURCE_PATH                                                                  \
        return QTest::qExec(&tc, argc, argv);                                                       \
    }
