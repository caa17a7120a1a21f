#pragma once

#include <QStringView>

// What a line that begins like an option line, yet with no option's key, was likely
// meant to say: the reader skips such a line, as the player does, and tells so.
namespace ConfigReader {

// The start of `line` up to and including the colon, when the line is shaped like an
// option line: leading white space, "#" or not, a word of letters, digits and "_"
// that begins with a letter, blanks, ":". Otherwise an empty view: a comment, a
// heading, a blank line.
QStringView optionShapedKey(QStringView line);

struct KeyHint {
    int row = -1;       // the option meant ("did you mean #VOLUME?"); -1 when none is close
    int lastRow = -1;   // set when the key names a number its kind does not have: the options
                        // of that kind are `row` to `lastRow` (#INPUT16: #INPUT01 to #INPUT15)
};

// The option a key that is none was meant to be: the same but for case, a missing "#" or
// blanks before the colon; a number of an input or a button written otherwise (#INPUT1);
// or the one key that is one letter off (two for longer keywords).
KeyHint hintForKey(QStringView key);

} // namespace ConfigReader
