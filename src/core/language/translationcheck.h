#pragma once

#include <QByteArray>

namespace Translation {

// True when `qm`, the bytes of a compiled translation file, can be handed to
// QTranslator. QTranslator trusts the lengths and offsets inside the file, so a
// corrupt file makes it read outside its data and crash; this checks every one of
// them. A file that asks for further translation files to be loaded is refused too:
// ours never do, and QTranslator would load those unchecked.
bool isSoundTranslationFile(const QByteArray &qm);

} // namespace Translation
