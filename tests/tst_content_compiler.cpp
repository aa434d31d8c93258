// The question compiler refuses a source that breaks a rule, naming its file and line, and
// turns a good one into exactly the record the screens read.

#include "banks.h"
#include "test_files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace kaven;

namespace {

const QByteArray goodProblem =
    "# a comment\n"
    "id: QP900\n"
    "level: 4\n"
    "figure: 4\n"
    "question: In the right triangle abc the legs ab and ac are 6 and 8.\n"
    "  How long is bc?\n"
    "\n"
    "  Give the length.\n"
    "A: 7\n"
    "B: 10\n"
    "C: 12\n"
    "D: 14\n"
    "E: 48\n"
    "answer: B\n"
    "explanation: By Pythagoras bc = √(36 + 64) = 10. Adding the legs gives 14.\n";

QByteArray with(const char* from, const char* to)
{
    return QByteArray(goodProblem).replace(from, to);
}

} // namespace

class TestContentCompiler : public QObject {
    Q_OBJECT
private slots:
    void goodSource()
    {
        QTemporaryDir dir;
        QVERIFY(put(dir.filePath("ps.txt"), goodProblem));
        content::Rules rules;
        store::RecordBuffer<store::QpsmastRecord> bank;
        content::addProblemSolving(dir.filePath("ps.txt"), rules, bank);
        QCOMPARE(bank.size(), 1);
        const store::QpsmastRecord& q = bank[1];
        QCOMPARE(q.q_text, "In the right triangle abc the legs ab and ac are 6 and 8. How long is bc?"
                           "\r\n\r\nGive the length.");
        QCOMPARE(q.opt_2, "10");
        QCOMPARE(int(q.q_level), 4);
        QCOMPARE(int(q.ans_no), 2);
        QCOMPARE(int(q.fig_id), 4);
        QVERIFY(!q.used && q.rand_key == 0);
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QString>("message");
        QTest::newRow("fields out of order") << with("level: 4\nfigure: 4\n", "figure: 4\nlevel: 4\n")
                                             << ":3: found field 'figure' where 'level' belongs";
        QTest::newRow("entry cut short") << goodProblem.left(goodProblem.indexOf("answer:"))
                                         << ":2: the entry ends before its field 'answer'";
        QTest::newRow("double quote") << with("Give the", "Give \"the")
                                      << ":8: a double quote cannot be stored";
        QTest::newRow("level out of range") << with("level: 4", "level: 6")
                                            << ":3: level: must be a whole number from 1 to 5";
        QTest::newRow("answer not a letter") << with("answer: B", "answer: 2")
                                             << ":14: answer: must be one of the letters A to E";
        QTest::newRow("repeated choice") << with("D: 14", "D: 12") << ":12: D: repeats another choice";
        QTest::newRow("choice too long") << with("E: 48", "E: " + QByteArray(46, 'x'))
                                         << ":13: E: a choice is one line of at most 45 characters";
        QTest::newRow("empty question")
            << with("question: In the right triangle abc the legs ab and ac are 6 and 8.\n  How long is bc?\n\n"
                    "  Give the length.\n", "question:\n")
            << ":5: question: must not be empty";
        QTest::newRow("one-sentence explanation") << with(" Adding the legs gives 14.", "")
                                                  << ":15: explanation: has 1 sentences";
        QTest::newRow("point the figure lacks") << with("legs ab and ac", "legs ab and ad")
                                                << ":5: question: names 'ad', but figure 4 labels only a, b, c";
        QTest::newRow("figure without its points")
            << with("question: In the right triangle abc the legs ab and ac are 6 and 8.\n  How long is bc?",
                    "question: The legs of a right triangle are 6 and 8. How long is the third side?")
            << ":5: question: names none of the points of figure 4";
        QTest::newRow("indented line after a comment") << QByteArray("# notes\n  stray\n")
                                                       << ":2: an indented line belongs to no field";
    }
    void refused()
    {
        QFETCH(QByteArray, source);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(put(dir.filePath("ps.txt"), source));
        content::Rules rules;
        store::RecordBuffer<store::QpsmastRecord> bank;
        try {
            content::addProblemSolving(dir.filePath("ps.txt"), rules, bank);
            QFAIL("the source was accepted");
        } catch (const content::ContentError& error) {
            QVERIFY2(error.message().startsWith(dir.filePath("ps.txt") + message.left(message.indexOf(' ')))
                         && error.message().contains(message),
                     qPrintable(error.message()));
        }
    }

    void idsAreUniqueAcrossBanks()
    {
        QTemporaryDir dir;
        QVERIFY(put(dir.filePath("ps.txt"), goodProblem));
        QVERIFY(put(dir.filePath("ds.txt"),
                    "id: QP900\nlevel: 1\nfigure: 0\ntall: no\nquestion: Is n even?\n"
                    "statement1: n = 2k.\nstatement2: n + 1 is odd.\nanswer: D\n"
                    "explanation: Each says n is even. So D.\n"));
        content::Rules rules;
        store::RecordBuffer<store::QpsmastRecord> problems;
        store::RecordBuffer<store::QdsmastRecord> sufficiency;
        content::addProblemSolving(dir.filePath("ps.txt"), rules, problems);
        QVERIFY_THROWS_EXCEPTION(content::ContentError,
                                 content::addDataSufficiency(dir.filePath("ds.txt"), rules, sufficiency));
    }
};

QTEST_GUILESS_MAIN(TestContentCompiler)
#include "tst_content_compiler.moc"
