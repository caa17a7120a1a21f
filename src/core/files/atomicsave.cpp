#include "atomicsave.h"

#include "files/inplacebackup.h"
#include "files/resolvedname.h"
#include "files/windowsnames.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cerrno>
#include <optional>
#include <utility>

#ifdef Q_OS_UNIX
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

SaveFaults nextSaveFaults;   // set by tests only

// The in-place fallback keeps the whole old file in memory and in a backup; a larger
// one is no configuration file and is not written over.
constexpr qint64 MaxRestorableBytes = 16 << 20;

SaveOutcome success()
{
    SaveOutcome outcome;
    outcome.saved = true;
    return outcome;
}

SaveOutcome failure(const QString &error, bool restored = false, const QString &backup = QString())
{
    SaveOutcome outcome;
    outcome.error = error;
    outcome.restored = restored;
    outcome.backup = backup;
    return outcome;
}

// Why nothing can be saved under `name`, if so: the name rules refuse it, or something
// other than a regular file stands there.
std::optional<SaveOutcome> refusal(const ResolvedName &name)
{
    if (name.refused())
        return failure(name.reason());
    if (name.exists && !name.regular)
        return failure(QCoreApplication::translate("MainWindow", "Not a regular file"));
    return std::nullopt;
}

#ifdef Q_OS_UNIX

// A temporary file is the target's name, cut to fit, then this and six letters or digits.
const QByteArray temporaryMark = ".quillary-";
constexpr int RandomLength = 6;
constexpr int MaxNameBytes = 255;

// A descriptor closed at the end of its scope.
struct Descriptor {
    explicit Descriptor(int fd) : fd(fd) {}
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int fd;
};

// Past a file-size limit the system sends SIGXFSZ, which ends the program halfway through
// a save; ignored, the write fails with EFBIG like one on a full disk, and is handled so.
void ignoreFileSizeSignal()
{
    struct sigaction action {};
    if (::sigaction(SIGXFSZ, nullptr, &action) == 0 && action.sa_handler == SIG_DFL) {
        action.sa_handler = SIG_IGN;
        ::sigaction(SIGXFSZ, &action, nullptr);
    }
}

