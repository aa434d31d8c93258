#include "progress/progress_report.h"

#include <QTest>

using namespace kaven::progress;
using kaven::store::TesdetRecord;
using kaven::store::UserprofRecord;

using Profile = QList<UserprofRecord>;
using Details = QList<TesdetRecord>;
Q_DECLARE_METATYPE(Profile)
Q_DECLARE_METATYPE(Details)

namespace {

// An answer: right when `given` is 1 (the key is always 1).
UserprofRecord answer(int test, const char* section, const char* type, int given, int time, int level = 3)
{
    return {"Q", test, QString::fromLatin1(section), 1, std::int16_t(given), time, QString::fromLatin1(type), level, 0};
}

TesdetRecord finished(int test, const char* section, int marks = 10)
{
    return {test, QString::fromLatin1(section), 4500, marks, {QDate(2026, 11, 1), {}}};
}

// "PS 2/1 110s" per answered type; "-" for no timed answer.
QString describe(const TypeTallies& tallies)
{
    const QStringList codes{"PS", "DS", "SC", "CR", "RC", "other"};
    QStringList out;
    for (int t = 0; t < typeCount; ++t) {
        const TypeTally& x = tallies[std::size_t(t)];
        if (x.answered)
            out << QStringLiteral("%1 %2/%3 %4").arg(codes[t]).arg(x.answered).arg(x.right)
                       .arg(x.averageSeconds() ? QString::number(*x.averageSeconds()) + "s" : "-");
    }
    return out.join("; ");
}

const Details bothOfTest1{finished(1, "Quantitative", 12), finished(1, "Verbal", 20)};

} // namespace

class TestProgressReport : public QObject {
    Q_OBJECT
private slots:
    // Counts by type over every finished test, with the seconds each section's values give.
    void byType_data()
    {
        QTest::addColumn<Details>("details");
        QTest::addColumn<Profile>("profile");
        QTest::addColumn<QString>("all");
        QTest::newRow("quant ticks: half the growth, the first from 0")
            << bothOfTest1
            << Profile{answer(1, "Quantitative", "P", 1, 200), answer(1, "Quantitative", "D", 2, 260),
                       answer(1, "Quantitative", "P", 1, 500)}
            << "PS 2/2 110s; DS 1/0 30s";
        QTest::newRow("verbal values are seconds")
            << bothOfTest1
            << Profile{answer(1, "Verbal", "S", 1, 90), answer(1, "Verbal", "S", 3, 30), answer(1, "Verbal", "C", 1, 7),
                       answer(1, "Verbal", "R", 5, 200)}
            << "SC 2/1 60s; CR 1/0 200s; RC 1/1 7s";
        QTest::newRow("unknown type or section, or a type of the other section, is other")
            << bothOfTest1
            << Profile{answer(1, "Quant", "P", 1, 50), answer(1, "Verbal", "X", 1, 40), answer(1, "Verbal", "P", 2, 20),
                       answer(1, "Quantitative", "", 1, 120)}
            << "other 4/3 40s";
        QTest::newRow("a section never finished is left out")
            << Details{finished(1, "Quantitative")}
            << Profile{answer(1, "Quantitative", "D", 1, 100), answer(1, "Verbal", "S", 1, 90)} << "DS 1/1 50s";
        QTest::newRow("tests apart; a test without a finished section is left out")
            << Details{finished(1, "Quantitative"), finished(2, "Quantitative"), finished(7, "Quantitative")}
            << Profile{answer(1, "Quantitative", "P", 1, 100), answer(2, "Quantitative", "P", 2, 60),
                       answer(3, "Quantitative", "P", 1, 100), answer(7, "Quantitative", "P", 1, 100)}
            << "PS 2/1 40s";
    }
    void byType()
    {
        QFETCH(Details, details);
        QFETCH(Profile, profile);
        const ProgressReport report = buildProgressReport(details, profile);
        QTEST(describe(report.allTypes), "all");
        TypeTallies sum{};
        for (const TestResult& test : report.tests)
            for (int t = 0; t < typeCount; ++t) {
                sum[std::size_t(t)].answered += test.types[std::size_t(t)].answered;
                sum[std::size_t(t)].right += test.types[std::size_t(t)].right;
            }
        for (int t = 0; t < typeCount; ++t)
            QCOMPARE(sum[std::size_t(t)].answered, report.allTypes[std::size_t(t)].answered);
    }

