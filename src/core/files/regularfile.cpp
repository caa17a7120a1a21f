#include "regularfile.h"

#include "files/resolvedname.h"
#include "files/windowsnames.h"

#include <QCoreApplication>
#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

bool refuse(QString *why, const QString &reason)
{
    if (why)
        *why = reason;
    return false;
}

QString notRegular()
{
    return QCoreApplication::translate("MainWindow", "Not a regular file");
}

} // namespace

bool openRegularFile(QFile &file, QIODevice::OpenMode mode, QString *why)
{
#ifdef Q_OS_WIN
    if (const QString refusal = Files::windowsNameRefusal(file.fileName()); !refusal.isEmpty())
        return refuse(why, refusal);
#endif
    const ResolvedName name = resolveName(file.fileName());
    if (name.refused())
        return refuse(why, name.reason());
    if (!name.exists)
        return refuse(why, systemError(ENOENT));
    if (!name.regular)
        return refuse(why, notRegular());
#ifdef Q_OS_UNIX
    const bool reads = mode.testFlag(QIODevice::ReadOnly), writes = mode.testFlag(QIODevice::WriteOnly);
    const int access = reads && writes ? O_RDWR : writes ? O_WRONLY : O_RDONLY;
    const int fd = ::open(name.path().constData(), access | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return refuse(why, systemError(errno));
    struct stat status {};
    // Non-blocking mode only served the opening; reads of a regular file never wait.
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)
        || ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0
        || !file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        const int error = errno;
        ::close(fd);
        return refuse(why, S_ISREG(status.st_mode) ? systemError(error) : notRegular());
    }
    return true;
#else
    return file.open(mode) || refuse(why, file.errorString());
#endif
}
