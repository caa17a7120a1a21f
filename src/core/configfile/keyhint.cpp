#include "keyhint.h"

#include "options/optioncatalogue.h"

#include <QString>
#include <QVarLengthArray>
#include <QVector>

#include <algorithm>
#include <cstdlib>
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

// Letters to insert, drop, change or swap with their neighbour to make `a` into `b`; any
// number above `limit` is told as limit + 1, as soon as every way is that far off. A file
// may hold thousands of unknown keys: only the cells within `limit` of the diagonal are
// worked out (any other is further off), and no memory is taken for a keyword's length.
int distance(QStringView a, QStringView b, int limit)
{
    const QChar *x = a.data(), *y = b.data();
    int n = int(a.size()), m = int(b.size());
    const int far = limit + 1;
    if (std::abs(n - m) > limit)
        return far;
    // What both begin or end with costs nothing.
    for (; n > 0 && m > 0 && *x == *y; --n, --m)
        ++x, ++y;
    for (; n > 0 && m > 0 && x[n - 1] == y[m - 1]; --n, --m) {
    }
    // Three rows of the table, the one before the previous one for a swap.
    QVarLengthArray<int, 3 * 32> rows(3 * (m + 1));
    std::fill(rows.begin(), rows.end(), far);
    int *before = rows.data(), *previous = before + m + 1, *current = previous + m + 1;
    std::iota(previous, previous + std::min(m, limit) + 1, 0);
    for (int i = 1; i <= n; ++i) {
        const int from = std::max(1, i - limit), to = std::min(m, i + limit);
        current[from - 1] = from == 1 ? std::min(i, far) : far;
        int least = current[from - 1];
        for (int j = from; j <= to; ++j) {
            int cell = std::min(std::min(previous[j], current[j - 1]) + 1, previous[j - 1] + (x[i - 1] == y[j - 1] ? 0 : 1));
            if (i > 1 && j > 1 && x[i - 1] == y[j - 2] && x[i - 2] == y[j - 1])
                cell = std::min(cell, before[j - 2] + 1);
            current[j] = cell;
            least = std::min(least, cell);
        }
        if (to < m)
            current[to + 1] = far;
        if (least > limit)
            return far;
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return std::min(previous[m], far);
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
        // Once one is found, a keyword further off than it does not matter by how much.
        const int d = distance(word, keyword, closest >= 0 ? std::min(allowed, least) : allowed);
        if (d > allowed || (closest >= 0 && d > least))
            continue;
        tie = closest >= 0 && d == least;
        closest = tie ? closest : r;
        least = d;
    }
    return tie ? KeyHint() : KeyHint{closest};
}

} // namespace ConfigReader
