#include "datastore/data_files.h"

namespace kaven::store {

QString baseName(FileId id)
{
    switch (id) {
    case FileId::qtemp1: return QStringLiteral("qtemp1");
    case FileId::qdsmast: return QStringLiteral("qdsmast");
    case FileId::qpsmast: return QStringLiteral("qpsmast");
    case FileId::userprof: return QStringLiteral("userprof");
    case FileId::tesdet: return QStringLiteral("tesdet");
    case FileId::tesgiv: return QStringLiteral("tesgiv");
    case FileId::temp1: return QStringLiteral("temp1");
    case FileId::vrmast: return QStringLiteral("vrmast");
    case FileId::vsmast: return QStringLiteral("vsmast");
    case FileId::comdet: return QStringLiteral("comdet");
    case FileId::vcmast: return QStringLiteral("vcmast");
    }
    Q_UNREACHABLE();
}

QString dataPath(const QString& folder, FileId id, Form form)
{
    const auto extension = form == Form::Store ? QStringLiteral(".dll") : QStringLiteral(".enc");
    return folder + QLatin1Char('/') + baseName(id) + QStringLiteral("xq42") + extension;
}

} // namespace kaven::store
