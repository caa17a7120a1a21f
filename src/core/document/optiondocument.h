#pragma once

#include "configfile/configreader.h"
#include "options/optioncatalogue.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <array>

// What the window edits: the 23 rows, the file they belong to and whether they differ
// from it. The window's widgets, the import report's marks and quillary-cli all read
// the rows from here; the widgets only show them.
namespace Document {

// A row whose value the last import refused, or read otherwise than the file wrote it:
// the reader's note on that line. The note, not its text, so that the row's tooltip
// says why in whatever language is installed when it is shown.
struct RefusedMark {
    ConfigReader::Note note;   // lineNumber 0: the row is not marked

    bool isSet() const { return note.lineNumber != 0; }
};

inline bool operator==(const RefusedMark &a, const RefusedMark &b)
{
    return a.note == b.note;
}

using RefusedMarks = std::array<RefusedMark, Options::OptionCount>;

// Everything the rows show, as one value that a change replaces and undo puts back.
struct Rows {
    Options::OptionStates states = Options::defaultStates(true);   // as at start-up
    RefusedMarks refused{};

    // These rows with one row set by the user: the value is the user's own now, so the
    // row's refused mark goes.
    Rows withState(int row, const Options::OptionState &state) const;
};

bool operator==(const Rows &a, const Rows &b);
inline bool operator!=(const Rows &a, const Rows &b) { return !(a == b); }

// The rows an import leaves: the states the reader made of the file, and a mark on each
// row whose last line in the file has a note (its value refused or read otherwise).
Rows importedRows(const Options::OptionStates &read, const ConfigReader::Report &report);

class OptionDocument : public QObject
{
    Q_OBJECT

public:
    explicit OptionDocument(QObject *parent = nullptr);

    const Rows &rows() const { return m_rows; }
    const Options::OptionStates &states() const { return m_rows.states; }
    // Emits rowChanged for each row that changes, then changed once, if any did.
    void setRows(const Rows &rows);

    // The file the rows belong to (read from it or written to it), or empty.
    const QString &filePath() const { return m_filePath; }
    // The rows now belong to `path` and match it as it stands on disk.
    void setFilePath(const QString &path);
    // True when the file is no longer as it was when the rows were read from it or
    // written to it: another program or window changed, replaced or removed it.
    bool fileChangedOnDisk() const;

    // Whether the rows differ from their file (or from the start-up rows). Kept by the
    // window's undo history, whose clean state is the one answer; nothing else sets it.
    bool isModified() const { return m_modified; }
    void setModified(bool modified);

signals:
    void rowChanged(int row);
    void changed();
    void filePathChanged(const QString &path);
    void modifiedChanged(bool modified);

private:
    // What tells that a file was changed: its time of change and size; a missing file
    // has no time.
    struct DiskStamp {
        QDateTime modified;
        qint64 size = 0;
        bool operator==(const DiskStamp &other) const;
    };
    static DiskStamp stampOf(const QString &path);

    Rows m_rows;
    QString m_filePath;
    DiskStamp m_stamp;
    bool m_modified = false;
};

} // namespace Document
