#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A file written in place (where its folder takes no temporary file) is torn while
// the new bytes go over the old ones: a kill, a power cut or a failing disk then
// leaves neither. So before the first byte goes over them, the old bytes are kept in a
// backup file in the user's data folder, beside a note naming the file it belongs to
// and what it held before and is to hold after. The note goes once the file is whole
// again. A note left behind is an unfinished save, told at the next start of the
// window or of quillary-cli; its backup stays until the user removes it.
class InPlaceBackup
{
public:
    InPlaceBackup() = default;
    InPlaceBackup(const InPlaceBackup &) = delete;
    InPlaceBackup &operator=(const InPlaceBackup &) = delete;
    ~InPlaceBackup();

    // Keeps `old`, the bytes of the file at `target`, before `replacement` is written
    // over them. False, with the reason, when they could not be kept.
    bool keep(const QByteArray &target, const QByteArray &old, const QByteArray &replacement, QString &why);

    // The file is whole (new or put back): the backup and its note go.
    void discard();

    // The file could not be put back: the backup stays, and the note says it was told.
    // Returns the backup's path.
    QString abandon();

private:
    void unlock();

    QByteArray m_note, m_backup;   // paths
    int m_lock = -1;               // the note, locked while the save runs
};

// The folder of the backups: "in-place-backups" in the user's data folder.
QString inPlaceBackupFolder();

// One text for each unfinished in-place save found, naming the file and its backup,
// each told once. A note whose file holds its old or its new bytes is no loss: it goes
// without a word, with its backup.
QStringList unfinishedSaves();
