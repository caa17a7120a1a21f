#pragma once

#include <QStringView>

#include <limits>
#include <optional>

// Numbers as the configuration file and the command line write them: plain decimal
// digits, '0' to '9' only, leading zeros allowed. No sign, no blank, no digit of
// another script: whatever else a text holds, it is no such number.
namespace Options {

constexpr bool isAsciiDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// True when `text` is one or more ASCII digits, however many.
bool isDecimal(QStringView text);

// The number `text` writes, when it is decimal (see isDecimal) and at most `maximum`;
// nothing otherwise, however many digits there are.
std::optional<quint32> decimalNumber(QStringView text, quint32 maximum = std::numeric_limits<quint32>::max());

} // namespace Options
