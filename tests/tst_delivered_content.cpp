// The store files the build delivers: in the writer's exact form, five untaken tests, plans
// the screens can serve, and banks deep enough at every level for the five tests of a
// series whatever the candidate answers. A shortfall names the bank, what it holds and
// what it needs.

#include "support.h"

#include <QMap>
#include <QRegularExpression>
#include <QTest>

namespace {

template <FileId id> RecordBuffer<RecordFor<id>> load()
{
    RecordBuffer<RecordFor<id>> buffer;
    loadFile(dataPath(QStringLiteral(KAVEN_DELIVERED_DATA), id, Form::Store), buffer);
    return buffer;
}

QString planOf(const RecordBuffer<PlanRecord>& plan)
{
    QString codes;
    for (const auto& slot : plan.records())
        codes += slot.q_type;
    return codes;
}

// What a bank lacks at one of the levels 1 to 5, or nothing.
template <class Bank> QString shortfall(const Bank& bank, const QString& what, int perLevel)
{
    QMap<int, int> levels;
    for (const auto& q : bank.records())
        ++levels[q.q_level];
    for (int level = 1; level <= 5; ++level)
        if (levels[level] < perLevel)
            return QStringLiteral("%1, level %2: %3, needs at least %4").arg(what).arg(level).arg(levels[level]).arg(perLevel);
    return levels.size() == 5 ? QString() : what + ": a level outside 1 to 5";
}

} // namespace

class TestDeliveredContent : public QObject {
    Q_OBJECT
private slots:
    void filesInTheWritersForm()
    {
        for (const FileId id : visitingOrder)
            withRecordType(id, [id](auto type) {
                const QString path = dataPath(QStringLiteral(KAVEN_DELIVERED_DATA), id, Form::Store);
                RecordBuffer<typename decltype(type)::type> buffer;
                loadFile(path, buffer);
                QVERIFY2(formatRecords(buffer, path) == delivered(id), qPrintable(path));
            });
        const auto given = load<FileId::tesgiv>();
        QCOMPARE(given.size(), 5);
        for (int i = 1; i <= 5; ++i)
            QVERIFY(given[i].test_no == i && !given[i].taken);
        QVERIFY(load<FileId::userprof>().isEmpty() && load<FileId::tesdet>().isEmpty());
    }

    // The draw walks every level before it gives up, so five tests need five times the
    // slots of each type, and five times each run of reading slots in passages of its length.
    void enoughForFiveTests()
    {
        const QString quant = planOf(load<FileId::qtemp1>());
        const QString verbal = planOf(load<FileId::temp1>());
        const auto ps = load<FileId::qpsmast>();
        const auto ds = load<FileId::qdsmast>();
        const auto sc = load<FileId::vsmast>();
        const auto cr = load<FileId::vrmast>();
        QVERIFY(ps.size() >= 5 * quant.count('P') && ds.size() >= 5 * quant.count('D'));
        QVERIFY(sc.size() >= 5 * verbal.count('S') && cr.size() >= 5 * verbal.count('R'));
        const QString problem = shortfall(ps, "Problem Solving", 28) + shortfall(ds, "Data Sufficiency", 18)
            + shortfall(sc, "Sentence Correction", 18) + shortfall(cr, "Critical Reasoning", 17);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));

        QMap<int, int> runs, passages;
        QMap<std::pair<int, int>, int> byLevel;
        for (const QString& run : verbal.split(QRegularExpression("[^C]+"), Qt::SkipEmptyParts))
            ++runs[int(run.size())];
        const auto comdet = load<FileId::comdet>();
        for (const auto& p : comdet.records()) {
            ++passages[p.q_count];
            ++byLevel[{p.psg_level, p.q_count}];
        }
        for (auto run = runs.cbegin(); run != runs.cend(); ++run)
            QVERIFY2(passages[run.key()] >= 5 * run.value(), qPrintable(QString("passages of %1 questions").arg(run.key())));
        for (int level = 1; level <= 5; ++level)
            for (const int size : {3, 4})
                QVERIFY2(byLevel.value({level, size}) >= 2,
                         qPrintable(QString("passages of %1 questions at level %2").arg(size).arg(level)));
    }

};

QTEST_GUILESS_MAIN(TestDeliveredContent)
#include "tst_delivered_content.moc"
