// Reading rules and atomic writing of the preference file.
#include "support/testapp.h"

#include "app/globals.h"
#include "language/preferencefile.h"

#include <QTemporaryDir>

#include <optional>

using Preferences::Language;
Q_DECLARE_METATYPE(Language)

namespace {

Preferences::FileFormat format()
{
    return {playerModelCode, preferenceFileVersion, preferenceFileTitle, defaultLanguageName,
            preferenceFileSuffix};
}

// What a read decided, readable in a failure message.
QString outcome(const std::optional<Language> &language)
{
    if (!language)
        return QStringLiteral("ignored");
    switch (*language) {
    case Language::English:
        return QStringLiteral("English");
    case Language::French:
        return QStringLiteral("French");
    case Language::Default:
        break;
    }
    return QStringLiteral("Default");
}

QByteArray fiveLines(const QByteArray &first, const QByteArray &fifth)
{
    return first + "\nQuillary (Configuration File)\nGenerate by: Quillary 1.2.0.0\n*** Default Language:\n"
           + fifth + "\n";
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

const QByteArray lineEnd =
#ifdef Q_OS_WIN
    "\r\n";
#else
    "\n";
#endif

} // namespace

class TestPreferenceFile : public QObject
{
    Q_OBJECT

private slots:
    void readingRules_data();
    void readingRules();
    void unreadablePlaces_data();
    void unreadablePlaces();
    void hugeFileIsNotReadWhole();
    void writtenLines_data();
    void writtenLines();
    void writeReplacesWholeFile();
    void unwritableTargetLeavesNoTrace_data();
    void unwritableTargetLeavesNoTrace();
    void emptyPathMeansFileBesideExecutable();
};

void TestPreferenceFile::readingRules_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("expected");

    const QString ignored = QStringLiteral("ignored");
    QTest::newRow("English") << fiveLines("PLX71.10", "English") << QStringLiteral("English");
    QTest::newRow("French") << fiveLines("PLX71.10", "French") << QStringLiteral("French");
    QTest::newRow("(default)") << fiveLines("PLX71.10", "(default)") << QStringLiteral("Default");
    QTest::newRow("marks reversed among other text")
        << fiveLines("v1.10 of the PLX7 player", "French") << QStringLiteral("French");
    QTest::newRow("model code only") << fiveLines("PLX7", "French") << ignored;
    QTest::newRow("version only") << fiveLines("1.10", "French") << ignored;
    QTest::newRow("model code in lower case") << fiveLines("plx71.10", "French") << ignored;
    QTest::newRow("marks on line 2") << QByteArray("\nPLX71.10\n\n\nFrench\n") << ignored;
    QTest::newRow("lower-case name") << fiveLines("PLX71.10", "english") << QStringLiteral("Default");
    QTest::newRow("trailing blank") << fiveLines("PLX71.10", "English ") << QStringLiteral("Default");
    QTest::newRow("leading blank") << fiveLines("PLX71.10", " French") << QStringLiteral("Default");
    QTest::newRow("name in French") << fiveLines("PLX71.10", "Français") << QStringLiteral("Default");
    QTest::newRow("CR LF line ends")
        << QByteArray("PLX71.10\r\nQuillary (Configuration File)\r\nx\r\ny\r\nFrench\r\n")
        << QStringLiteral("French");
    QTest::newRow("no final line end") << QByteArray("PLX71.10\n2\n3\n4\nEnglish") << QStringLiteral("English");
    QTest::newRow("lines after line 5 ignored")
        << QByteArray(fiveLines("PLX71.10", "French") + "English\n") << QStringLiteral("French");
    QTest::newRow("truncated after line 1") << QByteArray("PLX71.10\n") << QStringLiteral("Default");
    QTest::newRow("line 1 only, no line end") << QByteArray("PLX71.10") << QStringLiteral("Default");
    QTest::newRow("four lines") << QByteArray("PLX71.10\n2\n3\n4\n") << QStringLiteral("Default");
    QTest::newRow("empty") << QByteArray() << ignored;

    QByteArray noise(4096, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919 + 13) % 256);
    QTest::newRow("binary") << noise << ignored;
    QTest::newRow("binary after an accepted line 1")
        << QByteArray("PLX71.10\n" + noise) << QStringLiteral("Default");
    QTest::newRow("NUL inside line 5")
        << fiveLines("PLX71.10", QByteArray("French\0x", 8)) << QStringLiteral("Default");
}

