#include "configwriter.h"

#include "core/atomicsave.h"

#include <QIODevice>

namespace ConfigWriter {

namespace {

QString zeroFilled(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

} // namespace

QString valueText(Options::ValueKind kind, int value)
{
    using Options::ValueKind;
    switch (kind) {
    case ValueKind::Id:
    case ValueKind::Boot:
        return zeroFilled(value, 3);
    case ValueKind::Volume:
        return zeroFilled(value, 2);
    case ValueKind::Power:
        return value == 1 ? QStringLiteral("1") : QStringLiteral("0");
    case ValueKind::Monitoring:
        return value >= 1 && value <= 3 ? QString::number(value) : QStringLiteral("0");
    case ValueKind::Function:
        return Options::functionToken(value);
    case ValueKind::Baudrate:
        return Options::baudrateItemList().value(value);
    }
    return QString();
}

QByteArray fileContents(const Options::OptionStates &states)
{
    QByteArray bytes;
    for (int r = 0; r < Options::OptionCount; ++r) {
        if (!states[r].included)
            continue;
        const Options::OptionRow &option = Options::catalogue()[r];
        bytes += option.keyword.toLatin1();
        bytes += ':';
        bytes += valueText(option.kind, states[r].value).toLatin1();
        bytes += "\r\n";   // the player reads CR LF only
    }
    return bytes;
}

bool writeConfigFile(QIODevice &device, const Options::OptionStates &states)
{
    return writeAll(device, fileContents(states));
}

bool saveConfigFile(const QString &path, const Options::OptionStates &states)
{
    return saveAtomically(path, [&states](QIODevice &device) {
        return writeConfigFile(device, states);
    });
}

} // namespace ConfigWriter
