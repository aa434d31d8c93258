#pragma once

// Small Verbal plans and banks made in the test, written as data files.

#include "datastore/file_io.h"
#include "datastore/records.h"

#include <QString>

namespace verbal_banks {

using namespace kaven::store;

// One plan slot per character: "SRCC" is S, R, C, C.
inline RecordBuffer<Temp1Record> plan(const QString& codes)
{
    RecordBuffer<Temp1Record> buffer;
    for (int k = 0; k < codes.size(); ++k)
        buffer.append({k + 1, QString(codes[k])});
    return buffer;
}

// The 41-slot plan the section is tested on: every kind, passages of four and three.
inline const QString fullPlan = QStringLiteral("SRSRSCCCCRSRSRSRCCCSRSRSRSCCCCRSRSRSCCCRS");

inline VsmastRecord sentence(const QString& id, std::int16_t level, std::int16_t answer = 2)
{
    return {id, QStringLiteral("The list of names {were posted} on the door of %1.").arg(id),
            QStringLiteral("were posted"), QStringLiteral("note"), QStringLiteral("was posted"),
            QStringLiteral("have posted"), QStringLiteral("posting"), QStringLiteral("are posted"),
            level, answer, false, QStringLiteral("Why."), 0};
}

inline VrmastRecord reasoning(const QString& id, std::int16_t level, std::int16_t answer = 3)
{
    return {id, QStringLiteral("Argument of %1. Which of the following most weakens it?").arg(id),
            "One", "Two", "Three", "Four", "Five", level, answer, "Why.", false, {}, {}, {}, {}, {}, 0, false};
}

inline VcmastRecord comprehension(const QString& id, std::int16_t passage, std::int16_t answer = 4)
{
    return {id, QStringLiteral("What does the passage say about %1?").arg(id), "First", "Second",
            "Third", "Fourth", "Fifth", 0, answer, passage, false, "Why.", {}, {}, {}, {}, {}};
}

// Banks for a whole section: `perLevel` questions of each type at each level, and
// `passages` passages of four and of three questions at each level.
struct Banks {
    RecordBuffer<Temp1Record> temp1 = plan(fullPlan);
    RecordBuffer<VsmastRecord> vsmast;
    RecordBuffer<VrmastRecord> vrmast;
    RecordBuffer<ComdetRecord> comdet;
    RecordBuffer<VcmastRecord> vcmast;

    explicit Banks(int perLevel = 6, int passages = 2)
    {
        std::int16_t id = 0;
        for (std::int16_t level = 1; level <= 5; ++level) {
            for (int k = 0; k < perLevel; ++k) {
                vsmast.append(sentence(QStringLiteral("VS%1%2").arg(level).arg(k, 2, 10, QChar('0')), level));
                vrmast.append(reasoning(QStringLiteral("VR%1%2").arg(level).arg(k, 2, 10, QChar('0')), level));
            }
            for (int k = 0; k < passages; ++k)
                for (const std::int16_t count : {4, 3}) {
                    ++id;
                    comdet.append({id, QStringLiteral("Passage %1 at level %2.").arg(id).arg(level), count, false, level});
                    for (int q = 1; q <= count; ++q)
                        vcmast.append(comprehension(QStringLiteral("VC%1%2").arg(id, 2, 10, QChar('0')).arg(q), id));
                }
        }
    }

    void write(const QString& folder, Form form) const
    {
        rewriteFile(dataPath(folder, FileId::temp1, form), temp1);
        rewriteFile(dataPath(folder, FileId::vsmast, form), vsmast);
        rewriteFile(dataPath(folder, FileId::vrmast, form), vrmast);
        rewriteFile(dataPath(folder, FileId::comdet, form), comdet);
        rewriteFile(dataPath(folder, FileId::vcmast, form), vcmast);
    }
};

} // namespace verbal_banks