bool isTemporaryName(const QByteArray &name)
{
    const int mark = name.size() - RandomLength - temporaryMark.size();
    if (mark < 1 || name.mid(mark, temporaryMark.size()) != temporaryMark)
        return false;
    for (const char c : name.right(RandomLength)) {
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

bool sameFile(int fd, int folder, const QByteArray &name)
{
    struct stat opened {}, named {};
    return ::fstat(fd, &opened) == 0 && ::fstatat(folder, name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0
           && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// Removes what killed saves left in the folder: regular files of this user with a
// temporary file's name that no running save holds locked. Never the target itself.
void removeStrayTemporaries(int folder, const QByteArray &target)
{
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *entries = listing >= 0 ? ::fdopendir(listing) : nullptr;
    if (!entries) {
        if (listing >= 0)
            ::close(listing);
        return;   // an unreadable folder: nothing to see, nothing removed
    }
    while (const dirent *entry = ::readdir(entries)) {
        const QByteArray name(entry->d_name);
        struct stat status {};
        if (name == target || !isTemporaryName(name)
            || ::fstatat(folder, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(status.st_mode)
            || status.st_uid != ::geteuid())
            continue;
        const Descriptor stray(::openat(folder, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (stray.fd >= 0 && ::flock(stray.fd, LOCK_EX | LOCK_NB) == 0 && sameFile(stray.fd, folder, name))
            ::unlinkat(folder, name.constData(), 0);
    }
    ::closedir(entries);
}

// A new temporary file beside `target`, locked for as long as it is open; -1 (errno set)
// when the folder takes none.
int createTemporary(int folder, const QByteArray &target, QByteArray &name)
{
    // Cut to fit the longest name the system takes, never inside a UTF-8 sequence.
    int stem = qMin(target.size(), MaxNameBytes - temporaryMark.size() - RandomLength);
    while (stem > 0 && stem < target.size() && (uchar(target[stem]) & 0xC0) == 0x80)
        --stem;
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target.left(stem) + temporaryMark;
        for (int i = 0; i < RandomLength; ++i)
            name += letters[QRandomGenerator::system()->bounded(int(sizeof letters) - 1)];
        const int fd = ::openat(folder, name.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return -1;
        if (fd < 0)
            continue;
        // Another save's cleanup may have taken it between its making and its lock.
        if (::flock(fd, LOCK_EX) == 0 && sameFile(fd, folder, name))
            return fd;
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

// Writes `bytes` at the start of the file; 0, or the error number.
int writeAt0(int fd, const QByteArray &bytes, qint64 failAfter = -1)
{
    const qint64 size = failAfter >= 0 ? qMin<qint64>(failAfter, bytes.size()) : bytes.size();
    for (qint64 done = 0; done < size;) {
        const ssize_t written = ::pwrite(fd, bytes.constData() + done, size_t(size - done), off_t(done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        done += written;
    }
    return size < bytes.size() ? EIO : 0;
}

int writeWhole(int fd, const QByteArray &bytes, qint64 failAfter = -1)
{
    if (const int error = writeAt0(fd, bytes, failAfter))
        return error;
    return ::ftruncate(fd, off_t(bytes.size())) == 0 && ::fsync(fd) == 0 ? 0 : errno;
}

// The new bytes go over the old ones, the old ones first kept in a backup. Until the
// end the old file's space stays allocated, so putting the old bytes back cannot run
// out of room.
SaveOutcome writeInPlace(int folder, const ResolvedName &name, const QByteArray &bytes, const QString &whyNotReplaced,
                         const SaveFaults &faults)
{
    const Descriptor file(::openat(folder, name.leaf.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat status {};
    if (file.fd < 0 || ::fstat(file.fd, &status) != 0)
        return failure(whyNotReplaced);
    if (!S_ISREG(status.st_mode))
        return failure(QCoreApplication::translate("MainWindow", "Not a regular file"));
    if (status.st_size > MaxRestorableBytes)
        return failure(QCoreApplication::translate("MainWindow", "%1, and the file is too large to be written in place (over 16 MiB)").arg(whyNotReplaced));
    QByteArray old(int(status.st_size), Qt::Uninitialized);
    for (qint64 done = 0; done < old.size();) {
        const ssize_t read = ::pread(file.fd, old.data() + done, size_t(old.size() - done), off_t(done));
        if (read <= 0)
            return failure(systemError(read < 0 ? errno : EIO));
        done += read;
    }
    InPlaceBackup backup;
    QString why;
    if (!backup.keep(name.path(), old, bytes, why))
        return failure(whyNotReplaced + QStringLiteral("; ") + why);
    const int error = writeWhole(file.fd, bytes, faults.failWriteAfter);
    if (!error) {
        backup.discard();
        return success();
    }
    if (!faults.failRestore && writeWhole(file.fd, old) == 0) {
        backup.discard();
        return failure(systemError(error), true);
    }
    return failure(systemError(error), false, backup.abandon());
}

SaveOutcome save(const QString &path, const QByteArray &bytes, const SaveFaults &faults)
{
    ignoreFileSizeSignal();
    const ResolvedName name = resolveName(path);
    if (const std::optional<SaveOutcome> refused = refusal(name))
        return *refused;
#ifdef O_PATH
    const int folderAccess = O_PATH;   // a folder that may be written, not read, still serves
#else
    const int folderAccess = O_RDONLY;
#endif
    // Everything below happens in this one folder, whatever becomes of its name meanwhile.
    const Descriptor folder(::open(name.folder.constData(), folderAccess | O_DIRECTORY | O_CLOEXEC));
    if (folder.fd < 0)
        return failure(systemError(errno));
    removeStrayTemporaries(folder.fd, name.leaf);
    QByteArray temporary;
    const Descriptor out(faults.refuseTemporaryFile ? -1 : createTemporary(folder.fd, name.leaf, temporary));
    if (out.fd < 0) {
        const QString why = QCoreApplication::translate("MainWindow", "No temporary file can be made in its folder (%1)")
                                .arg(faults.refuseTemporaryFile ? QStringLiteral("test") : systemError(errno));
        return name.exists ? writeInPlace(folder.fd, name, bytes, why, faults) : failure(why);
    }
    const auto failed = [&](int error) {
        ::unlinkat(folder.fd, temporary.constData(), 0);
        return failure(systemError(error));
    };
    if (const int error = writeWhole(out.fd, bytes, faults.failWriteAfter))
        return failed(error);
    struct stat status {};
    if (name.exists) {
        // The new file takes the old one's permissions, and its owner where that is allowed.
        if (::fstatat(folder.fd, name.leaf.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0)
            return failed(errno);
        if (::fchown(out.fd, status.st_uid, status.st_gid) != 0)
            static_cast<void>(::fchown(out.fd, uid_t(-1), status.st_gid));
        ::fchmod(out.fd, status.st_mode & 07777);
    }
    // The name may have been changed into something else meanwhile: only a regular file is replaced.
    if (::fstatat(folder.fd, name.leaf.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(status.st_mode)) {
        ::unlinkat(folder.fd, temporary.constData(), 0);
        return failure(QCoreApplication::translate("MainWindow", "Not a regular file"));
    }
    if (::renameat(folder.fd, temporary.constData(), folder.fd, name.leaf.constData()) != 0) {
        const int error = errno;
        ::unlinkat(folder.fd, temporary.constData(), 0);
        // A folder with the sticky bit lets only a file's owner replace it; another user
        // allowed to write the file may still write it in place.
        const QString why = QCoreApplication::translate("MainWindow", "The folder does not let it be replaced (%1)").arg(systemError(error));
        if (name.exists && (error == EPERM || error == EACCES))
            return writeInPlace(folder.fd, name, bytes, why, faults);
        return failure(systemError(error));
    }
    // The rename itself on the disk, where the folder may be read (an O_PATH descriptor cannot be synced).
    const Descriptor synced(::openat(folder.fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (synced.fd >= 0)
        ::fsync(synced.fd);
    return success();
}

#else

// Elsewhere (Windows) Qt's own atomic save; where the folder takes no temporary file,
// the file is written in place as on Unix, its old bytes first kept in a backup.
SaveOutcome writeInPlace(const QString &path, const ResolvedName &name, const QByteArray &bytes,
                         const QString &whyNotReplaced, const SaveFaults &faults)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return failure(whyNotReplaced);
    if (file.size() > MaxRestorableBytes)
        return failure(QCoreApplication::translate("MainWindow", "%1, and the file is too large to be written in place (over 16 MiB)").arg(whyNotReplaced));
    const QByteArray old = file.readAll();
    if (old.size() != file.size())
        return failure(file.errorString());
    InPlaceBackup backup;
    QString why;
    if (!backup.keep(name.path(), old, bytes, why))
        return failure(whyNotReplaced + QStringLiteral("; ") + why);
    // The file is cut to length only at the end: its old space stays allocated until then.
    const auto writeOver = [&file](const QByteArray &data, qint64 failAfter) {
        const qint64 size = failAfter >= 0 ? qMin<qint64>(failAfter, data.size()) : data.size();
        return file.seek(0) && file.write(data.constData(), size) == data.size() && file.resize(data.size())
               && file.flush();
    };
    if (writeOver(bytes, faults.failWriteAfter)) {
        backup.discard();
        return success();
    }
    const QString error = file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("test");
    if (!faults.failRestore && writeOver(old, -1)) {
        backup.discard();
        return failure(error, true);
    }
    return failure(error, false, backup.abandon());
}

SaveOutcome save(const QString &path, const QByteArray &bytes, const SaveFaults &faults)
{
    const ResolvedName name = resolveName(path);
    if (const std::optional<SaveOutcome> refused = refusal(name))
        return *refused;
    QSaveFile file(path);
    if (faults.refuseTemporaryFile || !file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (!faults.refuseTemporaryFile && name.exists && !QFileInfo(path).isWritable())
            return failure(file.errorString());   // read-only: neither replaced nor written in place
        const QString why = QCoreApplication::translate("MainWindow", "No temporary file can be made in its folder (%1)")
                                .arg(faults.refuseTemporaryFile ? QStringLiteral("test") : file.errorString());
        return name.exists ? writeInPlace(path, name, bytes, why, faults) : failure(why);
    }
    const qint64 size = faults.failWriteAfter >= 0 ? qMin<qint64>(faults.failWriteAfter, bytes.size()) : bytes.size();
    if (file.write(bytes.constData(), size) == bytes.size() && file.commit())
        return success();
    const QString error = file.errorString();
    file.cancelWriting();
    return failure(error);
}

#endif

} // namespace

SaveOutcome saveAtomically(const QString &path, const QByteArray &bytes)
{
    const SaveFaults faults = std::exchange(nextSaveFaults, SaveFaults());
#ifdef Q_OS_WIN
    if (const QString refusal = Files::windowsNameRefusal(path); !refusal.isEmpty())
        return failure(refusal);
#endif
    return save(path, bytes, faults);
}

void injectSaveFaults(const SaveFaults &faults)
{
    nextSaveFaults = faults;
}
