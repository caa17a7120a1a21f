#include "decimalnumber.h"

#include <algorithm>

namespace Options {

bool isDecimal(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isAsciiDigit);
}

std::optional<quint32> decimalNumber(QStringView text, quint32 maximum)
{
    if (text.isEmpty())
        return std::nullopt;
    quint64 number = 0;   // at most `maximum` before each digit: ten times it and a digit still fit
    for (const QChar c : text) {
        if (!isAsciiDigit(c))
            return std::nullopt;
        number = number * 10 + (c.unicode() - u'0');
        if (number > maximum)
            return std::nullopt;
    }
    return quint32(number);
}

} // namespace Options
