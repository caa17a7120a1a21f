#include "configwriter.h"

namespace ConfigWriter {

QVector<Line> lines(const Options::OptionStates &states)
{
    QVector<Line> lines;
    for (int r = 0; r < Options::OptionCount; ++r) {
        if (!states[r].included)
            continue;
        const Options::OptionRow &option = Options::catalogue()[r];
        lines.append({r, option.keyword.toLatin1() + ':' + Options::valueText(option.kind, states[r].value).toLatin1()});
    }
    return lines;
}

QByteArray fileContents(const Options::OptionStates &states)
{
    QByteArray bytes;
    for (const Line &line : lines(states))
        bytes += line.text + "\r\n";   // the player reads CR LF only
    return bytes;
}

} // namespace ConfigWriter
