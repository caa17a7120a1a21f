#pragma once

#include <QStringList>
#include <QVector>

#include <array>
#include <vector>

namespace Options {

// Finds items of the function list from what the user types: the token as it stands in
// the file ("FOLDER537", "next_track"), the shown text in the interface language
// ("Dossier 537"), or a short form ("f537", "folder 5", "rs 12", "v-").
//
// Typed text and names are cut into words: runs of letters, runs of digits, and every
// other sign on its own ("Volume -" is "volume", "-"); blanks and underscores only
// separate. Case and accents do not count. Each typed word must begin a word of the
// name, in the name's order; a typed number also stands for its value, so "5" is "005"
// as well as the start of "5xx".
class FunctionSearch
{
public:
    // Takes the items' texts in the language installed now.
    FunctionSearch();

    static constexpr int NoMatch = -1;

    // For each list index: its place among the matches of `typed` (smaller comes first),
    // or NoMatch. A name typed in full comes first, then names that begin with the typed
    // words, then names that have them further in; whole words before beginnings; then
    // list order.
    QVector<int> ranks(QStringView typed) const;

private:
    std::vector<std::array<QStringList, 2>> names;   // per item: shown text, token
};

} // namespace Options
