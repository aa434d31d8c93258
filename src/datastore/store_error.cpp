#include "datastore/store_error.h"

namespace kaven::store {

namespace {
QString compose(const QString& file, int line, int field, const QString& fieldName,
                const QString& problem)
{
    QString where = QStringLiteral("Data file \"%1\"").arg(file);
    if (line > 0)
        where += QStringLiteral(", line %1").arg(line);
    if (field > 0) {
        where += QStringLiteral(", field %1").arg(field);
        if (!fieldName.isEmpty())
            where += QStringLiteral(" (%1)").arg(fieldName);
    }
    return where + QStringLiteral(": ") + problem + QLatin1Char('.');
}
} // namespace

StoreError::StoreError(QString file, int line, int field, QString fieldName, QString problem)
    : std::runtime_error(compose(file, line, field, fieldName, problem).toStdString()),
      file_(std::move(file)), line_(line), field_(field), fieldName_(std::move(fieldName)),
      problem_(std::move(problem))
{
}

QString StoreError::message() const
{
    return compose(file_, line_, field_, fieldName_, problem_);
}

} // namespace kaven::store
