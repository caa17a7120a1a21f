#include "optiondocument.h"

#include <QFileInfo>

#include <algorithm>

namespace Document {

Rows Rows::withState(int row, const Options::OptionState &state) const
{
    Rows edited = *this;
    edited.states[row] = state;
    edited.refused[row] = RefusedMark();
    return edited;
}

bool operator==(const Rows &a, const Rows &b)
{
    return a.states == b.states && a.refused == b.refused;
}

Rows importedRows(const Options::OptionStates &read, const ConfigReader::Report &report)
{
    Rows rows;
    rows.states = read;
    std::transform(report.rowNotes.begin(), report.rowNotes.end(), rows.refused.begin(),
                   [](const ConfigReader::Note &note) { return RefusedMark{note}; });
    return rows;
}

OptionDocument::OptionDocument(QObject *parent) : QObject(parent) {}

void OptionDocument::setRows(const Rows &rows)
{
    const Rows before = m_rows;
    m_rows = rows;
    bool any = false;
    for (int r = 0; r < Options::OptionCount; ++r) {
        if (before.states[r] == rows.states[r] && before.refused[r] == rows.refused[r])
            continue;
        any = true;
        emit rowChanged(r);
    }
    if (any)
        emit changed();
}

void OptionDocument::setFilePath(const QString &path)
{
    m_stamp = stampOf(path);
    if (path == m_filePath)
        return;
    m_filePath = path;
    emit filePathChanged(path);
}

bool OptionDocument::fileChangedOnDisk() const
{
    return !m_filePath.isEmpty() && !(stampOf(m_filePath) == m_stamp);
}

void OptionDocument::setModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

bool OptionDocument::DiskStamp::operator==(const DiskStamp &other) const
{
    return modified == other.modified && size == other.size;
}

OptionDocument::DiskStamp OptionDocument::stampOf(const QString &path)
{
    // Not cached: the file may change between two looks.
    QFileInfo info(path);
    info.setCaching(false);
    return {info.lastModified(), info.size()};   // no time and no size for a missing file
}

} // namespace Document
