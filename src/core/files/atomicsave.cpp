#include "atomicsave.h"

#include "files/regularfile.h"
#include "files/windowsnames.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <utility>

namespace {

SaveFaults nextSaveFaults;   // set by tests only

// The in-place fallback keeps the whole old file in memory; a larger one is no
// configuration file and is not written over.
constexpr qint64 MaxRestorableBytes = 16 << 20;

bool writeAll(QFileDevice &file, const QByteArray &bytes, qint64 failAfter)
{
    const qint64 size = failAfter >= 0 ? qMin<qint64>(failAfter, bytes.size()) : bytes.size();
    // What a short write left is written again, so that a failure comes with the
    // system's reason (a disk that filled up midway).
    for (qint64 done = 0, written = 0; done < size; done += written) {
        written = file.write(bytes.constData() + done, size - done);
        if (written <= 0)
            return false;
    }
    // Should anything sit in a write buffer: QSaveFile::commit() does not notice when
    // writing it out fails (disk full), so flush first.
    return size == bytes.size() && file.flush();
}

// The new bytes go over the old ones and the file is cut to length only at the end:
// until then the old file's space stays allocated, so putting the old bytes back
// cannot run out of room.
SaveOutcome writeInPlace(const QString &path, const QByteArray &bytes, const QString &whyNotReplaced,
                         qint64 failAfter)
{
    QFile file(path);
    if (!openRegularFile(file, QIODevice::ReadWrite | QIODevice::Unbuffered) || file.size() > MaxRestorableBytes)
        return {false, whyNotReplaced};
    const QByteArray old = file.readAll();
    if (old.size() != file.size())
        return {false, file.errorString()};
    if (file.seek(0) && writeAll(file, bytes, failAfter) && file.resize(bytes.size()))
        return {true, QString()};
    const QString error = file.errorString();
    const bool restored = file.seek(0) && file.write(old) == old.size() && file.resize(old.size());
    return {false, error, restored};
}

} // namespace

SaveOutcome saveAtomically(const QString &path, const QByteArray &bytes)
{
    const SaveFaults faults = std::exchange(nextSaveFaults, SaveFaults());
    if (isSpecialFile(path))
        return {false, QCoreApplication::translate("MainWindow", "Not a regular file")};
#ifdef Q_OS_WIN
    if (const QString refusal = Files::windowsNameRefusal(path); !refusal.isEmpty())
        return {false, refusal};
#endif
    QSaveFile file(path);
    // Unbuffered, so that a failed write is seen, with its reason, when it happens.
    if (faults.refuseTemporaryFile || !file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const QString why = faults.refuseTemporaryFile ? QStringLiteral("No temporary file (test)") : file.errorString();
        if (QFileInfo(path).isFile())
            return writeInPlace(path, bytes, why, faults.failWriteAfter);
        return {false, why};
    }
    if (writeAll(file, bytes, faults.failWriteAfter) && file.commit())
        return {true, QString()};
    const QString error = file.errorString();
    file.cancelWriting();
    return {false, error};
}

void injectSaveFaults(const SaveFaults &faults)
{
    nextSaveFaults = faults;
}
