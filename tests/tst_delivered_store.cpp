// The store files delivered with the program: they load, are in the writer's exact form,
// hold ids no two questions share, five untaken tests and Quantitative banks deep enough
// for all five. The Verbal content has a test of its own.

#include "delivered_store.h"
#include "test_files.h"

#include <QMap>
#include <QSet>
#include <QTest>

using namespace kaven::store;

class DeliveredStoreTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void banksAreFresh();
    void seriesStartsUntaken();
    void quantitativeContent();

private:
    template <class Bank> void checkBank(const Bank& bank, QSet<QString>& ids) const;
    DeliveredStore store_;
};

void DeliveredStoreTest::initTestCase()
{
    const QString problem = store_.open();
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    for (FileId id : visitingOrder) // already in the writer's form
        QVERIFY2(contentOf(dataPath(store_.path(), id, Form::Store))
                     == contentOf(dataPath(store_.path(), id, Form::Working)),
                 qPrintable(baseName(id)));
}

template <class Bank> void DeliveredStoreTest::checkBank(const Bank& bank, QSet<QString>& ids) const
{
    for (const auto& q : bank.records()) {
        QVERIFY2(!q.used && q.ans_no >= 1 && q.ans_no <= 5, qPrintable(q.q_id));
        QVERIFY2(!ids.contains(q.q_id), qPrintable("id used twice: " + q.q_id));
        ids.insert(q.q_id);
    }
}

void DeliveredStoreTest::banksAreFresh()
{
    QSet<QString> ids;
    checkBank(store_.load<FileId::vsmast>(), ids);
    checkBank(store_.load<FileId::vrmast>(), ids);
    checkBank(store_.load<FileId::qpsmast>(), ids);
    checkBank(store_.load<FileId::qdsmast>(), ids);
    checkBank(store_.load<FileId::vcmast>(), ids);
}

void DeliveredStoreTest::seriesStartsUntaken()
{
    const auto given = store_.load<FileId::tesgiv>();
    QCOMPARE(given.size(), 5);
    for (int i = 1; i <= 5; ++i)
        QVERIFY(given[i].test_no == i && !given[i].taken);
    QVERIFY(store_.load<FileId::userprof>().isEmpty() && store_.load<FileId::tesdet>().isEmpty());
}

// The Quantitative banks serve five tests whatever the candidate answers: the draw walks
// every level before it gives up, so each bank needs five times its slots in the plan.
void DeliveredStoreTest::quantitativeContent()
{
    const auto plan = store_.load<FileId::qtemp1>();
    QCOMPARE(plan.size(), 37);
    QString types;
    for (const auto& slot : plan.records())
        types += slot.q_type;
    QVERIFY2(!types.contains("PPPP") && !types.contains("DDDD") && types.count('P') + types.count('D') == 37,
             qPrintable(types));
    const auto problemSolving = store_.load<FileId::qpsmast>();
    const auto dataSufficiency = store_.load<FileId::qdsmast>();
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
