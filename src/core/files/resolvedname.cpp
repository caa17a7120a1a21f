#include "resolvedname.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <vector>

#ifdef Q_OS_UNIX
#include <climits>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The system's own limit on links followed while opening one name (Linux: 40).
constexpr int MaxLinks = 40;

} // namespace

QString systemError(int error)
{
    return qt_error_string(error);
}

QString ResolvedName::reason() const
{
    if (unrepresentable)
        return QCoreApplication::translate("MainWindow", "The name is not valid in the system's encoding");
    return systemError(error);
}

#ifdef Q_OS_UNIX

ResolvedName resolveName(const QString &name)
{
    ResolvedName r;
    const QByteArray bytes = QFile::encodeName(name);
    // U+FFFD is what a name's invalid bytes became when it was read into a string: the
    // file it came from has another name, which no longer can be told.
    if (name.contains(QChar(QChar::ReplacementCharacter)) || name.contains(QChar(0))
        || QFile::decodeName(bytes) != name) {
        r.unrepresentable = true;
        return r;
    }
    if (bytes.isEmpty()) {
        r.error = ENOENT;
        return r;
    }
    QByteArray resolved;   // "" stands for the root; never ends with '/'
    if (!bytes.startsWith('/')) {
        char cwd[PATH_MAX];
        if (!::getcwd(cwd, sizeof cwd)) {
            r.error = errno;
            return r;
        }
        resolved = cwd;
        if (resolved == "/")
            resolved.clear();
    }
    // What is left to walk, the next name last.
    std::vector<QByteArray> pending;
    const auto push = [&pending](const QByteArray &path) {
        const QList<QByteArray> parts = path.split('/');
        for (auto it = parts.crbegin(); it != parts.crend(); ++it) {
            if (!it->isEmpty() && *it != ".")
                pending.push_back(*it);
        }
    };
    push(bytes);
    // A name ending in "/" or "/." or "/.." means a folder, never a file.
    const bool folderOnly = bytes.endsWith('/') || bytes.endsWith("/.") || bytes.endsWith("/..")
                            || bytes == "." || bytes == "..";
    int links = 0;
    while (!pending.empty()) {
        const QByteArray part = pending.back();
        pending.pop_back();
        if (part == "..") {   // what stands so far is a real folder: its parent is the system's
            resolved.truncate(qMax(0, resolved.lastIndexOf('/')));
            continue;
        }
        const QByteArray next = resolved + '/' + part;
        struct stat status {};
        if (::lstat(next.constData(), &status) != 0) {
            r.error = errno;
            if (r.error == ENOENT && pending.empty()) {   // a new file in an existing folder
                r.error = folderOnly ? EISDIR : 0;
                r.folder = resolved.isEmpty() ? QByteArray("/") : resolved;
                r.leaf = part;
            }
            return r;
        }
        if (S_ISLNK(status.st_mode)) {
            if (++links > MaxLinks) {
                r.error = ELOOP;
                return r;
            }
            QByteArray target(qMax<qint64>(status.st_size, 255) + 1, Qt::Uninitialized);
            for (;;) {
                const ssize_t size = ::readlink(next.constData(), target.data(), size_t(target.size()));
                if (size < 0) {
                    r.error = errno;
                    return r;
                }
                if (size < target.size()) {
                    target.truncate(int(size));
                    break;
                }
                target.resize(target.size() * 2);   // the link changed meanwhile
            }
            if (target.startsWith('/'))
                resolved.clear();
            push(target);
            continue;
        }
        if (!pending.empty()) {
            if (!S_ISDIR(status.st_mode)) {
                r.error = ENOTDIR;
                return r;
            }
            resolved = next;
            continue;
        }
        if (folderOnly && !S_ISDIR(status.st_mode)) {
            r.error = ENOTDIR;
            return r;
        }
        r.folder = resolved.isEmpty() ? QByteArray("/") : resolved;
        r.leaf = part;
        r.exists = true;
        r.regular = S_ISREG(status.st_mode);
        return r;
    }
    r.error = EISDIR;   // nothing but the root, or a name that went back up to a folder
    return r;
}

#else

// Elsewhere the system's own tidying is trusted.
ResolvedName resolveName(const QString &name)
{
    ResolvedName r;
    if (name.isEmpty() || name.contains(QChar(QChar::ReplacementCharacter))) {
        r.unrepresentable = !name.isEmpty();
        r.error = name.isEmpty() ? ENOENT : 0;
        return r;
    }
    const QFileInfo info(name);
    const QString target = info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
    const QFileInfo real(target);
    r.folder = QFile::encodeName(real.absolutePath());
    r.leaf = QFile::encodeName(real.fileName());
    r.exists = real.exists();
    r.regular = real.isFile();
    if (!QFileInfo(real.absolutePath()).isDir())
        r.error = ENOENT;
    return r;
}

#endif

QString absoluteName(const QString &name)
{
    const QString absolute = QDir::isAbsolutePath(name) ? name : QDir::currentPath() + QLatin1Char('/') + name;
    const QString tidy = QDir::cleanPath(absolute);
    const ResolvedName asIs = resolveName(absolute), tidied = resolveName(tidy);
    const bool same = asIs.folder == tidied.folder && asIs.leaf == tidied.leaf && asIs.error == tidied.error
                      && asIs.unrepresentable == tidied.unrepresentable;
    return same ? tidy : absolute;
}

QString quotedForMessage(const QString &text)
{
    const auto plain = [](QChar c) {
        return c.isPrint() && !c.isSpace() && c != QLatin1Char('\'') && c != QLatin1Char('"')
               && c != QLatin1Char('\\');
    };
    if (!text.isEmpty() && std::all_of(text.begin(), text.end(), plain))
        return text;
    QString quoted = QStringLiteral("'");
    for (const QChar c : text) {
        if (c == QLatin1Char('\'') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\') + c;
        else if (c == QLatin1Char('\n'))
            quoted += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            quoted += QLatin1String("\\t");
        else if (c == QLatin1Char('\r'))
            quoted += QLatin1String("\\r");
        else if (c.isPrint() || c == QLatin1Char(' '))
            quoted += c;
        else   // control characters, line and paragraph separators, format characters
            quoted += c.unicode() < 0x100 ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                                          : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return quoted + QLatin1Char('\'');
}
