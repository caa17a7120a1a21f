// quillary-cli: checks and writes the player's configuration files from scripts, with
// no display. QtCore only.
#include "files/inplacebackup.h"
#include "commands.h"
#include "identity/applicationidentity.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <optional>

#ifdef Q_OS_WIN
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
#include <QTextCodec>
#endif
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#ifndef NOMINMAX
#define NOMINMAX   // std::min and std::max stay functions
#endif
#include <windows.h>
#endif

namespace {

const char *const description = R"(Checks and writes config.txt, the configuration file of the Halvex PLX7
audio player, exactly as the Quillary window reads and writes it.

check [--lenient] [--quiet] [--format=text|json] FILE...
  Prints the import report of each file, one line per option line, then a
  summary. Under a refused line (ERROR) it says why: the value, what the option
  takes and what the row keeps. It warns, as FILE:LINE: ..., of every line the
  window skips or reads otherwise than it says: a key that is no option's
  (with the one it looks like), a value cut to its field or with characters
  dropped ('1270' read as 127), an option given on several lines (which one is
  taken), and of a file without any option line.
  --quiet prints only the reasons and warnings; --format=json prints them only,
  each as one JSON object a line (file, line, verdict, kind, key, message...).
  Exit status: 0 when every option line is OK and nothing is warned of, 1 when
  a line is refused or a warning given (--lenient: only a refused line), 2 when
  a file cannot be read or is not text (the others are still checked).

generate [--from FILE] [--set KEY=VALUE]... [--unset KEY]... [--only KEY,...] -o FILE|-
  Starts from the window's start-up state (every option, default values) or
  from what the window imports from the --from file; then leaves out the
  options not named by --only and those named by --unset, and includes the
  --set options with their values. Writes the file as the window's Generate
  does (CR LF line ends), replacing FILE only once the new one is complete;
  -o - writes to standard output.
  A --from file with a refused line, or a warning (unless --lenient), is not
  used: the file, the line and the reason are named and nothing is written, so
  that no option silently falls back to its default or takes a value the file
  does not say. 'quillary-cli check FILE' lists them all.
  Exit status: 0 when written; 2 when nothing was written (a bad key, value or
  argument, a --from file that cannot be read, is not text, has a refused line
  or a warning, or a failed write).

Keys (any case, with or without '#') and their values, as the file holds them:
)";

int usageError(const QString &text)
{
    Cli::printError(text);
    std::fputs("Try 'quillary-cli --help' for more information.\n", stderr);
    return Cli::Failed;
}

void print(const QString &text)
{
    std::fputs(qPrintable(text), stdout);
}

#ifdef Q_OS_WIN
// Scripts get the bytes they get on Linux: UTF-8 text with LF line ends, which the C
// runtime's text mode would turn into CR LF and Qt would encode in the ANSI code page.
// A console shows the text as UTF-8 while the tool runs, and gets its code page back.
void writeUtf8Bytes()
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
#endif
    static const UINT consoleCodePage = GetConsoleOutputCP();
    if (consoleCodePage != 0 && consoleCodePage != CP_UTF8 && SetConsoleOutputCP(CP_UTF8))
        std::atexit([] { SetConsoleOutputCP(consoleCodePage); });
}
#endif

// An argument whose bytes the system's encoding cannot read as they are: its name, with
// those bytes as \xHH, else nothing. Qt would read it with U+FFFD in their place, and
// a file name so changed names another file, or none.
QString unreadableArgument(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    // There Qt takes the arguments from the wide command line; argv is only its ANSI copy.
    Q_UNUSED(argc)
    Q_UNUSED(argv)
    return QString();
#endif
    for (int i = 1; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        if (QFile::encodeName(QFile::decodeName(bytes)) == bytes)
            continue;
        QString shown = QStringLiteral("'");
        for (const char c : bytes)
            shown += c >= 0x20 && c < 0x7f && c != '\'' && c != '\\' ? QString(QLatin1Char(c))
                                                                      : QStringLiteral("\\x%1").arg(uchar(c), 2, 16, QLatin1Char('0'));
        return shown + QLatin1Char('\'');
    }
    return QString();
}

// The command line of both commands. The parser knows every option, so that each command
// can name those that are not its own.
struct Arguments {
    Arguments();
    // Whether any of the options that only generate takes is given.
    bool generating() const;

