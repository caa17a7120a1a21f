#pragma once

#include <QByteArray>
#include <QString>

struct SaveOutcome {
    bool saved = false;
    QString error;   // the system's reason when not saved
};

// Replaces the file at `path` with `bytes`, or leaves it untouched: the bytes go to a
// temporary file that is renamed over the old one only once every byte has been
// written. Where the folder does not allow a temporary file, the file is written in
// place.
SaveOutcome saveAtomically(const QString &path, const QByteArray &bytes);
