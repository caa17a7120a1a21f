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
    quint32 number = 0;
    for (const QChar c : text) {
        if (!isAsciiDigit(c))
            return std::nullopt;
        const quint32 digit = c.unicode() - u'0';
        // number * 10 + digit <= maximum, asked without overflowing
        if (digit > maximum || number > (maximum - digit) / 10)
            return std::nullopt;
        number = number * 10 + digit;
    }
    return number;
}

} // namespace Options
