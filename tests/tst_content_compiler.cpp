// The question compiler refuses a source that breaks a rule, naming its file and line, and
// turns a good one into exactly the record the screens read.

#include "banks.h"
#include "support.h"

#include <QTemporaryDir>
#include <QTest>

using namespace kaven;

namespace {

const QByteArray goodProblem =
    "# a comment\n"
    "id: QP900\nlevel: 4\nratings: 4 4\nfigure: 4\n"
    "question: In the right triangle abc the legs ab and ac are 6 and 8.\n"
    "  How long is bc?\n"
    "\n"
    "  Give the length.\n"
    "A: 7\nB: 10\nC: 12\nD: 14\nE: 48\n"
    "answer: B\n"
    "explanation: By Pythagoras bc = √(36 + 64) = 10. The trap is D: adding the legs gives 14.\n";

const QByteArray goodSentence =
    "id: VS900\nlevel: 2\nratings: 2 1\nnote: agreement across a phrase\n"
    "sentence: The stack of unpaid bills {were sitting} on the kitchen table\n"
    "  when we came home.\n"
    "A: were sitting\nB: was sitting\nC: have sat\nD: sitting\nE: are sitting\n"
    "answer: B\n"
    "explanation: The subject is the singular stack, not bills. Choice E is plural and in the wrong tense.\n";

const QByteArray goodReasoning =
    "id: VR900\nlevel: 3\nratings: 3 3\ntall: no\n"
    "argument: Since the bakery began selling its bread at half price after six, its evening\n"
    "  sales have doubled. The owner concludes that the discount draws new customers.\n"
    "\n"
    "  Which of the following, if true, most weakens the owner's conclusion?\n"
    "statement1:\nstatement2:\nstatement3:\n"
    "A: Most of the evening buyers used to buy the same bread in the morning.\n"
    "B: The bakery also sells cakes.\n"
    "C: Bread prices rose across the town.\n"
    "D: Some customers prefer rye bread.\n"
    "E: The bakery opened ten years ago.\n"
    "answer: A\n"
    "explanation: Buyers who only moved from morning to evening are not new. Choice C concerns other shops.\n";

// Ten words a sentence; two paragraphs of thirteen make a passage of 260 words.
QByteArray paragraph(int sentences)
{
    return QByteArray("The tide comes in and goes out twice a day. ").repeated(sentences).trimmed();
}

QByteArray passageQuestion(const char* id, const char* answer)
{
    return QByteArray("id: ") + id + "\nratings: 3 3\n"
        "question: What does the passage describe?\n"
        "A: The tides\nB: The winds\nC: The moon\nD: The rivers\nE: The harbour\n"
        "answer: " + answer + "\n"
        "explanation: It describes the tides. Choice C names only their cause.\n";
}

const QByteArray goodPassage =
    "# a passage and its questions\n"
    "passage: 900\nlevel: 3\nratings: 3 4\ntopic: social science\n"
    "text: " + paragraph(13) + "\n"
    "\n"
    "  " + paragraph(13) + "\n"
    "\n" + passageQuestion("VC901", "A") + "\n" + passageQuestion("VC902", "A") + "\n"
    + passageQuestion("VC903", "E");

const QByteArray goodPlan = "S\nR\nC\nC\nC\nS\nC\nC\nC\nC\n";

QByteArray with(const QByteArray& source, const QByteArray& from, const QByteArray& to)
{
    return QByteArray(source).replace(from, to);
}

// The banks the sources compile into, with the rules they share.
struct Compiled {
    QTemporaryDir dir;
    content::Rules rules;
    store::RecordBuffer<store::QpsmastRecord> problems;
    store::RecordBuffer<store::VsmastRecord> sentences;
    store::RecordBuffer<store::VrmastRecord> reasoning;
    store::RecordBuffer<store::ComdetRecord> passages;
    store::RecordBuffer<store::VcmastRecord> questions;
    store::RecordBuffer<store::PlanRecord> plan;
    int files = 0;

    // Compiles a source of the given kind; what the compiler refused, or nothing.
    QString add(const QString& kind, const QByteArray& source)
    {
        const QString path = dir.filePath(QStringLiteral("source%1.txt").arg(++files));
        put(path, source);
        try {
            if (kind == "problem solving")
                content::addProblemSolving(path, rules, problems);
            else if (kind == "sentence correction")
                content::addSentenceCorrection(path, rules, sentences);
            else if (kind == "critical reasoning")
                content::addCriticalReasoning(path, rules, reasoning);
            else if (kind == "reading comprehension")
                content::addReadingComprehension(path, rules, passages, questions);
            else
                content::readPlan(path, "SRC", plan, u'C');
        } catch (const content::ContentError& error) {
            return error.message().mid(path.size());
        }
        return {};
    }
};

} // namespace

