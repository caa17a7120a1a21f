#include "inplacebackup.h"

#include "files/regularfile.h"
#include "files/resolvedname.h"
#include "identity/applicationidentity.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const char noteSignature[] = "quillary in-place save";
const QString pendingSuffix = QStringLiteral(".pending"), toldSuffix = QStringLiteral(".told"),
              backupSuffix = QStringLiteral(".bak");

// The notes and backups are no configuration files; a file written in place is at most
// 16 MiB (see atomicsave.cpp).
constexpr qint64 MaxTargetBytes = 16 << 20;

QByteArray fingerprint(const QByteArray &bytes)
{
    return QByteArray::number(bytes.size()) + ' ' + QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// Locks the note open in `file` for this process; false when another process holds it.
bool lock(QFile &file)
{
#ifdef Q_OS_UNIX
    return ::flock(file.handle(), LOCK_EX | LOCK_NB) == 0;
#else
    Q_UNUSED(file)
    return true;
#endif
}

// Makes the file new (never over another), locked when asked before anything is in it,
// writes `bytes` and forces them to the disk.
bool writeNew(QFile &file, const QByteArray &bytes, bool locked = false)
{
    if (!file.open(QIODevice::ReadWrite | QIODevice::NewOnly) || (locked && !lock(file))
        || file.write(bytes) != bytes.size() || !file.flush())
        return false;
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0;
#else
    return true;
#endif
}

void syncFolder(const QString &folder)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(folder)
#endif
}

// The whole file at `path` (the system's bytes), when it is a regular file small enough.
std::optional<QByteArray> contentsOf(const QByteArray &path)
{
    QFile file(QFile::decodeName(path));
    if (QFile::encodeName(file.fileName()) != path || !openRegularFile(file, QIODevice::ReadOnly)
        || file.size() > MaxTargetBytes)
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    return bytes.size() == file.size() ? std::optional<QByteArray>(bytes) : std::nullopt;
}

QString shownPath(const QByteArray &path)
{
    return QDir::toNativeSeparators(QFile::decodeName(path));
}

} // namespace

QString inPlaceBackupFolder()
{
    return programDataFolder() + QStringLiteral("/in-place-backups");
}

// Neither discarded nor abandoned: the note stays for the next start.
InPlaceBackup::~InPlaceBackup()
{
    unlock();
}

void InPlaceBackup::unlock()
{
#ifdef Q_OS_UNIX
    if (m_lock >= 0)
        ::close(m_lock);
#endif
    m_lock = -1;
}

bool InPlaceBackup::keep(const QByteArray &target, const QByteArray &old, const QByteArray &replacement,
                         QString &why)
{
    const QString folder = inPlaceBackupFolder();
    if (!QDir().mkpath(folder)) {
        why = QCoreApplication::translate("MainWindow", "The folder %1 cannot be made").arg(folder);
        return false;
    }
    // Named after the file, so that a person looking into the folder knows it.
    QString leaf = QFile::decodeName(target.mid(target.lastIndexOf('/') + 1));
    if (QFile::encodeName(leaf) != target.mid(target.lastIndexOf('/') + 1) || leaf.size() > 64)
        leaf = QStringLiteral("file");
    const QString id = QStringLiteral("%1/%2-%3-%4")
                           .arg(folder, leaf, QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")))
                           .arg(QRandomGenerator::global()->generate() % 1000000, 6, 10, QLatin1Char('0'));
    // The note first, locked until the save ends: a note whose backup is not complete
    // is one whose file was not touched yet (see unfinishedSaves()).
    QFile note(id + pendingSuffix), backup(id + backupSuffix);
    const QByteArray text = QByteArray(noteSignature) + "\ntarget " + target.toHex() + "\nold " + fingerprint(old)
                            + "\nnew " + fingerprint(replacement) + "\nend\n";
    if (!writeNew(note, text, true)) {
        why = note.errorString();
        note.close();
        QFile::remove(note.fileName());   // QFile::remove() would not, after a failed flush
        return false;
    }
    m_note = QFile::encodeName(note.fileName());
    m_backup = QFile::encodeName(backup.fileName());
#ifdef Q_OS_UNIX
    m_lock = ::dup(note.handle());   // the lock goes with the descriptor
#endif
    note.close();
    if (!writeNew(backup, old)) {
        why = QCoreApplication::translate("MainWindow", "The old content cannot be kept in %1 (%2)")
                  .arg(QDir::toNativeSeparators(backup.fileName()), backup.errorString());
        backup.close();
        discard();
        return false;
    }
    syncFolder(folder);
    return true;
}

void InPlaceBackup::discard()
{
    QFile::remove(QFile::decodeName(m_note));   // the note first: a backup without one is no loss
    QFile::remove(QFile::decodeName(m_backup));
    unlock();
}

QString InPlaceBackup::abandon()
{
    const QString note = QFile::decodeName(m_note);
    QFile::rename(note, note.chopped(pendingSuffix.size()) + toldSuffix);
    unlock();
    return shownPath(m_backup);
}

QStringList unfinishedSaves()
{
    QStringList notices;
    const QDir folder(inPlaceBackupFolder());
    const QStringList notes = folder.entryList({QLatin1Char('*') + pendingSuffix}, QDir::Files | QDir::Hidden);
    for (const QString &name : notes) {
        const QString id = folder.filePath(name.chopped(pendingSuffix.size()));
        QFile note(id + pendingSuffix);   // its name is gone once it is open by descriptor
        if (!openRegularFile(note, QIODevice::ReadOnly) || !lock(note))
            continue;   // a save running now
        const QList<QByteArray> lines = note.read(64 * 1024).split('\n');
        const bool complete = lines.size() == 6 && lines[0] == noteSignature && lines[4] == "end";
        const QByteArray target = complete ? QByteArray::fromHex(lines[1].mid(7)) : QByteArray();
        const std::optional<QByteArray> now = complete ? contentsOf(target) : std::nullopt;
        const QByteArray held = now ? fingerprint(*now) : QByteArray("-");
        if (!complete || lines[2] == "old " + held || lines[3] == "new " + held) {
            QFile::remove(id + pendingSuffix);   // the file was not touched, or holds its new bytes
            QFile::remove(id + backupSuffix);
            continue;
        }
        QFile::rename(id + pendingSuffix, id + toldSuffix);
        notices << QCoreApplication::translate("MainWindow",
                                               "An in-place save of %1 did not finish: the file may be damaged. "
                                               "Its old content is kept in %2.")
                       .arg(shownPath(target), QDir::toNativeSeparators(id + backupSuffix));
    }
    // A backup without a note: its save ended, and only the removal of the backup was missed.
    for (const QString &name : folder.entryList({QLatin1Char('*') + backupSuffix}, QDir::Files | QDir::Hidden)) {
        const QString id = folder.filePath(name.chopped(backupSuffix.size()));
        if (!QFile::exists(id + pendingSuffix) && !QFile::exists(id + toldSuffix))
            QFile::remove(id + backupSuffix);
    }
    return notices;
}
