#include "atomicsave.h"

#include <QSaveFile>

bool saveAtomically(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A small file sits in the write buffer until the end, and commit() does not
    // notice when writing that buffer out fails (disk full): flush first, so a
    // failure leaves the old file in place instead of a cut-off one.
    if (!write(file) || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool writeAll(QIODevice &device, const QByteArray &bytes)
{
    return device.write(bytes) == bytes.size();
}