class TestContentCompiler : public QObject {
    Q_OBJECT
private slots:
    // A good source of each kind becomes exactly the record the screens read: continuation
    // lines joined, paragraphs kept, the key as a number, the braces and note of a sentence
    // kept, empty statements empty, every question unused with random key 0.
    void goodSources()
    {
        Compiled c;
        for (const auto& [kind, source] : {std::pair{"problem solving", goodProblem}, {"sentence correction", goodSentence},
                                           {"critical reasoning", goodReasoning}, {"reading comprehension", goodPassage}})
            QCOMPARE(c.add(kind, source), QString());
        const auto& [problems, sentences, reasoning, passages, questions] =
            std::tie(c.problems, c.sentences, c.reasoning, c.passages, c.questions);
        QCOMPARE(problems[1], (store::QpsmastRecord{
            "QP900", "In the right triangle abc the legs ab and ac are 6 and 8. How long is bc?\r\n\r\nGive the length.",
            "7", "10", "12", "14", "48", 4, 2, 4, false, "By Pythagoras bc = √(36 + 64) = 10. The trap is D: adding the legs gives 14.", 0}));
        QCOMPARE(sentences[1], (store::VsmastRecord{
            "VS900", "The stack of unpaid bills {were sitting} on the kitchen table when we came home.",
            "were sitting", "agreement across a phrase", "was sitting", "have sat", "sitting", "are sitting", 2, 2,
            false, "The subject is the singular stack, not bills. Choice E is plural and in the wrong tense.", 0}));
        const store::VrmastRecord& r = reasoning[1];
        QVERIFY(r.q_text.endsWith("customers.\r\n\r\nWhich of the following, if true, most weakens the owner's conclusion?"));
        QVERIFY(r.opt_5 == "The bakery opened ten years ago." && r.ans_no == 1 && r.q_level == 3 && r.stmt_1.isEmpty() && !r.tall_q);
        QCOMPARE(passages[1], (store::ComdetRecord{900, paragraph(13) + "\r\n\r\n" + paragraph(13), 3, false, 3}));
        QCOMPARE(questions.size(), 3);
        QCOMPARE(questions[3], (store::VcmastRecord{"VC903", "What does the passage describe?", "The tides", "The winds",
                                                    "The moon", "The rivers", "The harbour", 0, 5, 900, false,
                                                    "It describes the tides. Choice C names only their cause.", {}, {}, {}, {}, {}}));
    }

