// The store files delivered with the program: they load, are in the writer's exact form,
// and hold what a first test needs: full plans, passages that fit the plan's runs of
// reading questions, fresh banks at every level with unique ids, five untaken tests.

#include "datastore/file_io.h"
#include "datastore/passes.h"
#include "test_files.h"

#include <QDir>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace kaven::store;

class DeliveredStoreTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void plansAndPassagesFit();
    void banksAreFreshAtEveryLevel();
    void seriesStartsUntaken();
    void quantitativeContent();

private:
    template <FileId id> RecordBuffer<RecordFor<id>> load() const
    {
        RecordBuffer<RecordFor<id>> buffer;
        loadWorkingCopy<id>(dir_.path(), buffer);
        return buffer;
    }
    template <class Bank> void checkBank(const Bank& bank, QSet<QString>& ids) const;
    QTemporaryDir dir_;
};

void DeliveredStoreTest::initTestCase()
{
    const QDir delivered(QStringLiteral(KAVEN_DELIVERED_DATA));
    for (FileId id : visitingOrder)
        QVERIFY(QFile::copy(dataPath(delivered.path(), id, Form::Store), dataPath(dir_.path(), id, Form::Store)));
    NoBusyPointer pointer;
    try {
        decript_codetext(dir_.path(), pointer);
    } catch (const StoreError& error) {
        QFAIL(qPrintable(error.message()));
    }
    for (FileId id : visitingOrder) // already in the writer's form
        QVERIFY2(contentOf(dataPath(dir_.path(), id, Form::Store))
                     == contentOf(dataPath(dir_.path(), id, Form::Working)),
                 qPrintable(baseName(id)));
}

void DeliveredStoreTest::plansAndPassagesFit()
{
    const auto quant = load<FileId::qtemp1>();
    QCOMPARE(quant.size(), 37);
    for (const auto& slot : quant.records())
        QVERIFY(slot.q_type == "P" || slot.q_type == "D");

    const auto verbal = load<FileId::temp1>();
    QCOMPARE(verbal.size(), 41);
    QSet<int> runs;
    int run = 0;
    for (const auto& slot : verbal.records()) {
        QVERIFY(slot.q_type == "S" || slot.q_type == "R" || slot.q_type == "C");
        run = slot.q_type == "C" ? run + 1 : (runs.insert(run), 0);
    }
    runs.insert(run);
    runs.remove(0);

    const auto passages = load<FileId::comdet>();
    const auto questions = load<FileId::vcmast>();
    QSet<int> sizes;
    for (const auto& passage : passages.records()) {
        QVERIFY(!passage.used && passage.psg_level >= 1 && passage.psg_level <= 5);
        const auto own = std::count_if(questions.records().begin(), questions.records().end(),
                                       [&](const auto& q) { return q.psg_id == passage.psg_id; });
        QCOMPARE(own, qsizetype(passage.q_count));
        sizes.insert(passage.q_count);
    }
    QVERIFY(!runs.contains(1));
    QVERIFY2(sizes.contains(runs), "a run of reading questions has no passage of its length");
}

template <class Bank> void DeliveredStoreTest::checkBank(const Bank& bank, QSet<QString>& ids) const
{
    QSet<int> levels;
    for (const auto& q : bank.records()) {
        QVERIFY2(!q.used && q.ans_no >= 1 && q.ans_no <= 5, qPrintable(q.q_id));
        QVERIFY2(!ids.contains(q.q_id), qPrintable("id used twice: " + q.q_id));
        ids.insert(q.q_id);
        if constexpr (requires { q.q_level; })
            levels.insert(q.q_level);
    }
    if constexpr (requires { bank[1].q_level; })
        QCOMPARE(levels, (QSet<int>{1, 2, 3, 4, 5}));
}

void DeliveredStoreTest::banksAreFreshAtEveryLevel()
{
    QSet<QString> ids;
    checkBank(load<FileId::vsmast>(), ids);
    checkBank(load<FileId::vrmast>(), ids);
    checkBank(load<FileId::qpsmast>(), ids);
    checkBank(load<FileId::qdsmast>(), ids);
    checkBank(load<FileId::vcmast>(), ids);
}

void DeliveredStoreTest::seriesStartsUntaken()
{
    const auto given = load<FileId::tesgiv>();
    QCOMPARE(given.size(), 5);
    for (int i = 1; i <= 5; ++i)
        QVERIFY(given[i].test_no == i && !given[i].taken);
    QVERIFY(load<FileId::userprof>().isEmpty() && load<FileId::tesdet>().isEmpty());
}

// The Quantitative banks serve five tests whatever the candidate answers: the draw walks
// every level before it gives up, so each bank needs five times its slots in the plan.
void DeliveredStoreTest::quantitativeContent()
{
    const auto plan = load<FileId::qtemp1>();
    QString types;
    for (const auto& slot : plan.records())
        types += slot.q_type;
    QVERIFY2(!types.contains("PPPP") && !types.contains("DDDD"), qPrintable(types));
    const auto problemSolving = load<FileId::qpsmast>();
    const auto dataSufficiency = load<FileId::qdsmast>();
    QVERIFY(types.count('P') >= 20 && types.count('D') >= 13);
    QVERIFY(problemSolving.size() >= 135 && problemSolving.size() >= 5 * types.count('P'));
    QVERIFY(dataSufficiency.size() >= 90 && dataSufficiency.size() >= 5 * types.count('D'));

    QMap<int, int> psLevels, dsLevels, figures;
    for (const auto& q : problemSolving.records()) {
        ++psLevels[q.q_level];
        ++figures[q.fig_id];
        for (const QString& text : {q.q_text, q.opt_1, q.opt_2, q.opt_3, q.opt_4, q.opt_5, q.expl})
            QVERIFY2(!text.trimmed().isEmpty(), qPrintable(q.q_id));
        QVERIFY2(q.rand_key == 0 && q.fig_id >= 0 && q.fig_id <= 5, qPrintable(q.q_id));
    }
    for (const auto& q : dataSufficiency.records()) {
        ++dsLevels[q.q_level];
        ++figures[q.fig_id];
        for (const QString& text : {q.q_text, q.stmt_1, q.stmt_2, q.expl})
            QVERIFY2(!text.trimmed().isEmpty(), qPrintable(q.q_id));
        QVERIFY2(q.rand_key == 0 && q.fig_id >= 0 && q.fig_id <= 5, qPrintable(q.q_id));
    }
    for (int level = 1; level <= 5; ++level) {
        QVERIFY2(psLevels[level] >= 25, qPrintable(QString("problem solving, level %1").arg(level)));
        QVERIFY2(dsLevels[level] >= 16, qPrintable(QString("data sufficiency, level %1").arg(level)));
        QVERIFY2(figures[level] >= 8, qPrintable(QString("figure %1").arg(level)));
    }
    QCOMPARE(psLevels.size() + dsLevels.size(), 10); // no level outside 1..5
}

QTEST_GUILESS_MAIN(DeliveredStoreTest)
#include "tst_delivered_store.moc"
