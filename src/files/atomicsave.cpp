#include "atomicsave.h"

#include "files/regularfile.h"

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
    if (failAfter >= 0 && failAfter < bytes.size()) {
        file.write(bytes.constData(), failAfter);
        return false;
    }
    // A small file sits in the write buffer until the end, and QSaveFile::commit()
    // does not notice when writing that buffer out fails (disk full): flush first.
    return file.write(bytes) == bytes.size() && file.flush();
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
    QSaveFile file(path);
    if (faults.refuseTemporaryFile || !file.open(QIODevice::WriteOnly)) {
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
