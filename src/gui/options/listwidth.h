#pragma once

#include <QStringList>

class QComboBox;
class QFontMetrics;

// A list box at its default size policy measures every item whenever its size hint is
// needed; with 2007 items in 17 function lists that would dominate start-up. These
// measure given items once and make the result the box's minimum width instead.

// The advance of the widest of `texts`.
int widestText(const QFontMetrics &metrics, const QStringList &texts);

// The width at which `box` shows each of `items` in full.
int listWidth(const QComboBox *box, const QStringList &items);

// The width at which a function list shows its longest item in full, in the language
// installed now; measured on a few items that are together as wide as all 2007.
int functionListWidth(const QComboBox *box);

// Makes `width` the minimum width of `box`, which then never measures its items.
void setListWidth(QComboBox *box, int width);
