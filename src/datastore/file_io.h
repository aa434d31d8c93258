#pragma once

// The two ways every reader and writer of a data file works: load the whole file into a
// record buffer, or rewrite the whole file from one. Nothing is changed in a file in place.

#include "datastore/data_files.h"
#include "datastore/record_buffer.h"
#include "datastore/record_io.h"
#include "datastore/store_error.h"

#include <QByteArray>
#include <QString>

namespace kaven::store {

// The whole content of a file; StoreError when it is missing or cannot be read.
QByteArray readWholeFile(const QString& path);
// Replaces the file at once (write beside it, then rename over it): a crash or a full
// disk leaves either the old content or the new, never a mix. StoreError on failure.
// The new content reaches the disk before the call returns.
void replaceFile(const QString& path, const QByteArray& bytes);
// The same replacement without waiting for the disk, for the working copies: every start
// rebuilds them from the store files, so after a power cut they are never read again,
// while every answer rewrites up to three of them.
void replaceWorkingFile(const QString& path, const QByteArray& bytes);

// Parses a file's text into `buffer`. On error the buffer keeps what it held before.
template <class R>
void parseRecords(const QByteArray& bytes, const QString& path, RecordBuffer<R>& buffer)
{
    RecordBuffer<R> fresh;
    FieldReader in(bytes, path);
    while (!in.atEnd()) {
        if (fresh.isFull())
            throw StoreError(path, in.line(), 0, {},
                             QStringLiteral("a 501st record; a data file holds at most 500 records"));
        R record;
        readRecord(in, record);
        fresh.append(std::move(record));
    }
    buffer.swap(fresh);
}

// The records 1 .. counter - 1 in the writer's exact form.
template <class R> QByteArray formatRecords(const RecordBuffer<R>& buffer, const QString& path)
{
    // Reserve about what the records will take, so a large bank is not copied over and
    // over while it grows.
    qsizetype estimate = 0;
    for (const R& record : buffer.records())
        R::fields(record, [&estimate](const char*, const auto& value) {
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, QString>)
                estimate += value.size();
            estimate += 12;
        });
    QByteArray out;
    out.reserve(estimate + estimate / 8);
    FieldWriter writer(out, path);
    for (const R& record : buffer.records())
        writeRecord(writer, record);
    return out;
}

template <class R> void loadFile(const QString& path, RecordBuffer<R>& buffer)
{
    parseRecords(readWholeFile(path), path, buffer);
}

template <class R> void rewriteFile(const QString& path, const RecordBuffer<R>& buffer)
{
    replaceFile(path, formatRecords(buffer, path));
}

// Leaves a file of zero length.
void emptyFile(const QString& path);
// Leaves a file that holds one empty line (CR LF), which loads as no records.
void blankFile(const QString& path);

// The screens work on the working copies only; the file id fixes the record type:
//   RecordBuffer<VsmastRecord> bank;
//   loadWorkingCopy<FileId::vsmast>(folder, bank);
template <FileId id> void loadWorkingCopy(const QString& folder, RecordBuffer<RecordFor<id>>& buffer)
{
    loadFile(dataPath(folder, id, Form::Working), buffer);
}

template <FileId id>
void rewriteWorkingCopy(const QString& folder, const RecordBuffer<RecordFor<id>>& buffer)
{
    const QString path = dataPath(folder, id, Form::Working);
    replaceWorkingFile(path, formatRecords(buffer, path));
}

inline void emptyWorkingCopy(const QString& folder, FileId id)
{
    emptyFile(dataPath(folder, id, Form::Working));
}

} // namespace kaven::store
