#pragma once

#include <QColor>

class QPalette;
class QWidget;

// Secondary text (the rows' descriptions, the path) is set apart from the captions
// by a softer colour, yet must stay readable: at least 4.5:1 against its background,
// in a light theme as in a dark one. The colour is worked out from the palette in
// force, never fixed.
namespace ReadableColour {

// The contrast that text of a normal size needs to be read comfortably.
constexpr double MinimumContrast = 4.5;

// Contrast ratio of two opaque colours, from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor &a, const QColor &b);

// The window text of `group` moved towards the window colour as far as
// MinimumContrast allows; the window text itself where it has no more contrast.
QColor secondaryText(const QPalette &palette, int group);

// Gives `widget` the secondary text colour, now and whenever its palette changes
// (another theme, a palette set on the window).
void useSecondaryText(QWidget *widget);

} // namespace ReadableColour
