#pragma once

#include <QByteArray>
#include <QString>

struct SaveOutcome {
    bool saved = false;
    QString error;           // the system's reason when not saved
    bool restored = false;   // written in place, failed, and put back as it was
};

// Replaces the file at `path` with `bytes`, or leaves it untouched: the bytes go to a
// temporary file that is renamed over the old one only once every byte has been
// written. Where the folder allows no temporary file, an existing file is written in
// place and, should that fail, put back from a copy kept in memory. Only a regular
// file or a new name is written; a symbolic link keeps pointing at its replaced file.
SaveOutcome saveAtomically(const QString &path, const QByteArray &bytes);

// For tests only: the next save behaves as if the folder refused temporary files
// and/or writing failed after `failWriteAfter` bytes (-1: it does not fail).
struct SaveFaults {
    bool refuseTemporaryFile = false;
    qint64 failWriteAfter = -1;
};
void injectSaveFaults(const SaveFaults &faults);
