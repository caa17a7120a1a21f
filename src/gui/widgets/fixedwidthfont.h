#pragma once

#include <QFont>

// The desktop's fixed-width font, for text whose characters must line up or be told
// apart (the import's report, the preview of the file); without one from the platform,
// the typewriter hint finds one.
QFont fixedWidthFont();
