#include "configwriter.h"

namespace ConfigWriter {

QByteArray fileContents(const Options::OptionStates &states)
{
    QByteArray bytes;
    for (int r = 0; r < Options::OptionCount; ++r) {
        if (!states[r].included)
            continue;
        const Options::OptionRow &option = Options::catalogue()[r];
        bytes += option.keyword.toLatin1();
        bytes += ':';
        bytes += Options::valueText(option.kind, states[r].value).toLatin1();
        bytes += "\r\n";   // the player reads CR LF only
    }
    return bytes;
}

} // namespace ConfigWriter
