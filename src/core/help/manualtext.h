#pragma once

#include <QString>

// The program's short manual, in the interface language installed now: the rows, the
// options, the file format with its keywords and tokens, the import's rules and
// warnings, saving, and quillary-cli. The tables and the example file are made from
// the option catalogue and the writer, so they always say what the program does.
namespace Help {

QString manualHtml();

} // namespace Help
