#include "datastore/passes.h"

#include "datastore/file_io.h"

#include <array>

namespace kaven::store {

namespace {

using Copies = std::array<QByteArray, visitingOrder.size()>;

// Reads every file in the form `from` and gives back its records in the writer's form,
// which brings looser forms (unquoted text, blanks before a field) into the exact one.
Copies readAllInWriterForm(const QString& folder, Form from)
{
    Copies copies;
    for (std::size_t i = 0; i < visitingOrder.size(); ++i) {
        const QString path = dataPath(folder, visitingOrder[i], from);
        copies[i] = withRecordType(visitingOrder[i], [&](auto type) {
            RecordBuffer<typename decltype(type)::type> buffer;
            loadFile(path, buffer);
            return formatRecords(buffer, path);
        });
    }
    return copies;
}

void copyAll(const QString& folder, Form from, Form to, BusyPointer& busy)
{
    const BusyScope scope(busy);
    const Copies copies = readAllInWriterForm(folder, from);
    for (std::size_t i = 0; i < visitingOrder.size(); ++i)
        replaceFile(dataPath(folder, visitingOrder[i], to), copies[i]);
}

} // namespace

void check_store_files(const QString& folder)
{
    readAllInWriterForm(folder, Form::Store);
}

void decript_codetext(const QString& folder, BusyPointer& busy)
{
    copyAll(folder, Form::Store, Form::Working, busy);
}

void Save_Working_Copies(const QString& folder, BusyPointer& busy)
{
    copyAll(folder, Form::Working, Form::Store, busy);
}

void Save_And_Blank_Working_Copies(const QString& folder, BusyPointer& busy)
{
    const BusyScope scope(busy);
    const Copies copies = readAllInWriterForm(folder, Form::Working);
    for (std::size_t i = 0; i < visitingOrder.size(); ++i) {
        replaceFile(dataPath(folder, visitingOrder[i], Form::Store), copies[i]);
        blankFile(dataPath(folder, visitingOrder[i], Form::Working));
    }
}

void Blank_Working_Copies(const QString& folder, BusyPointer& busy)
{
    const BusyScope scope(busy);
    for (FileId id : visitingOrder)
        blankFile(dataPath(folder, id, Form::Working));
}

} // namespace kaven::store
