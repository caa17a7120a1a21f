#include "keyhint.h"

#include "options/optioncatalogue.h"

#include <QString>
#include <QVector>

#include <algorithm>
#include <numeric>

namespace ConfigReader {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// The options that differ only in their number: the inputs, the buttons. Rows first to
// last, one after the other in the catalogue.
struct Kind {
    QString stem;
    int first, last;
};

const QVector<Kind> &numberedKinds()
{
    static const QVector<Kind> kinds = [] {
        QVector<Kind> found;
        const auto &rows = Options::catalogue();
        for (int r = 0; r < Options::OptionCount; ++r) {
            const QString stem = Options::splitKeyword(rows[r].keyword).stem.toString();
            if (!found.isEmpty() && found.last().stem == stem)
                found.last().last = r;
            else
                found.append({stem, r, r});
        }
        found.erase(std::remove_if(found.begin(), found.end(), [](const Kind &k) { return k.first == k.last; }),
                    found.end());
        return found;
    }();
    return kinds;
}

// Letters to insert, drop, change or swap with their neighbour to make `a` into `b`.
int distance(QStringView a, QStringView b)
{
    QVector<int> before(b.size() + 1), previous(b.size() + 1), current(b.size() + 1);
    std::iota(previous.begin(), previous.end(), 0);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int change = a[i - 1] == b[j - 1] ? 0 : 1;
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                current[j] = std::min(current[j], before[j - 2] + 1);
        }
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[b.size()];
}

// How many letters a key may be off and still be taken for `keyword`: none for the
// shortest, or every two-letter word would be an ID.
int lettersOff(const QString &keyword)
{
    const qsizetype letters = keyword.size() - 1;   // without the '#'
    return letters <= 2 ? 0 : letters <= 5 ? 1 : 2;
}

} // namespace

QStringView optionShapedKey(QStringView line)
{
    qsizetype start = 0;
    while (start < line.size() && line[start].isSpace())
        ++start;
    qsizetype i = start;
    if (i < line.size() && line[i] == QLatin1Char('#'))
        ++i;
    if (i == line.size() || !line[i].isLetter())
        return {};
    while (i < line.size() && (line[i].isLetterOrNumber() || line[i] == QLatin1Char('_')))
        ++i;
    while (i < line.size() && isBlank(line[i]))
        ++i;
    if (i == line.size() || line[i] != QLatin1Char(':'))
        return {};
    return line.mid(start, i + 1 - start);
}

KeyHint hintForKey(QStringView key)
{
    QString word = key.chopped(1).trimmed().toString().toUpper();
    if (!word.startsWith(QLatin1Char('#')))
        word.prepend(QLatin1Char('#'));
    const auto &rows = Options::catalogue();
    for (int r = 0; r < Options::OptionCount; ++r) {
        if (rows[r].keyword == word)
            return {r};
    }
    const Options::NumberedKeyword numbered = Options::splitKeyword(word);
    for (const Kind &kind : numberedKinds()) {
        if (kind.stem != numbered.stem)
            continue;
        for (int r = kind.first; r <= kind.last; ++r) {
            if (Options::splitKeyword(rows[r].keyword).number == numbered.number)
                return {r};
        }
        return {kind.first, kind.last};
    }
    // The one closest keyword, if it is close enough and no other is as close.
    int closest = -1, least = 0;
    bool tie = false;
    for (int r = 0; r < Options::OptionCount; ++r) {
        const QString &keyword = rows[r].keyword;
        const int allowed = lettersOff(keyword);
        if (qAbs(keyword.size() - word.size()) > allowed)
            continue;
        const int d = distance(word, keyword);
        if (d > allowed || (closest >= 0 && d > least))
            continue;
        tie = closest >= 0 && d == least;
        closest = tie ? closest : r;
        least = d;
    }
    return tie ? KeyHint() : KeyHint{closest};
}

} // namespace ConfigReader
