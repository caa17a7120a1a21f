#pragma once

#include <QFile>

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A preference file as the program writes it, unless told otherwise.
inline QByteArray fiveLines(const QByteArray &fifth, const QByteArray &first = "PLX71.10")
{
    return first + "\nQuillary (Configuration File)\nGenerate by: Quillary 1.2.0.0\n*** Default Language:\n"
           + fifth + "\n";
}
