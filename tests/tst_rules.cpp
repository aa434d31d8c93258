// What both sections share: the marks rule, the countdown and the underline marker.

#include "rules/countdown.h"
#include "rules/section_marks.h"
#include "rules/underline_marker.h"

#include <QTest>

class TestRules : public QObject {
    Q_OBJECT
private slots:
    // Half a point off for each unconfirmed question (the one on screen included), never
    // below 0, halves to the even neighbour.
    void marks_data()
    {
        QTest::addColumn<double>("score");
        QTest::addColumn<int>("mq_no");
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("marks");
        QTest::newRow("Verbal confirmed to 41: 11.5 goes to 12") << 12.0 << 41 << 41 << 12;
        QTest::newRow("Verbal 10.5 goes to 10") << 11.0 << 41 << 41 << 10;
        QTest::newRow("floored at 0") << 3.0 << 30 << 41 << 0;
        QTest::newRow("time over at 1") << 0.0 << 1 << 41 << 0;
        QTest::newRow("Quantitative confirmed to 37: 12.5 goes to 12") << 13.0 << 37 << 37 << 12;
        QTest::newRow("Quantitative 13.5 goes to 14") << 14.0 << 37 << 37 << 14;
        QTest::newRow("past the last question: nothing off") << 20.0 << 39 << 37 << 20;
    }
    void marks()
    {
        QFETCH(double, score);
        QFETCH(int, mq_no);
        QFETCH(int, questions);
        QTEST(int(kaven::rules::sectionMarks(score, std::int16_t(mq_no), questions)), "marks");
    }

    // The text after this many ticks: a minute, then an hour, borrowed only when spent.
    void countdown_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("text");
        QTest::newRow("60") << 60 << "01:14:00";
        QTest::newRow("900") << 900 << "01:00:00";
        QTest::newRow("901") << 901 << "00:59:59";
        QTest::newRow("two digits") << 4500 - 307 << "00:05:07";
        QTest::newRow("last") << 4500 << "00:00:00";
    }
    void countdown()
    {
        QFETCH(int, ticks);
        kaven::rules::Countdown clock;
        for (int k = 1; k < ticks; ++k)
            clock.step();
        QTEST(clock.text(), "text");
    }

    void underlineMarker()
    {
        QCOMPARE(kaven::rules::underlineMarkup("If x < 3 {was} & {were"), QString("If x &lt; 3 <u>was</u> &amp; {were"));
        QCOMPARE(kaven::rules::withoutUnderlineMarker("A {b c} d"), QString("A b c d"));
    }
};

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
