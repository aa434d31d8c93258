#include "datastore/file_io.h"

#include <QFile>
#include <QSaveFile>

namespace kaven::store {

QByteArray readWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        throw StoreError(path, 0, 0, {}, QStringLiteral("the file is missing"));
    if (!file.open(QIODevice::ReadOnly))
        throw StoreError(path, 0, 0, {},
                         QStringLiteral("the file cannot be opened (%1)").arg(file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw StoreError(path, 0, 0, {},
                         QStringLiteral("the file cannot be read (%1)").arg(file.errorString()));
    return bytes;
}

void replaceFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    const auto failed = [&] {
        return StoreError(path, 0, 0, {},
                          QStringLiteral("the file cannot be written (%1); it keeps its former "
                                         "content")
                              .arg(file.errorString()));
    };
    if (!file.open(QIODevice::WriteOnly))
        throw failed();
    if (file.write(bytes) != bytes.size()) {
        const StoreError error = failed();
        file.cancelWriting();
        throw error;
    }
    if (!file.commit())
        throw failed();
}

void emptyFile(const QString& path)
{
    replaceFile(path, QByteArray());
}

void blankFile(const QString& path)
{
    replaceFile(path, QByteArrayLiteral("\r\n"));
}

} // namespace kaven::store
