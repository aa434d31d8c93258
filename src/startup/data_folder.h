#pragma once

// Which folder the program keeps the candidate's data in, and the delivered store files
// laid into a folder that has none yet. Nothing here shows a window: a folder the program
// cannot work in is a FolderError, and the caller says so in its own way.

#include <QString>
#include <QStringList>

#include <stdexcept>

namespace kaven::startup {

// A folder the program cannot work in, or a delivered set it cannot find: one sentence
// that names the folder or the file.
class FolderError : public std::runtime_error {
public:
    explicit FolderError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

// A folder or file as messages show it: absolute, clean, with the platform's separators.
QString shownPath(const QString& path);

// The lock that a running copy of the program holds in its data folder.
QString lockPath(const QString& folder);

// Where the program looks for its data.
struct Places {
    QString programFolder;        // the folder of the executable
    QString userFolder;           // the candidate's own data folder
    QStringList deliveredFolders; // where the delivered store files may be; the first full set wins
};

// True when the folder holds any of the eleven store files.
bool holdsDataFiles(const QString& folder);

// True when a file can be made in the folder (a permission check alone would say yes to
// root, and no to a folder on a read-only disk only by chance).
bool canWrite(const QString& folder);

// The first of the folders that holds all eleven delivered store files.
QString findDelivered(const QStringList& candidates);

// Copies the eleven delivered store files into the folder, none over an existing file.
// When one cannot be laid, those laid by this call are taken away again.
void layDelivered(const QString& delivered, const QString& folder);

// The folder the program works in:
// - `given` (chosen on the command line), which must be an existing folder that can be written;
// - otherwise the program's folder when it holds data files and can be written (the build
//   folder, or a copy of the program that carries its data with it);
// - otherwise the candidate's own folder, made when missing.
// A chosen folder that holds no data files yet gets the delivered set first; one that holds
// some is used as it is, so a missing or broken file is reported by the start-up, not mended.
QString chooseDataFolder(const QString& given, const Places& places);

} // namespace kaven::startup
