// The store files delivered with the program: they must load, be in the writer's exact
// form, and hold what a first test needs (full plans, passages that fit the plan's runs of
// reading questions, fresh banks at every level, five untaken tests).

#include "datastore/file_io.h"
#include "datastore/passes.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace kaven::store;

namespace {
struct NoPointer final : BusyPointer {
    void showBusy() override {}
    void showDefault() override {}
};

template <FileId id> RecordBuffer<RecordFor<id>> load(const QString& folder)
{
    RecordBuffer<RecordFor<id>> buffer;
    loadWorkingCopy<id>(folder, buffer);
    return buffer;
}

// Lengths of the runs of "C" slots in the plan.
QList<int> readingRuns(const RecordBuffer<PlanRecord>& plan)
{
    QList<int> runs;
    int run = 0;
    for (const PlanRecord& slot : plan.records()) {
        if (slot.q_type == QLatin1String("C")) {
            ++run;
        } else if (run > 0) {
            runs << run;
            run = 0;
        }
    }
    if (run > 0)
        runs << run;
    return runs;
}

template <class Bank> void checkBank(const Bank& bank, QSet<QString>& ids, const char* what)
{
    QSet<int> levels;
    for (const auto& q : bank.records()) {
        QVERIFY2(!q.used, qPrintable(q.q_id));
        QVERIFY2(q.ans_no >= 1 && q.ans_no <= 5, qPrintable(q.q_id));
        QVERIFY2(q.q_level >= 1 && q.q_level <= 5, qPrintable(q.q_id));
        QVERIFY2(!ids.contains(q.q_id), qPrintable(QStringLiteral("id used twice: ") + q.q_id));
        ids.insert(q.q_id);
        levels.insert(q.q_level);
    }
    QVERIFY2(levels.size() == 5, what);
}
} // namespace

class DeliveredStoreTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void isInTheWritersExactForm();
    void plansHaveTheirSlots();
    void passagesFitThePlan();
    void banksAreFreshAtEveryLevel();
    void seriesStartsUntaken();

private:
    QTemporaryDir dir_;
};

void DeliveredStoreTest::initTestCase()
{
    QVERIFY(dir_.isValid());
    const QDir delivered(QStringLiteral(KAVEN_DELIVERED_DATA));
    for (FileId id : visitingOrder) {
        const QString name = QFileInfo(dataPath(QString(), id, Form::Store)).fileName();
        QVERIFY2(QFile::copy(delivered.filePath(name), dir_.filePath(name)), qPrintable(name));
    }
    NoPointer pointer;
    try {
        decript_codetext(dir_.path(), pointer);
    } catch (const StoreError& error) {
        QFAIL(qPrintable(error.message()));
    }
}

void DeliveredStoreTest::isInTheWritersExactForm()
{
    for (FileId id : visitingOrder) {
        QFile store(dataPath(dir_.path(), id, Form::Store));
        QFile working(dataPath(dir_.path(), id, Form::Working));
        QVERIFY(store.open(QIODevice::ReadOnly) && working.open(QIODevice::ReadOnly));
        QVERIFY2(store.readAll() == working.readAll(), qPrintable(baseName(id)));
    }
}

void DeliveredStoreTest::plansHaveTheirSlots()
{
    const auto quant = load<FileId::qtemp1>(dir_.path());
    QCOMPARE(quant.size(), 37);
    for (const auto& slot : quant.records())
        QVERIFY(slot.q_type == QLatin1String("P") || slot.q_type == QLatin1String("D"));

    const auto verbal = load<FileId::temp1>(dir_.path());
    QCOMPARE(verbal.size(), 41);
    for (const auto& slot : verbal.records())
        QVERIFY(QStringList({"S", "R", "C"}).contains(slot.q_type));
}

void DeliveredStoreTest::passagesFitThePlan()
{
    const auto passages = load<FileId::comdet>(dir_.path());
    const auto questions = load<FileId::vcmast>(dir_.path());
    QSet<int> counts;
    for (const auto& passage : passages.records()) {
        QVERIFY(!passage.used);
        QVERIFY(passage.psg_level >= 1 && passage.psg_level <= 5);
        int own = 0;
        for (const auto& q : questions.records())
            own += q.psg_id == passage.psg_id;
        QVERIFY2(own == passage.q_count, qPrintable(QString::number(passage.psg_id)));
        counts.insert(passage.q_count);
    }
    for (int run : readingRuns(load<FileId::temp1>(dir_.path()))) {
        QVERIFY2(run >= 2, "a single reading question cannot be served");
        QVERIFY2(counts.contains(run), qPrintable(QStringLiteral("no passage of %1").arg(run)));
    }
}

void DeliveredStoreTest::banksAreFreshAtEveryLevel()
{
    QSet<QString> ids;
    checkBank(load<FileId::vsmast>(dir_.path()), ids, "vsmast");
    checkBank(load<FileId::vrmast>(dir_.path()), ids, "vrmast");
    checkBank(load<FileId::qpsmast>(dir_.path()), ids, "qpsmast");
    checkBank(load<FileId::qdsmast>(dir_.path()), ids, "qdsmast");
    const auto reading = load<FileId::vcmast>(dir_.path());
    for (const auto& q : reading.records()) {
        QVERIFY(!q.used && q.ans_no >= 1 && q.ans_no <= 5);
        QVERIFY2(!ids.contains(q.q_id), qPrintable(q.q_id));
        ids.insert(q.q_id);
    }
}

void DeliveredStoreTest::seriesStartsUntaken()
{
    const auto given = load<FileId::tesgiv>(dir_.path());
    QCOMPARE(given.size(), 5);
    for (int i = 1; i <= 5; ++i) {
        QCOMPARE(given[i].test_no, i);
        QVERIFY(!given[i].taken);
    }
    QVERIFY(load<FileId::userprof>(dir_.path()).isEmpty());
    QVERIFY(load<FileId::tesdet>(dir_.path()).isEmpty());
}

QTEST_GUILESS_MAIN(DeliveredStoreTest)
#include "tst_delivered_store.moc"
