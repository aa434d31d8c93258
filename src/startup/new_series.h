#pragma once

// A new series in a data folder: the data files of the series so far move into a dated
// folder beside them, and a fresh delivered set takes their place. Nothing is deleted.

#include <QDateTime>
#include <QString>

namespace kaven::startup {

struct NewSeries {
    QString kept;  // the dated folder that now holds the series so far
    QString fresh; // the data folder, with the fresh set
};

// The dated folder's name for a series put aside at `now`: series-YYYY-MM-DD-hhmmss.
QString seriesFolderName(const QDateTime& now);

// Refuses (FolderError) while a running copy holds the folder, when the dated folder is
// already there or a file cannot be moved, and (StoreError) when a store file is broken:
// in each case every file stays where it was. The folder's lock is held throughout.
NewSeries startNewSeries(const QString& folder, const QString& delivered, const QDateTime& now);

} // namespace kaven::startup
