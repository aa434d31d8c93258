#pragma once

// What every test shares, without widgets: whole files, a data folder, fixed random
// fractions, and small plans and banks made in the test. Screen tests add screens.h.

#include "datastore/file_io.h"
#include "ui/random_source.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>

using namespace kaven::store;

inline QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline bool put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Random fractions the test sets: the same value every time.
class FixedRandom final : public kaven::ui::RandomSource {
public:
    double value = 0.75;
    double fraction() override { return value; }
};

// A temporary data folder; every store file starts empty.
class DataFolder {
public:
    DataFolder()
    {
        for (const FileId id : visitingOrder)
            setStore(id, {});
    }
    QString path() const { return dir_.path(); }
    QString file(FileId id, Form form) const { return dataPath(path(), id, form); }
    void setStore(FileId id, const QByteArray& bytes) { put(file(id, Form::Store), bytes); }
    void setWorking(FileId id, const QByteArray& bytes) { put(file(id, Form::Working), bytes); }
    QByteArray store(FileId id) const { return contentOf(file(id, Form::Store)); }
    QByteArray working(FileId id) const { return contentOf(file(id, Form::Working)); }
    QList<QByteArray> stores() const
    {
        QList<QByteArray> all;
        for (const FileId id : visitingOrder)
            all << store(id);
        return all;
    }
    bool workingCopiesBlank() const
    {
        for (const FileId id : visitingOrder)
            if (working(id) != "\r\n")
                return false;
        return true;
    }
    template <FileId id> RecordBuffer<RecordFor<id>> load(Form form = Form::Store) const
    {
        RecordBuffer<RecordFor<id>> buffer;
        loadFile(file(id, form), buffer);
        return buffer;
    }
private:
    QTemporaryDir dir_;
};

// A tests-given file with these taken flags for tests 1, 2, ...
inline QByteArray tesgivWith(std::initializer_list<bool> taken)
{
    QByteArray bytes;
    int test = 0;
    for (const bool flag : taken)
        bytes += QByteArray::number(++test) + (flag ? ",#TRUE#,#FALSE#\r\n" : ",#FALSE#,#FALSE#\r\n");
    return bytes;
}

#ifdef KAVEN_DELIVERED_DATA
// A store file as the build delivers it.
inline QByteArray delivered(FileId id)
{
    return contentOf(dataPath(QStringLiteral(KAVEN_DELIVERED_DATA), id, Form::Store));
}
inline void deliver(DataFolder& data)
{
    for (const FileId id : visitingOrder)
        data.setStore(id, delivered(id));
}
#endif

// Plans and banks made in the test: `perLevel` questions of each type at each level, ids
// by type, level and number ("QP300" is the first Problem Solving question of level 3).
namespace banks {

// One plan slot per character: "PDP" is P, D, P.
inline RecordBuffer<PlanRecord> plan(const QString& codes)
{
    RecordBuffer<PlanRecord> buffer;
    for (int k = 0; k < codes.size(); ++k)
        buffer.append({k + 1, QString(codes[k])});
    return buffer;
}

inline QString id(const char* type, int level, int k)
{
    return QStringLiteral("%1%2%3").arg(QLatin1String(type)).arg(level).arg(k, 2, 10, QChar('0'));
}

// 37 slots, Problem Solving at 36 and 37 so that their credit rule is exercised.
inline const QString quantPlan = QStringLiteral("PDPDPPDPDPDPPDPDPDPPDPDPDPPDPDPDPPDPP");
// 41 slots of every kind, passages of four and of three.
inline const QString verbalPlan = QStringLiteral("SRSRSCCCCRSRSRSRCCCSRSRSRSCCCCRSRSRSCCCRS");

// Writes each buffer to the file of its id in the folder.
template <class... Banks> void writeAll(const QString& folder, Form form, const std::pair<FileId, const Banks*>&... banks)
{
    (rewriteFile(dataPath(folder, banks.first, form), *banks.second), ...);
}

struct Quant {
    RecordBuffer<PlanRecord> qtemp1 = plan(quantPlan);
    RecordBuffer<QpsmastRecord> qpsmast;
    RecordBuffer<QdsmastRecord> qdsmast;

    explicit Quant(int perLevel = 12)
    {
        for (std::int16_t level = 1; level <= 5; ++level)
            for (int k = 0; k < perLevel; ++k) {
                const QString ps = id("QP", level, k), ds = id("QD", level, k);
                qpsmast.append({ps, "Problem: what is 2 + 2?", "1", "2", "4", "8", "16", level, 3, 0, false, "Why.", 0});
                qdsmast.append({0, ds, "Is x of " + ds + " positive?", level, 4, false, "x > 1", "x^2 > 1", "Why.", 0, false});
            }
    }
    void write(const QString& folder, Form form) const
    {
        writeAll(folder, form, std::pair{FileId::qtemp1, &qtemp1}, std::pair{FileId::qpsmast, &qpsmast},
                 std::pair{FileId::qdsmast, &qdsmast});
    }
};

inline VcmastRecord comprehension(const QString& id, std::int16_t passage)
{
    return {id, "What does the passage say?", "First", "Second", "Third", "Fourth", "Fifth", 0, 4, passage, false,
            "Why.", {}, {}, {}, {}, {}};
}

// `passages` passages of four and of three questions at each level.
struct Verbal {
    RecordBuffer<PlanRecord> temp1 = plan(verbalPlan);
    RecordBuffer<VsmastRecord> vsmast;
    RecordBuffer<VrmastRecord> vrmast;
    RecordBuffer<ComdetRecord> comdet;
    RecordBuffer<VcmastRecord> vcmast;

    explicit Verbal(int perLevel = 6, int passages = 2)
    {
        std::int16_t passage = 0;
        for (std::int16_t level = 1; level <= 5; ++level) {
            for (int k = 0; k < perLevel; ++k) {
                vsmast.append({id("VS", level, k), "The list of names {were posted} on the door.", "were posted", "note",
                               "was posted", "have posted", "posting", "are posted", level, 2, false, "Why.", 0});
                vrmast.append({id("VR", level, k), "An argument. Which of the following most weakens it?", "One", "Two",
                               "Three", "Four", "Five", level, 3, "Why.", false, {}, {}, {}, {}, {}, 0, false});
            }
            for (int k = 0; k < passages; ++k)
                for (const std::int16_t count : {4, 3}) {
                    comdet.append({++passage, QStringLiteral("Passage %1.").arg(passage), count, false, level});
                    for (int q = 1; q <= count; ++q)
                        vcmast.append(comprehension(QStringLiteral("VC%1%2").arg(passage, 2, 10, QChar('0')).arg(q), passage));
                }
        }
    }
    void write(const QString& folder, Form form) const
    {
        writeAll(folder, form, std::pair{FileId::temp1, &temp1}, std::pair{FileId::vsmast, &vsmast},
                 std::pair{FileId::vrmast, &vrmast}, std::pair{FileId::comdet, &comdet}, std::pair{FileId::vcmast, &vcmast});
    }
};

} // namespace banks
