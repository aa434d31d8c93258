#include "shell/summary_report.h"

#include <QTest>

using kaven::shell::Actual_Score;
using kaven::store::TesdetRecord;

Q_DECLARE_METATYPE(QList<TesdetRecord>)

namespace {

TesdetRecord section(int test, const char* name, int seconds, int marks, int day)
{
    return {test, QString::fromLatin1(name), seconds, marks, {QDate(2026, 11, day), {}}};
}

} // namespace

class TestSummaryReport : public QObject {
    Q_OBJECT
private slots:
    void actualScore_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("score");
        QTest::newRow("one mark") << 1 << 200;
        QTest::newRow("two marks") << 2 << 280;
        QTest::newRow("106, no clamp") << 106 << 800;
    }
    void actualScore()
    {
        QFETCH(int, total);
        QTEST(Actual_Score(std::int16_t(total)), "score");
    }

    void timeTaken_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("one hour") << 3600 << "01:00:00";
        QTest::newRow("whole section") << 4500 << "01:15:00";
    }
    void timeTaken()
    {
        QFETCH(int, seconds);
        QTEST(kaven::shell::timeTaken(seconds), "text");
    }

    void summary_data()
    {
        QTest::addColumn<QList<TesdetRecord>>("records");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("offsets");

        const QString q1 = "\tQuantitative\t01:15:00\t\t31\t11/11/2026\r\n";
        const QString v1 = "1\tVerbal\t\t00:45:18\t\t20\t11/11/2026\r\n";
        const QString t1 = "\tTotal Score : \t\t\t525\r\n";
        QTest::newRow("one record, no total")
            << QList{section(1, "Quantitative", 4500, 31, 11)} << q1 << QList{450};
        QTest::newRow("a pair and its total")
            << QList{section(1, "Quantitative", 4500, 31, 11), section(1, "Verbal", 2718, 20, 11)}
            << q1 + v1 + t1 << QList{450, 240};
        // The third record's marks are never totalled; a pair total of 1 scores 200.
        QTest::newRow("odd count")
            << QList{section(1, "Quantitative", 60, 0, 1), section(1, "Verbal", 9, 1, 1),
                     section(2, "Quantitative", 3600, 7, 2)}
            << QString("\tQuantitative\t00:01:00\t\t0\t01/11/2026\r\n"
                       "1\tVerbal\t\t00:00:09\t\t1\t01/11/2026\r\n"
                       "\tTotal Score : \t\t\t200\r\n"
                       "\tQuantitative\t01:00:00\t\t7\t02/11/2026\r\n")
            << QList{450, 240, 450};
        // Only "Verbal" exactly gets the Verbal layout; pairing is by position alone.
        QTest::newRow("a date with a time of day")
            << QList{TesdetRecord{2, "Verbal", 1, 1, {QDate(2002, 5, 14), QTime(13, 5)}}}
            << QString("2\tVerbal\t\t00:00:01\t\t1\t14/05/2002 13:05\r\n") << QList{450};
    }
    void summary()
    {
        QFETCH(QList<TesdetRecord>, records);
        const auto report = kaven::shell::buildSummary(records, QLocale(QLocale::English, QLocale::UnitedKingdom));
        QTEST(report.text, "text");
        QTEST(report.labelOffsets, "offsets");
    }

};

QTEST_GUILESS_MAIN(TestSummaryReport)
#include "tst_summary_report.moc"
