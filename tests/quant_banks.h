#pragma once

// Small Quantitative plans and banks made in the test, written as data files.

#include "datastore/file_io.h"
#include "datastore/records.h"

#include <QString>

namespace quant_banks {

using namespace kaven::store;

// One plan slot per character: "PDP" is P, D, P.
inline RecordBuffer<Qtemp1Record> plan(const QString& codes)
{
    RecordBuffer<Qtemp1Record> buffer;
    for (int k = 0; k < codes.size(); ++k)
        buffer.append({k + 1, QString(codes[k])});
    return buffer;
}

// 37 slots, Problem Solving at 36 and 37 so their credit rule is exercised.
inline const QString fullPlan = QStringLiteral("PDPDPPDPDPDPPDPDPDPPDPDPDPPDPDPDPPDPP");

inline QpsmastRecord problem(const QString& id, std::int16_t level, std::int16_t answer = 3,
                             std::int16_t figure = 0)
{
    return {id, QStringLiteral("Problem %1: what is 2 + 2?").arg(id), "1", "2", "4", "8", "16",
            level, answer, figure, false, "Why.", 0};
}

inline QdsmastRecord dataSufficiency(const QString& id, std::int16_t level, std::int16_t answer = 4,
                                     std::int16_t figure = 0, bool tall = false)
{
    return {0, id, QStringLiteral("Is x of %1 positive?").arg(id), level, answer, false,
            "x > 1", "x^2 > 1", "Why.", figure, tall};
}

// Banks for a whole section: `perLevel` questions of each type at each level.
struct Banks {
    RecordBuffer<Qtemp1Record> qtemp1 = plan(fullPlan);
    RecordBuffer<QpsmastRecord> qpsmast;
    RecordBuffer<QdsmastRecord> qdsmast;

    explicit Banks(int perLevel = 12)
    {
        for (std::int16_t level = 1; level <= 5; ++level)
            for (int k = 0; k < perLevel; ++k) {
                const QString n = QStringLiteral("%1%2").arg(level).arg(k, 2, 10, QChar('0'));
                qpsmast.append(problem("QP" + n, level));
                qdsmast.append(dataSufficiency("QD" + n, level));
            }
    }

    void write(const QString& folder, Form form) const
    {
        rewriteFile(dataPath(folder, FileId::qtemp1, form), qtemp1);
        rewriteFile(dataPath(folder, FileId::qpsmast, form), qpsmast);
        rewriteFile(dataPath(folder, FileId::qdsmast, form), qdsmast);
    }
};

} // namespace quant_banks
