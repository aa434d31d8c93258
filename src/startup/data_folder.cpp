#include "startup/data_folder.h"

#include "datastore/data_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace kaven::startup {

namespace {

QString storePath(const QString& folder, store::FileId id)
{
    return store::dataPath(folder, id, store::Form::Store);
}

bool holdsAll(const QString& folder)
{
    for (const store::FileId id : store::visitingOrder)
        if (!QFileInfo(storePath(folder, id)).isFile())
            return false;
    return true;
}

void requireWritableFolder(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.exists())
        throw FolderError(QStringLiteral("The data folder %1 does not exist.").arg(shownPath(folder)));
    if (!info.isDir())
        throw FolderError(QStringLiteral("The data folder %1 is not a folder.").arg(shownPath(folder)));
    if (!canWrite(folder))
        throw FolderError(QStringLiteral("The data folder %1 cannot be written, so the practice tests "
                                         "cannot keep your answers there.")
                              .arg(shownPath(folder)));
}

// Lays the delivered set into a folder without data files; one with some is left as it is.
QString withData(const QString& folder, const QStringList& deliveredFolders)
{
    if (!holdsDataFiles(folder))
        layDelivered(findDelivered(deliveredFolders), folder);
    return folder;
}

} // namespace

QString shownPath(const QString& path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(QDir(path).absolutePath()));
}

QString lockPath(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("kaven.lock"));
}

bool holdsDataFiles(const QString& folder)
{
    for (const store::FileId id : store::visitingOrder)
        if (QFileInfo::exists(storePath(folder, id)))
            return true;
    return false;
}

bool canWrite(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".kaven-probe-XXXXXX")));
    return probe.open();
}

QString findDelivered(const QStringList& candidates)
{
    for (const QString& folder : candidates)
        if (holdsAll(folder))
            return folder;
    QStringList named;
    for (const QString& folder : candidates)
        named << shownPath(folder);
    throw FolderError(QStringLiteral("The delivered data files are missing from the installation: "
                                     "no full set of the eleven store files in %1.")
                          .arg(named.join(QStringLiteral(" or "))));
}

void layDelivered(const QString& delivered, const QString& folder)
{
    QStringList laid;
    for (const store::FileId id : store::visitingOrder) {
        const QString target = storePath(folder, id);
        if (QFileInfo::exists(target))
            continue;
        QFile source(storePath(delivered, id));
        // QFile::copy writes beside the target and renames it into place, never over a file.
        if (!source.copy(target)) {
            for (const QString& path : std::as_const(laid))
                QFile::remove(path);
            throw FolderError(QStringLiteral("The delivered data file %1 cannot be laid in %2 (%3).")
                                  .arg(shownPath(source.fileName()), shownPath(folder), source.errorString()));
        }
        laid << target;
    }
}

QString chooseDataFolder(const QString& given, const Places& places)
{
    if (!given.isEmpty()) {
        requireWritableFolder(given);
        return withData(given, places.deliveredFolders);
    }
    if (holdsDataFiles(places.programFolder) && canWrite(places.programFolder))
        return places.programFolder;
    if (places.userFolder.isEmpty())
        throw FolderError(QStringLiteral("No data folder of your own is known here (is HOME set?); "
                                         "choose one with --data-dir."));
    // Nothing is made before the delivered set is known to be there.
    if (!holdsDataFiles(places.userFolder))
        findDelivered(places.deliveredFolders);
    if (!QDir().mkpath(places.userFolder))
        throw FolderError(QStringLiteral("The data folder %1 cannot be made.").arg(shownPath(places.userFolder)));
    requireWritableFolder(places.userFolder);
    return withData(places.userFolder, places.deliveredFolders);
}

} // namespace kaven::startup
