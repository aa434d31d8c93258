#include "review/review_tables.h"
#include "review/review_text.h"

#include <QTest>

using namespace kaven::review;
using kaven::store::UserprofRecord;

namespace {

UserprofRecord answer(const QString& id, int test, const QString& section, int right, int given,
                      const QString& type)
{
    return {id, test, section, std::int16_t(right), std::int16_t(given), 40, type, 3, 0};
}

// One record per row of the explanation test, and the questions they point at.
ReviewTables tablesForTexts()
{
    ReviewTables t;
    const QString quant = QStringLiteral("Quantitative");
    const QString verbal = QStringLiteral("Verbal");
    t.userprof.append(answer("QP1", 1, quant, 2, 4, "P"));
    t.userprof.append(answer("VS1", 1, verbal, 2, 2, "S"));
    t.userprof.append(answer("VR1", 1, verbal, 5, 1, "R"));
    t.userprof.append(answer("VC1", 1, verbal, 1, 3, "C"));
    t.userprof.append(answer("QD1", 1, quant, 3, 0, "D"));
    t.userprof.append(answer("QD2", 1, quant, 5, 6, "D"));
    t.userprof.append(answer("QP9", 1, quant, 3, 1, "P"));
    t.userprof.append(answer("ZZ1", 1, quant, 3, 1, "X"));

    t.qpsmast.append({"QP1", "If x < 3, what is x?", "1", "2", "3, 4", "5", "6", 2, 2, 0, true, "Since x < 3.", 0});
    t.vsmast.append({"VS1", "The box {were found} here.", "were found", "never shown", "was found",
                     "are found", "be found", "found", 1, 2, true, "Singular subject.", 0});
    t.vrmast.append({"VR1", "Which must be true?", "a", "b", "c", "d", "e", 1, 5, "Only III.", true,
                     "one", "", "three", "", "", 0, false});
    t.comdet.append({6, "Another passage.", 1, true, 1});
    t.comdet.append({7, "The passage.\r\nSecond paragraph.", 1, true, 1});
    t.vcmast.append({"VC1", "An older copy", "", "", "", "", "", 0, 2, 6, true, "", "", "", "", "", ""});
    t.vcmast.append({"VC1", "The passage is about", "bees", "ants", "wasps", "moths", "flies", 0, 1, 7,
                     true, "Bees throughout.", "", "", "", "", ""});
    t.qdsmast.append({0, "QD2", "What is n?", 2, 5, true, "n > 2", "n < 4", "n may be 3 or 3.5.", 0, false});
    return t;
}

const QString dsAnswers = QStringLiteral(
    "\r\n\r\n(A) Statement (I) ALONE is sufficient, but statement (II) alone is not sufficient"
    "\r\n\r\n(B) Statement (II) ALONE is sufficient, but statement (I) is not sufficient"
    "\r\n\r\n(C) BOTH statements TOGETHER are sufficient, but NEITHER statement alone is sufficient"
    "\r\n\r\n(D) Each statement ALONE is sufficient"
    "\r\n\r\n(E) Statements (I) and (II) TOGETHER are NOT sufficient");

} // namespace

class TestReview : public QObject {
    Q_OBJECT
private slots:
    void explanation_data()
    {
        QTest::addColumn<int>("profileIndex");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("passage");
        const int single = int(Layout::Single);
        QTest::newRow("Problem Solving") << 1 << 3 << single << QString(
            "\t\t\t\tQuestion # 3\r\nIf x < 3, what is x?"
            "\r\n\r\n(A) 1\r\n\r\n(B) 2\r\n\r\n(C) 3, 4\r\n\r\n(D) 5\r\n\r\n(E) 6"
            "\r\n\r\nYour Answer   : D\r\nActual Answer : B\r\n\r\nExplanation \r\nSince x < 3.") << "";
        QTest::newRow("Sentence Correction shows fields 3, 5 to 8") << 2 << 12 << single << QString(
            "\t\t\t\tQuestion # 12\r\nThe box {were found} here."
            "\r\n\r\n(A) were found\r\n\r\n(B) was found\r\n\r\n(C) are found\r\n\r\n(D) be found"
            "\r\n\r\n(E) found\r\n\r\nYour Answer   : B\r\nActual Answer : B"
            "\r\n\r\nExplanation \r\nSingular subject.") << "";
        QTest::newRow("Critical Reasoning with statements I and III") << 3 << 1 << single << QString(
            "\t\t\t\tQuestion # 1\r\nWhich must be true?\r\nI.     one\r\nIII.   three"
            "\r\n\r\n(A) a\r\n\r\n(B) b\r\n\r\n(C) c\r\n\r\n(D) d\r\n\r\n(E) e"
            "\r\n\r\nYour Answer   : A\r\nActual Answer : E\r\n\r\nExplanation \r\nOnly III.") << "";
        QTest::newRow("Reading Comprehension, last record of the id")
            << 4 << 40 << int(Layout::WithPassage) << QString(
            "\t Question # 40\r\nThe passage is about"
            "\r\n\r\n(A) bees\r\n\r\n(B) ants\r\n\r\n(C) wasps\r\n\r\n(D) moths\r\n\r\n(E) flies"
            "\r\n\r\nYour Answer   : C\r\nActual Answer : A\r\n\r\nExplanation \r\nBees throughout.")
            << "The passage.\r\nSecond paragraph.";
        QTest::newRow("Data Sufficiency, both statements, chosen 6") << 6 << 9 << single
            << QString("\t\t\t\tQuestion # 9\r\nWhat is n?\r\n(I)     n > 2\r\n(II)    n < 4") + dsAnswers
                + "\r\n\r\nYour Answer   : \r\nActual Answer : E\r\n\r\nExplanation \r\nn may be 3 or 3.5."
            << "";
        QTest::newRow("question gone from its bank") << 7 << 5 << single << QString(
            "\t\t\t\tQuestion # 5\r\nThis question is no longer in the question bank."
            "\r\n\r\nYour Answer   : A\r\nActual Answer : C") << "";
        QTest::newRow("unknown type") << 8 << 6 << int(Layout::Nothing) << "" << "";
    }
    void explanation()
    {
        QFETCH(int, profileIndex);
        QFETCH(int, k);
        QFETCH(int, layout);
        QFETCH(QString, text);
        QFETCH(QString, passage);
        static const ReviewTables tables = tablesForTexts();
        const Explanation shown = explainAnswer(tables, profileIndex, k);
        QCOMPARE(int(shown.layout), layout);
        QCOMPARE(shown.text.text(), text);
        QCOMPARE(shown.passage, passage);
        QCOMPARE(shown.underlined, tables.userprof[profileIndex].q_type == "S");
        QCOMPARE(shown.ReviewId, tables.userprof[profileIndex].q_id);
    }

};

QTEST_APPLESS_MAIN(TestReview)
#include "tst_review.moc"