void TestPreferenceFile::readingRules()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Quillary.cfg"));
    QVERIFY(writeFile(path, contents));
    QCOMPARE(outcome(Preferences::readLanguage(path, format())), expected);
}

void TestPreferenceFile::unreadablePlaces_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("missing file") << QStringLiteral("missing.cfg");
    QTest::newRow("a folder") << QStringLiteral("folder");
    QTest::newRow("under a regular file") << QStringLiteral("plain/Quillary.cfg");
}

void TestPreferenceFile::unreadablePlaces()
{
    QFETCH(QString, relativePath);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("plain")), "PLX71.10\n"));
    QCOMPARE(outcome(Preferences::readLanguage(dir.filePath(relativePath), format())), QStringLiteral("ignored"));
}

// Several megabytes without a line end: only the head is ever looked at, so
// nothing grows with the file and line 1 is judged on what was read.
void TestPreferenceFile::hugeFileIsNotReadWhole()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Quillary.cfg"));
    QByteArray junk(8 * 1024 * 1024, 'x');
    QVERIFY(writeFile(path, junk + "PLX71.10\n2\n3\n4\nFrench\n"));
    QCOMPARE(outcome(Preferences::readLanguage(path, format())), QStringLiteral("ignored"));

    QVERIFY(writeFile(path, fiveLines("PLX71.10", "English") + junk));
    QCOMPARE(outcome(Preferences::readLanguage(path, format())), QStringLiteral("English"));
}

void TestPreferenceFile::writtenLines_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QByteArray>("fifthLine");
    QTest::newRow("Default") << Language::Default << QByteArray("(default)");
    QTest::newRow("English") << Language::English << QByteArray("English");
    QTest::newRow("French") << Language::French << QByteArray("French");
}

void TestPreferenceFile::writtenLines()
{
    QFETCH(Language, language);
    QFETCH(QByteArray, fifthLine);

    const QByteArray expected = "PLX71.10" + lineEnd + "Quillary (Configuration File)" + lineEnd
                                + "Generate by: Quillary 1.2.0.0" + lineEnd + "*** Default Language:"
                                + lineEnd + fifthLine + lineEnd;
    QCOMPARE(Preferences::fileContents(language, format()), expected);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Quillary.cfg"));
    QVERIFY(Preferences::writeLanguage(path, language, format()));
    QCOMPARE(readFile(path), expected);
    QVERIFY(Preferences::readLanguage(path, format()) == language);
}

// A longer old file is replaced, not overwritten in place, and no temporary file
// is left beside it.
void TestPreferenceFile::writeReplacesWholeFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Quillary.cfg"));
    QVERIFY(writeFile(path, QByteArray(10000, 'z')));
    QVERIFY(Preferences::writeLanguage(path, Language::French, format()));
    QCOMPARE(readFile(path), Preferences::fileContents(Language::French, format()));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Quillary.cfg")});
}

void TestPreferenceFile::unwritableTargetLeavesNoTrace_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<QString>("probe");   // what must be unchanged afterwards
    QTest::newRow("folder is a regular file") << QStringLiteral("plain/Quillary.cfg") << QStringLiteral("plain");
    QTest::newRow("file is a folder") << QStringLiteral("folder") << QStringLiteral("folder/old.cfg");
}

void TestPreferenceFile::unwritableTargetLeavesNoTrace()
{
    QFETCH(QString, relativePath);
    QFETCH(QString, probe);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile(dir.filePath(QStringLiteral("plain")), "old contents"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("folder/old.cfg")), "old contents"));

    QVERIFY(!Preferences::writeLanguage(dir.filePath(relativePath), Language::English, format()));
    QCOMPARE(readFile(dir.filePath(probe)), QByteArray("old contents"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             (QStringList{QStringLiteral("folder"), QStringLiteral("plain")}));
}

void TestPreferenceFile::emptyPathMeansFileBesideExecutable()
{
    const QString besideExecutable = QCoreApplication::applicationDirPath() + QStringLiteral("/Quillary.cfg");
    QCOMPARE(Preferences::resolvedPath(QString(), format()), besideExecutable);
    QCOMPARE(Preferences::resolvedPath(QStringLiteral("/x/y.cfg"), format()), QStringLiteral("/x/y.cfg"));
}

QUILLARY_TEST_MAIN(TestPreferenceFile)
#include "tst_preferencefile.moc"
