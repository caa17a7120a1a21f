#pragma once

#include "optioncatalogue.h"

#include <QString>
#include <QVector>

// What each option does on the player and what its values mean, in the interface
// language installed now. The rows' tooltips and What's This, and the manual, all take
// their explanations from here; ranges, defaults, item texts and tokens come from the
// catalogue.
namespace Options {

// One value, or a run of numbered values, as the window shows it, the file's text for
// it, and what it means: {"Off", "0", "energy saving is off"}.
struct ValueMeaning {
    QString shown;
    QString written;
    QString meaning;
};

// What the option of row `row` does on the player, in a sentence or two.
QString purpose(int row);

// Every value the option of a list row can take, in list order; the function list's
// numbered folders and serial commands as one entry each. Empty for a number.
QVector<ValueMeaning> valueMeanings(int row);

// The numbers an editor accepts, "1–127"; empty for a list.
QString acceptedRange(ValueKind kind);

// The value a row starts with, as the window shows it: "32", "Off", "Folder 001".
QString defaultShown(int row);

// The explanation of a row as rich text: what it does, its values, its default.
QString explanationHtml(int row);

} // namespace Options
