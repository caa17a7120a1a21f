#pragma once

class QLabel;
class QWidget;

// Puts the explanation of option row `row` (what it does on the player, its values,
// its default) where the user looks for it: the tooltip of the row's description,
// What's This of its caption, description and editor, and for a number the tooltip of
// its editor, led by the numbers it accepts. A function list keeps its own tooltip (its
// current token). In the language installed now: call again after a change.
void explainRow(int row, QWidget *caption, QLabel *description, QWidget *editor);
