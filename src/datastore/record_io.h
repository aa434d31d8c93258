#pragma once

// Read and write of one record of any data file, and which record type each file holds.

#include "datastore/data_files.h"
#include "datastore/field_codec.h"
#include "datastore/records.h"

#include <type_traits>

namespace kaven::store {

template <class R> int fieldCount()
{
    static const int count = [] {
        int n = 0;
        R probe;
        R::fields(probe, [&n](const char*, auto&) { ++n; });
        return n;
    }();
    return count;
}

template <class R> void readRecord(FieldReader& in, R& record)
{
    const int count = fieldCount<R>();
    int field = 0;
    R::fields(record, [&](const char* name, auto& value) { in.read(++field, count, name, value); });
}

template <class R> void writeRecord(FieldWriter& out, const R& record)
{
    out.beginRecord();
    R::fields(record, [&out](const char* name, const auto& value) { out.write(name, value); });
    out.endRecord();
}

template <FileId> struct RecordTypeOf;
template <> struct RecordTypeOf<FileId::qtemp1> { using type = Qtemp1Record; };
template <> struct RecordTypeOf<FileId::qdsmast> { using type = QdsmastRecord; };
template <> struct RecordTypeOf<FileId::qpsmast> { using type = QpsmastRecord; };
template <> struct RecordTypeOf<FileId::userprof> { using type = UserprofRecord; };
template <> struct RecordTypeOf<FileId::tesdet> { using type = TesdetRecord; };
template <> struct RecordTypeOf<FileId::tesgiv> { using type = TesgivRecord; };
template <> struct RecordTypeOf<FileId::temp1> { using type = Temp1Record; };
template <> struct RecordTypeOf<FileId::vrmast> { using type = VrmastRecord; };
template <> struct RecordTypeOf<FileId::vsmast> { using type = VsmastRecord; };
template <> struct RecordTypeOf<FileId::comdet> { using type = ComdetRecord; };
template <> struct RecordTypeOf<FileId::vcmast> { using type = VcmastRecord; };

// The record type of a data file: RecordFor<FileId::vsmast> is VsmastRecord.
template <FileId id> using RecordFor = typename RecordTypeOf<id>::type;

// Calls visit(std::type_identity<R>{}) with the record type R of the file `id`.
template <class Visit> decltype(auto) withRecordType(FileId id, Visit&& visit)
{
    switch (id) {
    case FileId::qtemp1: return visit(std::type_identity<RecordFor<FileId::qtemp1>>{});
    case FileId::qdsmast: return visit(std::type_identity<RecordFor<FileId::qdsmast>>{});
    case FileId::qpsmast: return visit(std::type_identity<RecordFor<FileId::qpsmast>>{});
    case FileId::userprof: return visit(std::type_identity<RecordFor<FileId::userprof>>{});
    case FileId::tesdet: return visit(std::type_identity<RecordFor<FileId::tesdet>>{});
    case FileId::tesgiv: return visit(std::type_identity<RecordFor<FileId::tesgiv>>{});
    case FileId::temp1: return visit(std::type_identity<RecordFor<FileId::temp1>>{});
    case FileId::vrmast: return visit(std::type_identity<RecordFor<FileId::vrmast>>{});
    case FileId::vsmast: return visit(std::type_identity<RecordFor<FileId::vsmast>>{});
    case FileId::comdet: return visit(std::type_identity<RecordFor<FileId::comdet>>{});
    case FileId::vcmast: return visit(std::type_identity<RecordFor<FileId::vcmast>>{});
    }
    Q_UNREACHABLE();
}

} // namespace kaven::store
