#pragma once

// The store files the build delivers, copied into a temporary folder and read the way the
// program reads them at start-up.

#include "datastore/file_io.h"
#include "datastore/passes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class DeliveredStore {
public:
    // Copies and decodes every file; what went wrong, or nothing.
    QString open()
    {
        using namespace kaven::store;
        const QDir delivered(QStringLiteral(KAVEN_DELIVERED_DATA));
        for (FileId id : visitingOrder) {
            if (!QFile::copy(dataPath(delivered.path(), id, Form::Store), dataPath(path(), id, Form::Store)))
                return QStringLiteral("no delivered file ") + baseName(id);
        }
        NoBusyPointer pointer;
        try {
            decript_codetext(path(), pointer);
        } catch (const StoreError& error) {
            return error.message();
        }
        return {};
    }

    QString path() const { return dir_.path(); }

    template <kaven::store::FileId id> kaven::store::RecordBuffer<kaven::store::RecordFor<id>> load() const
    {
        kaven::store::RecordBuffer<kaven::store::RecordFor<id>> buffer;
        kaven::store::loadWorkingCopy<id>(path(), buffer);
        return buffer;
    }

private:
    QTemporaryDir dir_;
};