    void refused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const char* kind, const QByteArray& source, const char* message) {
            QTest::newRow(name) << QString(kind) << source << QString(message);
        };
        const char* ps = "problem solving";
        row("fields out of order", ps, with(goodProblem, "ratings: 4 4\nfigure: 4\n", "figure: 4\nratings: 4 4\n"),
            ":4: found field 'figure' where 'ratings' belongs");
        row("double quote", ps, with(goodProblem, "Give the", "Give \"the"), ":9: a double quote cannot be stored");
        row("level out of range", ps, with(goodProblem, "level: 4", "level: 6"),
            ":3: level: must be a whole number from 1 to 5");
        row("answer not a letter", ps, with(goodProblem, "answer: B", "answer: 2"),
            ":15: answer: must be one of the letters A to E");
        row("repeated choice", ps, with(goodProblem, "D: 14", "D: 12"), ":13: D: repeats another choice");
        row("choice too long", ps, with(goodProblem, "E: 48", "E: " + QByteArray(46, 'x')),
            ":14: E: a choice is one line of at most 45 characters");
        row("empty question", ps,
            with(goodProblem, "question: In the right triangle abc the legs ab and ac are 6 and 8.\n  How long is bc?\n\n"
                              "  Give the length.\n", "question:\n"),
            ":6: question: must not be empty");
        row("one-sentence explanation", ps, with(goodProblem, " The trap is D: adding the legs gives 14.", ""),
            ":16: explanation: has 1 sentences");
        row("point the figure lacks", ps, with(goodProblem, "legs ab and ac", "legs ab and ad"),
            ":6: question: names 'ad', but figure 4 labels only a, b, c");
        row("figure without its points", ps,
            with(goodProblem, "question: In the right triangle abc the legs ab and ac are 6 and 8.\n  How long is bc?",
                 "question: The legs of a right triangle are 6 and 8. How long is the third side?"),
            ":6: question: names none of the points of figure 4");

        // The level against the median of its blind ratings: one away at most, never below 1.
        row("level two away from its ratings", ps, with(goodProblem, "ratings: 4 4", "ratings: 1 3 2"),
            ":3: level: level 4 is more than one away from the median rating 2");
        row("median of an even count", ps, with(goodProblem, "ratings: 4 4", "ratings: 5 2 3 1"),
            ":3: level: level 4 is more than one away from the median rating 2.5");
        row("median one away", ps, with(goodProblem, "ratings: 4 4", "ratings: 5 3 3 0 1"), "");
        row("level 4 without its trap", ps, with(goodProblem, "The trap is D: adding", "Adding"),
            ":16: explanation: at level 4 names its trap");
        row("one rating", ps, with(goodProblem, "ratings: 4 4", "ratings: 4"), ":4: ratings: at least two blind ratings");
        row("rating off the scale", ps, with(goodProblem, "ratings: 4 4", "ratings: 4 6"),
            ":4: ratings: at least two blind ratings");
        row("below the exam's floor", "sentence correction", with(goodSentence, "ratings: 2 1", "ratings: 1 0"),
            ":3: ratings: the median rating 0.5 is below the exam's floor (1)");
        row("reading question far from its passage", "reading comprehension",
            with(goodPassage, "id: VC902\nratings: 3 3", "id: VC902\nratings: 1 1"),
            ":22: ratings: the passage's level 3 is more than one away from the median rating 1");

        const char* sc = "sentence correction";
        row("two underlined parts", sc, with(goodSentence, "the kitchen table", "the {kitchen} table"),
            ":5: sentence: must mark exactly one underlined part");
        row("a brace outside the sentence", sc, with(goodSentence, "C: have sat", "C: {have} sat"),
            ":9: C: braces { } only mark the underlined part");
        row("A is not the underlined part", sc, with(goodSentence, "A: were sitting", "A: were sat"),
            ":7: A: must repeat the underlined part exactly: were sitting");
        row("sentence choice too long", sc, with(goodSentence, "D: sitting", "D: " + QByteArray(161, 'x')),
            ":10: D: a choice is one line of at most 160 characters");

        const char* cr = "critical reasoning";
        row("one statement of three", cr, with(goodReasoning, "statement2:", "statement2: Bread is cheap."),
            ":9: statement1: the three statements are all filled or all empty");
        // Four lines of argument and three of statements: seven lines need the tall label.
        row("statements need the tall label", cr,
            with(goodReasoning, "statement1:\nstatement2:\nstatement3:",
                 "statement1: The bakery sold more bread.\nstatement2: Some buyers are new.\n"
                 "statement3: The discount costs money."),
            ":4: tall: argument and statements fill 7 lines of the question label, which holds 6: say yes");
        // The tall label and three choices of two lines: the fifth answer ends one line too low.
        row("answers below the question area", cr,
            with(with(with(with(goodReasoning, "tall: no", "tall: yes"), "B: The bakery", "B: " + QByteArray(60, 'b') + " The bakery"),
                      "C: Bread", "C: " + QByteArray(60, 'c') + " Bread"), "D: Some", "D: " + QByteArray(60, 'd') + " Some"),
            ":16: E: the fifth answer ends at 5220 twips, 20 below the 5200 the question area shows without a scroll bar (1 line)");
        row("reasoning choice too long", cr, with(goodReasoning, "B: The bakery also sells cakes.", "B: " + QByteArray(201, 'x')),
            ":13: B: a choice is one line of at most 200 characters");

        const char* rc = "reading comprehension";
        row("passage number out of range", rc, with(goodPassage, "passage: 900", "passage: 0"),
            ":2: passage: must be a whole number from 1 to 32767");
        row("unknown topic", rc, with(goodPassage, "topic: social science", "topic: art"),
            ":5: topic: must be one of science, business, social science, humanities");
        row("passage too short", rc, with(goodPassage, "\n\n  " + paragraph(13), "\n\n  " + paragraph(11)),
            ":6: text: has 240 words; a passage has 250 to 450");
        row("two questions", rc, goodPassage.left(goodPassage.indexOf("id: VC903")),
            ":2: passage 900 has 2 questions; a passage has 3 or 4");
        row("second passage", rc, goodPassage + "\npassage: 901\nlevel: 1\nratings: 1 1\ntopic: science\ntext: More.\n",
            ":43: a reading source holds one passage");

        row("run of two passage slots", "plan", with(goodPlan, "C\nC\nC\nS", "C\nC\nS"),
            ":3: a run of C slots is 2 long; a passage has 3 or 4 questions");
    }
    void refused()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, source);
        QFETCH(QString, message);
        Compiled c;
        const QString refusal = c.add(kind, source);
        if (message.isEmpty()) // accepted
            QCOMPARE(refusal, QString());
        else
            QVERIFY2(refusal.startsWith(message.left(message.indexOf(' '))) && refusal.contains(message), qPrintable(refusal));
    }

    // Question ids are unique across the Quantitative and the Verbal banks; passage numbers
    // across the reading sources.
    void idsAreUniqueAcrossBanks()
    {
        Compiled c;
        QCOMPARE(c.add("problem solving", goodProblem), QString());
        QCOMPARE(c.add("sentence correction", with(goodSentence, "VS900", "QP900")), ":1: id: QP900 is used by another question");
        QCOMPARE(c.add("reading comprehension", goodPassage), QString());
        QCOMPARE(c.add("reading comprehension", with(goodPassage, "VC90", "VC80")),
                 ":2: passage: 900 is the number of another passage");
    }
};

QTEST_GUILESS_MAIN(TestContentCompiler)
#include "tst_content_compiler.moc"
