#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// What the program remembers between runs, apart from the interface language (which
// keeps its own five-line preference file). Stored with QSettings under the
// organisation and application names, in the user's configuration folder.
namespace Settings {

// The file QSettings keeps them in: ~/.config/Halvex/Quillary.conf on Linux.
QString fileName();

// False when that file, or QSettings' lock file beside it, is no regular file: QSettings
// opens them as they are, and a FIFO there would block the program for good. Nothing is
// then read or stored. Every use of QSettings asks this first.
bool usable();

// The folder of the configuration file last chosen in a save or open dialog, or empty.
QString lastFolder();
void setLastFolder(const QString &folder);

// The configuration files read or saved last, most recent first, at most MaxRecentFiles.
constexpr int MaxRecentFiles = 8;
QStringList recentFiles();
// Puts `path` first, once; the oldest beyond the limit go.
void addRecentFile(const QString &path);
void clearRecentFiles();

// The main window's size and place as QWidget::saveGeometry gives them, or empty.
QByteArray windowGeometry();
void setWindowGeometry(const QByteArray &geometry);

// Whether the main window showed a part that View shows or hides (the preview of the file,
// the tool bar) when it was last closed; nothing before the first close.
enum class Pane { Preview, ToolBar };
std::optional<bool> paneShown(Pane pane);
void setPaneShown(Pane pane, bool shown);

// The first of `candidates` that is an existing folder the program may write to,
// else `lastResort`. A dialog that starts in a folder the user cannot save in makes
// the first Generate fail.
QString firstWritableFolder(const QStringList &candidates, const QString &lastResort);

// Where the save and open dialogs start while this run has chosen no file yet: the
// folder last used, else the program's own folder, else the user's documents folder,
// else the home folder.
QString startFolder();

} // namespace Settings
