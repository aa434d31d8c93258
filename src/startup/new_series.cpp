#include "startup/new_series.h"

#include "datastore/data_files.h"
#include "datastore/passes.h"
#include "startup/data_folder.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

#include <utility>
#include <vector>

namespace kaven::startup {

namespace {

// The files moved so far, as (from, to); put back in the reverse order when a step fails.
class Moves {
public:
    bool move(const QString& from, const QString& to)
    {
        if (!QFile::rename(from, to))
            return false;
        done_.emplace_back(from, to);
        return true;
    }
    void undo()
    {
        for (auto it = done_.rbegin(); it != done_.rend(); ++it)
            QFile::rename(it->second, it->first);
        done_.clear();
    }

private:
    std::vector<std::pair<QString, QString>> done_;
};

} // namespace

QString seriesFolderName(const QDateTime& now)
{
    return QStringLiteral("series-") + now.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
}

NewSeries startNewSeries(const QString& folder, const QString& delivered, const QDateTime& now)
{
    QLockFile lock(lockPath(folder));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0)) {
        if (lock.error() == QLockFile::LockFailedError)
            throw FolderError(QStringLiteral("The practice tests are open on %1 in another window; close "
                                             "them before starting a new series.")
                                  .arg(shownPath(folder)));
        throw FolderError(QStringLiteral("The data folder %1 cannot be written.").arg(shownPath(folder)));
    }
    // A broken series is not put aside unread: the candidate hears which file is broken first.
    store::check_store_files(folder);

    const QDir data(folder);
    const QString name = seriesFolderName(now);
    const QString kept = data.filePath(name);
    if (data.exists(name) || !data.mkdir(name))
        throw FolderError(QStringLiteral("The folder %1 cannot be made for the series so far%2.")
                              .arg(shownPath(kept), data.exists(name) ? QStringLiteral(": it is already there")
                                                                   : QString()));
    Moves moves;
    const auto fail = [&](const QString& message) {
        moves.undo();
        data.rmdir(name);
        return FolderError(message);
    };
    for (const store::FileId id : store::visitingOrder)
        for (const store::Form form : {store::Form::Store, store::Form::Working}) {
            const QString from = store::dataPath(folder, id, form);
            if (QFile::exists(from) && !moves.move(from, store::dataPath(kept, id, form)))
                throw fail(QStringLiteral("The data file %1 cannot be moved into %2; every file is left "
                                          "where it was.")
                               .arg(shownPath(from), shownPath(kept)));
        }
    try {
        layDelivered(delivered, folder);
    } catch (const FolderError& error) {
        throw fail(error.message() + QStringLiteral(" Every file is left where it was."));
    }
    return {shownPath(kept), shownPath(folder)};
}

} // namespace kaven::startup