    void weakest_data()
    {
        QTest::addColumn<Profile>("profile");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("one") << Profile{answer(1, "Verbal", "S", 1, 9), answer(1, "Verbal", "S", 2, 9),
                                        answer(1, "Verbal", "R", 2, 9), answer(1, "Verbal", "R", 2, 9),
                                        answer(1, "Verbal", "R", 1, 9)}
                             << "Your weakest type is Critical Reasoning: 1 of 3 right (33%).";
        QTest::newRow("tie by share, not by count")
            << Profile{answer(1, "Verbal", "S", 1, 9), answer(1, "Verbal", "S", 2, 9), answer(1, "Verbal", "C", 2, 9),
                       answer(1, "Verbal", "C", 1, 9), answer(1, "Verbal", "C", 1, 9), answer(1, "Verbal", "C", 2, 9),
                       answer(1, "Quantitative", "P", 1, 9)}
            << "Your weakest types are Sentence Correction and Reading Comprehension, each with 50% right.";
        QTest::newRow("other never named") << Profile{answer(1, "Verbal", "X", 2, 9), answer(1, "Verbal", "S", 1, 9)}
                                           << "Every answer so far is right: no question type has cost you points.";
        QTest::newRow("no answer") << Profile{} << "No answers yet: the report fills in as you finish sections.";
    }
    void weakest()
    {
        QFETCH(Profile, profile);
        QTEST(buildProgressReport(bothOfTest1, profile).weakestSentence, "sentence");
    }

    // Sections that ended early, a test without its Verbal section, and no finished test.
    void sectionsAndScores()
    {
        Profile profile;
        for (int q = 1; q <= 20; ++q) // test 1 Quantitative ends early after 20; question 5 took 300 s
            profile << answer(1, "Quantitative", "P", q % 2, 240 * q + (q >= 5 ? 360 : 0), q % 5 + 1);
        for (int q = 1; q <= 41; ++q)
            profile << answer(1, "Verbal", "S", 1, q == 41 ? 400 : 100);
        profile << answer(2, "Quantitative", "D", 1, 80);
        const ProgressReport report = buildProgressReport(
            Details{finished(1, "Quantitative", 3), finished(1, "Verbal", 30), finished(2, "Quantitative", 9)}, profile);

        QCOMPARE(report.sections.size(), std::size_t(3));
        const SectionRun* quant = report.section(1, Section::Quantitative);
        QVERIFY(quant && quant->endedEarly());
        QCOMPARE(quant->answers.size(), std::size_t(20));
        QCOMPARE(quant->answers[4].seconds, 300.0);
        QCOMPARE(quant->answers[4].level, 1);
        QVERIFY(quant->answers[4].right && !quant->answers[5].right);
        QCOMPARE(quant->slowQuestions(), QList<int>{5});
        QCOMPARE(slowSentence(*quant), "More than twice the even pace (over 243 s): question 5.");
        QVERIFY(sectionLine(*quant).contains("20 of 37 questions answered before the section ended early"));
        const SectionRun* verbal = report.section(1, Section::Verbal);
        QVERIFY(verbal && !verbal->endedEarly());
        QCOMPARE(verbal->slowQuestions(), QList<int>{41}); // over 219.5 s
        QVERIFY(!report.section(2, Section::Verbal));

        QCOMPARE(report.tests.size(), std::size_t(2));
        QCOMPARE(report.tests[0].score().value_or(0), 270 + 5 * 33);
        QCOMPARE(report.tests[1].quantMarks.value_or(0), 9);
        QVERIFY(!report.tests[1].score());

        const ProgressReport none = buildProgressReport(Details{}, profile);
        QVERIFY(none.tests.empty() && none.sections.empty() && none.weakest.isEmpty());
        QCOMPARE(none.allTypes[0].answered, 0);
    }

    void quantSecondsOddAndBackwards()
    {
        const std::vector<std::int32_t> values{7, 9, 4, 10};
        QCOMPARE(secondsOfAnswers(Section::Quantitative, values), (std::vector<double>{3.5, 1.0, 0.0, 0.5}));
        QCOMPARE(secondsOfAnswers(Section::Verbal, values), (std::vector<double>{7, 9, 4, 10}));
    }
};

QTEST_APPLESS_MAIN(TestProgressReport)
#include "tst_progress_report.moc"
