#include "datastore/file_io.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

StoreError writeFailure(const QString& path, const QString& reason)
{
    return StoreError(path, 0, 0, {},
                      QStringLiteral("the file cannot be written (%1); it keeps its former content")
                          .arg(reason));
}

} // namespace

void replaceFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    const auto failed = [&] { return writeFailure(path, file.errorString()); };
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

void replaceWorkingFile(const QString& path, const QByteArray& bytes)
{
    // Written beside the file under a name of its own, then renamed over it in one step.
    const QByteArray target = QFile::encodeName(path);
    QByteArray temporary = target + ".XXXXXX";
    const auto failed = [&path](int error) {
        return writeFailure(path, QString::fromLocal8Bit(std::strerror(error)));
    };
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        throw failed(errno);
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, std::size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            const int error = written < 0 ? errno : ENOSPC;
            ::close(fd);
            ::unlink(temporary.constData());
            throw failed(error);
        }
        data += written;
        left -= written;
    }
    // A file made by mkostemp is private to its owner; the working copy keeps its mode.
    struct stat former {};
    ::fchmod(fd, ::stat(target.constData(), &former) == 0 ? former.st_mode & 07777 : 0644);
    if (::close(fd) != 0 || ::rename(temporary.constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        throw failed(error);
    }
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
