#include "commandline.h"

#include "files/resolvedname.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace CommandLine {

namespace {

// Messages for the terminal; the window's language is not known before it opens.
void setUp(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Prepares config.txt, the configuration file of the Halvex PLX7 audio player.\n"
        "Given a file, the window opens and imports it as File > Import does.\n"
        "quillary-cli checks and writes such files without a window."));
    // "-style" and "-reverse" are Qt's own words, not bundles of one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The configuration file to import."),
                                 QStringLiteral("[file]"));
}

} // namespace

std::optional<int> answerWithoutWindow(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    setUp(parser);
    parser.parse(arguments);   // Qt's own options are unknown here: only the answers matter
    const bool version = parser.isSet(QStringLiteral("version"));
    if (!version && !parser.isSet(QStringLiteral("help")) && !parser.isSet(QStringLiteral("help-all")))
        return std::nullopt;
    const QCoreApplication app(argc, argv);   // the help names the program; no display needed
    const QString text = version ? QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                                  QCoreApplication::applicationVersion())
                                 : parser.helpText();
    std::fputs(qPrintable(text), stdout);
    return Success;
}

WindowRequest parseWindowArguments(const QStringList &arguments)
{
    QCommandLineParser parser;
    setUp(parser);
    const bool parsed = parser.parse(arguments);
    const QStringList files = parser.positionalArguments();
    if (!parsed || files.size() > 1) {
        const QString why = !parsed ? parser.errorText() : QStringLiteral("only one file can be opened at a time");
        std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n",
                     qPrintable(QCoreApplication::applicationName()), qPrintable(why),
                     qPrintable(QCoreApplication::applicationName()));
        return {UsageError, QString()};
    }
    const QString file = files.value(0);
    return {std::nullopt, file.isEmpty() ? QString() : absoluteName(file)};
}

} // namespace CommandLine
