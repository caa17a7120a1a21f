#include "functionsearch.h"

#include "optioncatalogue.h"

#include <algorithm>

namespace Options {

namespace {

// How well the typed words fit a name, best first.
enum class Fit { WholeName, StartWholeWords, Start, InsideWholeWords, Inside, None };

// How one typed word fits one word of a name.
enum class WordFit { None, Beginning, Whole };

bool isAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

QStringList wordsOf(QStringView text)
{
    // Decomposed, an accented letter is its base letter and a mark that is then dropped:
    // "série" is found as "serie".
    const QString decomposed = isAscii(text) ? text.toString()
                                             : text.toString().normalized(QString::NormalizationForm_KD);
    enum class Kind { Separator, Letter, Digit };
    QStringList words;
    QString word;
    Kind kind = Kind::Separator;
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        const Kind k = c.isLetter() ? Kind::Letter : c.isDigit() ? Kind::Digit : Kind::Separator;
        if (k != kind && !word.isEmpty()) {
            words.append(word);
            word.clear();
        }
        kind = k;
        if (k != Kind::Separator)
            word.append(c.toCaseFolded());
        else if (!c.isSpace() && c != QLatin1Char('_'))
            words.append(QString(c));   // "+", "-": the sign is the word
    }
    if (!word.isEmpty())
        words.append(word);
    return words;
}

QStringView withoutLeadingZeros(QStringView digits)
{
    while (!digits.isEmpty() && digits.front() == QLatin1Char('0'))
        digits = digits.mid(1);
    return digits;
}

WordFit fitWord(const QString &typed, const QString &word)
{
    if (!word.startsWith(typed)) {
        // A number typed without its leading zeros: "5" for "005".
        const bool numbers = typed.front().isDigit() && word.front().isDigit();
        return numbers && withoutLeadingZeros(typed) == withoutLeadingZeros(word) ? WordFit::Whole
                                                                                 : WordFit::None;
    }
    return typed.size() == word.size() || withoutLeadingZeros(typed) == withoutLeadingZeros(word)
               ? WordFit::Whole
               : WordFit::Beginning;
}

// Each typed word takes the next word of the name that it fits.
Fit fitName(const QStringList &typed, const QStringList &name)
{
    int next = 0;
    int first = -1;
    bool wholeWords = true;
    for (const QString &t : typed) {
        WordFit fit = WordFit::None;
        for (; next < name.size(); ++next) {
            fit = fitWord(t, name.at(next));
            if (fit != WordFit::None)
                break;
        }
        if (fit == WordFit::None)
            return Fit::None;
        if (first < 0)
            first = next;
        wholeWords = wholeWords && fit == WordFit::Whole;
        ++next;
    }
    if (first != 0)
        return wholeWords ? Fit::InsideWholeWords : Fit::Inside;
    if (!wholeWords)
        return Fit::Start;
    return typed.size() == name.size() ? Fit::WholeName : Fit::StartWholeWords;
}

} // namespace

FunctionSearch::FunctionSearch()
{
    names.reserve(FunctionCount);
    for (int i = 0; i < FunctionCount; ++i)
        names.push_back({wordsOf(functionItemText(i)), wordsOf(functionToken(i))});
}

QVector<int> FunctionSearch::ranks(QStringView typed) const
{
    const QStringList typedWords = wordsOf(typed);
    QVector<int> ranks(FunctionCount, NoMatch);
    if (typedWords.isEmpty())
        return ranks;
    for (int i = 0; i < FunctionCount; ++i) {
        const Fit fit = std::min(fitName(typedWords, names[i][0]), fitName(typedWords, names[i][1]));
        if (fit != Fit::None)
            ranks[i] = int(fit) * FunctionCount + i;
    }
    return ranks;
}

} // namespace Options
