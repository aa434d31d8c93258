// The Verbal content delivered with the program: a plan of 41 slots whose runs of reading
// slots passages of three and four questions serve, and banks deep enough at every level
// for the five tests of a series. A shortfall names the bank, what it holds and what it
// needs.

#include "delivered_store.h"

#include <QMap>
#include <QRegularExpression>
#include <QTest>

using namespace kaven::store;

namespace {

QString shortOf(const QString& what, qsizetype holds, qsizetype needs)
{
    return QStringLiteral("%1: %2, needs at least %3").arg(what).arg(holds).arg(needs);
}

// What a bank lacks: questions in all, questions at one of the levels 1 to 5; or nothing.
template <class Bank> QString shortfall(const Bank& bank, const QString& what, int total, int perLevel)
{
    if (bank.size() < total)
        return shortOf(what, bank.size(), total);
    QMap<int, int> levels;
    for (const auto& q : bank.records())
        ++levels[q.q_level];
    for (int level = 1; level <= 5; ++level)
        if (levels[level] < perLevel)
            return shortOf(QStringLiteral("%1, level %2").arg(what).arg(level), levels[level], perLevel);
    return levels.size() == 5 ? QString() : what + QStringLiteral(": a level outside 1 to 5");
}

int wordsIn(const QString& text)
{
    return int(text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size());
}

} // namespace

class DeliveredVerbalTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void plan();
    void sentenceCorrection();
    void criticalReasoning();
    void passages();
    void enoughForFiveTests();

private:
    QString types() const;
    // The lengths of the runs of reading slots in the plan.
    QList<int> passageRuns() const;
    DeliveredStore store_;
};

void DeliveredVerbalTest::initTestCase()
{
    const QString problem = store_.open();
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

QString DeliveredVerbalTest::types() const
{
    const auto plan = store_.load<FileId::temp1>();
    QString codes;
    for (const auto& slot : plan.records())
        codes += slot.q_type;
    return codes;
}

QList<int> DeliveredVerbalTest::passageRuns() const
{
    QList<int> runs;
    for (const QString& run : types().split(QRegularExpression(QStringLiteral("[^C]+")), Qt::SkipEmptyParts))
        runs.append(int(run.size()));
    return runs;
}

void DeliveredVerbalTest::plan()
{
    const QString codes = types();
    QCOMPARE(codes.size(), 41);
    QCOMPARE(codes.count('S'), 14);
    QCOMPARE(codes.count('R'), 13);
    QCOMPARE(codes.count('C'), 14);
    QVERIFY2(!codes.startsWith('C') && !codes.contains("SSS") && !codes.contains("RRR"), qPrintable(codes));
    for (int run : passageRuns())
        QVERIFY2(run == 3 || run == 4, qPrintable(codes));
}

void DeliveredVerbalTest::sentenceCorrection()
{
    const auto bank = store_.load<FileId::vsmast>();
    const QString problem = shortfall(bank, "Sentence Correction questions (content/verbal/sentence-correction)", 85, 15);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    for (const auto& q : bank.records()) {
        const auto open = q.q_text.indexOf('{');
        const auto close = q.q_text.indexOf('}');
        QVERIFY2(q.q_text.count('{') == 1 && q.q_text.count('}') == 1 && open < close, qPrintable(q.q_id));
        QVERIFY2(q.opt_1 == q.q_text.mid(open + 1, close - open - 1), qPrintable(q.q_id));
        QVERIFY2(!q.used && q.rand_key == 0, qPrintable(q.q_id));
    }
}

void DeliveredVerbalTest::criticalReasoning()
{
    const auto bank = store_.load<FileId::vrmast>();
    const QString problem = shortfall(bank, "Critical Reasoning questions (content/verbal/critical-reasoning)", 80, 14);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    int withStatements = 0;
    for (const auto& q : bank.records()) {
        withStatements += q.stmt_1.isEmpty() ? 0 : 1;
        QVERIFY2(!q.used && q.rand_key == 0, qPrintable(q.q_id));
    }
    QVERIFY2(withStatements > 0, "no Critical Reasoning question lists statements I to III");
}

void DeliveredVerbalTest::passages()
{
    const auto passages = store_.load<FileId::comdet>();
    const auto questions = store_.load<FileId::vcmast>();
    QMap<int, int> bySize;
    QMap<std::pair<int, int>, int> byLevelAndSize;
    for (const auto& p : passages.records()) {
        ++bySize[p.q_count];
        ++byLevelAndSize[{p.psg_level, p.q_count}];
    }
    QVERIFY2(bySize[4] >= 12, qPrintable(shortOf("passages of four questions (content/verbal/reading-comprehension)", bySize[4], 12)));
    QVERIFY2(bySize[3] >= 12, qPrintable(shortOf("passages of three questions", bySize[3], 12)));
    for (int level = 1; level <= 5; ++level)
        for (int size : {3, 4}) {
            const int held = byLevelAndSize.value({level, size});
            QVERIFY2(held >= 2, qPrintable(shortOf(QStringLiteral("passages of %1 questions at level %2").arg(size).arg(level),
                                                   held, 2)));
        }
    QCOMPARE(bySize.size(), 2);

    int served = 0;
    for (const auto& p : passages.records()) {
        const QString name = QStringLiteral("passage %1").arg(p.psg_id);
        const int words = wordsIn(p.psg_text);
        QVERIFY2(words >= 250 && words <= 450, qPrintable(name + QStringLiteral(": %1 words").arg(words)));
        const auto own = std::count_if(questions.records().begin(), questions.records().end(),
                                       [&p](const auto& q) { return q.psg_id == p.psg_id; });
        QVERIFY2(own == p.q_count, qPrintable(name + QStringLiteral(": %1 questions").arg(own)));
        QVERIFY2(!p.used, qPrintable(name));
        served += p.q_count;
    }
    QCOMPARE(served, questions.size()); // no question without its passage
    for (const auto& q : questions.records())
        QVERIFY2(!q.used, qPrintable(q.q_id));
}

// Whatever the candidate answers, the draw walks every level before it gives up; so five
// tests need five times the slots of each type, and five times each run of reading slots
// in passages of that run's length.
void DeliveredVerbalTest::enoughForFiveTests()
{
    const QString codes = types();
    const auto sentences = store_.load<FileId::vsmast>().size();
    const auto reasoning = store_.load<FileId::vrmast>().size();
    QVERIFY2(sentences >= 5 * codes.count('S'), qPrintable(shortOf("Sentence Correction questions", sentences, 5 * codes.count('S'))));
    QVERIFY2(reasoning >= 5 * codes.count('R'), qPrintable(shortOf("Critical Reasoning questions", reasoning, 5 * codes.count('R'))));
    QMap<int, int> runs;
    for (int run : passageRuns())
        ++runs[run];
    const auto bank = store_.load<FileId::comdet>();
    QMap<int, int> passages;
    for (const auto& p : bank.records())
        ++passages[p.q_count];
    for (auto run = runs.cbegin(); run != runs.cend(); ++run)
        QVERIFY2(passages[run.key()] >= 5 * run.value(),
                 qPrintable(shortOf(QStringLiteral("passages of %1 questions").arg(run.key()), passages[run.key()],
                                    5 * run.value())));
}

QTEST_GUILESS_MAIN(DeliveredVerbalTest)
#include "tst_delivered_verbal.moc"
