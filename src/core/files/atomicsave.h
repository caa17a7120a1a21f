#pragma once

#include <QByteArray>
#include <QString>

struct SaveOutcome {
    bool saved = false;
    QString error;           // the system's reason when not saved
    bool restored = false;   // written in place, failed, and put back as it was
    QString backup;          // written in place, failed, not put back: where its old bytes are kept
};

// Replaces the file that `path` means (see resolvedname.h) with `bytes`, or leaves it
// untouched: the bytes go to a temporary file beside it that is renamed over the old
// one only once every byte is on the disk. Only a regular file or a new name is
// written; a symbolic link keeps pointing at its replaced file.
// Where the folder takes no temporary file, or refuses the rename (a file of another
// user in a folder with the sticky bit), a file the user may write is written in place,
// its old bytes first kept in a backup (see inplacebackup.h); should that fail, they
// are put back, or, failing that too, the outcome names the backup.
// A temporary file left by a save that was killed is removed by the next save in the
// same folder: its name ends in ".quillary-" and six letters or digits.
// A file-size limit (SIGXFSZ) makes the write fail; it no longer ends the program.
SaveOutcome saveAtomically(const QString &path, const QByteArray &bytes);

// For tests only: the next save behaves as if the folder refused temporary files,
// writing failed after `failWriteAfter` bytes (-1: it does not fail), and/or putting
// the old bytes back failed.
struct SaveFaults {
    bool refuseTemporaryFile = false;
    qint64 failWriteAfter = -1;
    bool failRestore = false;
};
void injectSaveFaults(const SaveFaults &faults);