    QCommandLineParser parser;
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption from{QStringLiteral("from"), QStringLiteral("generate: start from what FILE holds."),
                                  QStringLiteral("FILE")};
    const QCommandLineOption set{QStringLiteral("set"),
                                 QStringLiteral("generate: include the option KEY with VALUE."),
                                 QStringLiteral("KEY=VALUE")};
    const QCommandLineOption unset{QStringLiteral("unset"), QStringLiteral("generate: leave the option KEY out."),
                                   QStringLiteral("KEY")};
    const QCommandLineOption only{QStringLiteral("only"),
                                  QStringLiteral("generate: leave out every option not in the list."),
                                  QStringLiteral("KEY,...")};
    const QCommandLineOption output{{QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("generate: the file to write, - for standard output."),
                                    QStringLiteral("FILE|-")};
    const QCommandLineOption lenient{QStringLiteral("lenient"),
                                     QStringLiteral("check, generate: warnings alone are no failure.")};
    const QCommandLineOption quiet{{QStringLiteral("q"), QStringLiteral("quiet")},
                                   QStringLiteral("check: print only the reasons and warnings.")};
    const QCommandLineOption format{QStringLiteral("format"),
                                    QStringLiteral("check: text, or json for one object a reason or warning."),
                                    QStringLiteral("text|json"), QStringLiteral("text")};
};

Arguments::Arguments()
{
    parser.addOptions({from, set, unset, only, output, lenient, quiet, format});
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("check or generate."),
                                 QStringLiteral("check|generate"));
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("check: the files to check."),
                                 QStringLiteral("[FILE...]"));
}

bool Arguments::generating() const
{
    return parser.isSet(from) || parser.isSet(set) || parser.isSet(unset) || parser.isSet(only)
           || parser.isSet(output);
}

// --version and --help, which answer without a command; nothing when neither is asked for.
std::optional<int> answer(Arguments &arguments)
{
    QCommandLineParser &parser = arguments.parser;
    if (parser.isSet(arguments.version)) {
        print(QStringLiteral("quillary-cli %1\n").arg(QCoreApplication::applicationVersion()));
        return Cli::Success;
    }
    if (!parser.isSet(arguments.help) && !parser.isSet(QStringLiteral("help-all")))
        return std::nullopt;
    // Only a help text shows the key table: no other run builds it.
    parser.setApplicationDescription(QString::fromUtf8(description) + Cli::keyTable());
    print(parser.helpText());
    return Cli::Success;
}

int check(const Arguments &arguments, const QStringList &files)
{
    const QCommandLineParser &parser = arguments.parser;
    if (arguments.generating())
        return usageError(QStringLiteral("check takes files only; --from, --set, --unset, --only and -o "
                                         "are for generate"));
    if (files.isEmpty())
        return usageError(QStringLiteral("check: no file given"));
    const QString shape = parser.value(arguments.format);
    if (shape != QLatin1String("text") && shape != QLatin1String("json"))
        return usageError(QStringLiteral("check: --format is text or json, not '%1'").arg(shape));
    return Cli::check(files, {parser.isSet(arguments.lenient), parser.isSet(arguments.quiet),
                              shape == QLatin1String("json")});
}

int generate(const Arguments &arguments, const QStringList &rest)
{
    const QCommandLineParser &parser = arguments.parser;
    if (!rest.isEmpty())
        return usageError(QStringLiteral("generate: unexpected argument '%1'").arg(rest.first()));
    if (parser.isSet(arguments.quiet) || parser.isSet(arguments.format))
        return usageError(QStringLiteral("generate: --quiet and --format are for check"));
    if (!parser.isSet(arguments.output))
        return usageError(QStringLiteral("generate: no output given (-o FILE, or -o - for standard output)"));
    if (parser.values(arguments.from).size() > 1 || parser.values(arguments.output).size() > 1)
        return usageError(QStringLiteral("generate: --from and -o are given once"));
    if (parser.isSet(arguments.from) && parser.value(arguments.from).isEmpty())
        return usageError(QStringLiteral("generate: --from names no file"));
    QStringList onlyKeys;
    for (const QString &list : parser.values(arguments.only))
        onlyKeys += list.split(QLatin1Char(','));
    return Cli::generate({parser.value(arguments.from), onlyKeys, parser.values(arguments.unset),
                          parser.values(arguments.set), parser.value(arguments.output),
                          parser.isSet(arguments.lenient)});
}

int runCommand(const Arguments &arguments)
{
    QStringList rest = arguments.parser.positionalArguments();
    const QString command = rest.isEmpty() ? QString() : rest.takeFirst();
    if (command == QLatin1String("check"))
        return check(arguments, rest);
    if (command == QLatin1String("generate"))
        return generate(arguments, rest);
    return usageError(command.isEmpty() ? QStringLiteral("no command given (check or generate)")
                                        : QStringLiteral("unknown command '%1' (check or generate)").arg(command));
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    writeUtf8Bytes();
#endif
    setApplicationIdentity();
    QCoreApplication::setApplicationName(QStringLiteral("quillary-cli"));
    QCoreApplication app(argc, argv);

    Arguments arguments;
    if (!arguments.parser.parse(app.arguments()))
        return usageError(arguments.parser.errorText());
    if (const std::optional<int> answered = answer(arguments))
        return *answered;
    const QString unreadable = unreadableArgument(argc, argv);
    if (!unreadable.isEmpty()) {
        Cli::printError(QStringLiteral("%1 is not valid in the system's encoding: such a name cannot be read "
                                       "or written as it is; rename the file").arg(unreadable));
        return Cli::Failed;
    }
    for (const QString &notice : unfinishedSaves())
        Cli::printError(notice);
    return runCommand(arguments);
}
