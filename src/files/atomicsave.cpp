#include "atomicsave.h"

#include <QSaveFile>

SaveOutcome saveAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    // A small file sits in the write buffer until the end, and commit() does not
    // notice when writing that buffer out fails (disk full): flush first, so a
    // failure leaves the old file in place instead of a cut-off one.
    const bool saved = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()
                       && file.commit();
    if (saved)
        return {true, QString()};
    const QString error = file.errorString();
    file.cancelWriting();
    return {false, error};
}
