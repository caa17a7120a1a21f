#pragma once
// What a benchmark that opens windows does before its application object exists.
#include "identity/applicationidentity.h"

#include <QStandardPaths>

namespace Bench {

// The program's identity and scaling, Qt's offscreen platform unless another is asked for
// (no display needed), and the test folders, so that the user's preferences are never touched.
inline void prepareHeadlessApplication()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    setApplicationIdentity();
    enableHighDpiScaling();
    QStandardPaths::setTestModeEnabled(true);
}

} // namespace Bench
