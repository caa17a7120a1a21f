#pragma once

#include <QByteArray>
#include <QString>

// Which file a name means, decided once for every read and write of the program: the
// name is followed exactly as the system follows it when it opens the file, so that
// what is checked is what is then read or replaced.
//  - Symbolic links are followed to their real target, however many stand in the name
//    (at most 40 in a row, as the system allows; a longer chain or a loop is refused).
//  - ".." after a link goes up from the link's target, as the system does, not from
//    the folder that holds the link: "current/../shared" is not "shared" when current
//    is a link. Text tidying (QDir::cleanPath, QFileInfo, QSaveFile) gets this wrong.
//  - Names are kept as the system's bytes. A name that cannot be told to the system as
//    it is (a character the locale's encoding lacks, or the replacement character that
//    stands for bytes that were not valid in it) is refused, never replaced by another.
struct ResolvedName {
    QByteArray folder;      // absolute, with no link in it
    QByteArray leaf;        // the name in that folder, no link; empty when refused
    int error = 0;          // the system's error number when refused (ENOENT, ELOOP...)
    bool unrepresentable = false;   // refused: not valid in the system's encoding
    bool exists = false;    // something stands at folder/leaf
    bool regular = false;   // and it is a regular file

    bool refused() const { return error != 0 || unrepresentable; }
    QByteArray path() const { return folder.endsWith('/') ? folder + leaf : folder + '/' + leaf; }
    // Why the name was refused, in the system's words where it has them.
    QString reason() const;
};

// Resolves `name` (relative names from the working folder).
ResolvedName resolveName(const QString &name);

// `name` made absolute (from the working folder), its "." and ".." tidied away only
// where that leaves the file it means as it was: "link/../config.txt" stays as it is.
QString absoluteName(const QString &name);

// The system's text for an error number (as QFile's errorString() gives it).
QString systemError(int error);

// `text` as a message may show it without letting it forge lines: as it is when it holds
// only printable characters other than blanks and quotes, else in single quotes with
// control characters, quotes and backslashes written as escapes (\n, \t, \x1b, \', \\).
QString quotedForMessage(const QString &text);
