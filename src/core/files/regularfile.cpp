#include "regularfile.h"

#include "files/windowsnames.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

bool openRegularFile(QFile &file, QIODevice::OpenMode mode)
{
#ifdef Q_OS_UNIX
    const bool reads = mode.testFlag(QIODevice::ReadOnly), writes = mode.testFlag(QIODevice::WriteOnly);
    const int access = reads && writes ? O_RDWR : writes ? O_WRONLY : O_RDONLY;
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(), access | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status {};
    // Non-blocking mode only served the opening; reads of a regular file never wait.
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)
        || ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0
        || !file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    return Files::windowsNameRefusal(file.fileName()).isEmpty() && QFileInfo(file.fileName()).isFile()
           && file.open(mode);
#endif
}

bool isSpecialFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}
