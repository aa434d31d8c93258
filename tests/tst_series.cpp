// A whole series of five tests on the delivered question banks, taken by the scripted
// candidate through the real screens, with every data file checked after each program run.

#include "drive.h"
#include "support.h"

#include <QTest>
#include <QTime>

#include <cmath>
#include <map>
#include <optional>

using kaven::drive::Answered;
using kaven::drive::Driver;
using kaven::drive::Section;
using kaven::drive::TestRun;

namespace {

// The marks a section earns: credits for right answers by the level aimed at (none for
// Problem Solving at 36 and 37), half a point off for every question not confirmed (the
// last one counts as such when all were), never below 0, halves to even.
int expectedMarks(const QList<Answered>& answers, Section section)
{
    const int questions = section == Section::Quant ? 37 : 41;
    double score = 0;
    int confirmed = 0;
    for (const Answered& a : answers) {
        if (a.section != section)
            continue;
        ++confirmed;
        if (a.given != a.key)
            continue;
        if (section == Section::Verbal)
            score += 0.25 * a.targetLevel + 0.25;
        else if (!(a.type == QLatin1String("P") && a.number >= 36))
            score += 0.25 * a.targetLevel + 0.5;
    }
    score -= 0.5 * std::max(questions - confirmed, 1);
    return int(std::nearbyint(std::max(score, 0.0)));
}

// A program run; whatever stopped the candidate fails the test with its own words.
std::optional<TestRun> take(Driver& driver)
{
    try {
        return driver.runTest();
    } catch (const kaven::drive::DriveFailure& failure) {
        QTest::qFail(failure.what(), __FILE__, __LINE__);
        return std::nullopt;
    }
}


} // namespace

class TestSeries : public QObject {
    Q_OBJECT

    DataFolder data_;
    QList<Answered> answered_; // every confirmed answer of the series, in order
    QList<int> testOf_;        // the test of each of them

    kaven::drive::Options options(const QStringList& extra) const
    {
        const auto parsed = kaven::drive::parseArguments(QStringList{data_.path()} + extra);
        if (!std::holds_alternative<kaven::drive::Options>(parsed))
            qFatal("%s", qPrintable(std::get<QString>(parsed)));
        return std::get<kaven::drive::Options>(parsed);
    }

    // A bank as delivered, but for its used flags and random keys.
    template <FileId id> void checkBank(const QSet<QString>& confirmed)
    {
        DataFolder fresh;
        deliver(fresh);
        const auto before = fresh.load<id>();
        const auto now = data_.load<id>();
        QCOMPARE(now.size(), before.size());
        for (int i = 1; i <= now.size(); ++i) {
            auto record = now[i];
            QCOMPARE(record.used, confirmed.contains(record.q_id));
            record.used = before[i].used;
            if constexpr (requires { record.rand_key; })
                record.rand_key = before[i].rand_key;
            QVERIFY2(record == before[i], qPrintable(record.q_id));
        }
    }

    void checkStore(const TestRun& run, int secondsQuant, int secondsVerbal, const QList<QDate>& days)
    {
        const int t = run.test;
        // Nothing is left in the working copies once the program has ended.
        QVERIFY(data_.workingCopiesBlank());
        QCOMPARE(data_.store(FileId::qtemp1), delivered(FileId::qtemp1));
        QCOMPARE(data_.store(FileId::temp1), delivered(FileId::temp1));

        // The sections: one record each, with the seconds used and the marks earned.
        const auto tesdet = data_.load<FileId::tesdet>();
        QCOMPARE(tesdet.size(), 2 * t);
        const auto& quant = tesdet[2 * t - 1];
        const auto& verbal = tesdet[2 * t];
        QCOMPARE(quant.marks, expectedMarks(run.answers, Section::Quant));
        QCOMPARE(verbal.marks, expectedMarks(run.answers, Section::Verbal));
        QCOMPARE(quant, (TesdetRecord{t, "Quantitative", secondsQuant, quant.marks, quant.done_at}));
        QCOMPARE(verbal, (TesdetRecord{t, "Verbal", secondsVerbal, verbal.marks, verbal.done_at}));
        QCOMPARE(run.quantMarks, quant.marks);
        QCOMPARE(run.verbalMarks, verbal.marks);
        QVERIFY(days.contains(quant.done_at.date) && days.contains(verbal.done_at.date));

        // The answers of the whole series, each as its question was on screen.
        const auto profile = data_.load<FileId::userprof>();
        QCOMPARE(profile.size(), answered_.size());
        for (int i = 0; i < answered_.size(); ++i) {
            const Answered& a = answered_[i];
            const auto& r = profile[i + 1];
            const UserprofRecord expected{a.q_id, testOf_[i], a.section == Section::Quant ? "Quantitative" : "Verbal",
                                          std::int16_t(a.key), std::int16_t(a.given), r.time_val, a.type, a.level, 0};
            QVERIFY2(r == expected, qPrintable(QString("answer %1 of the series, %2").arg(i + 1).arg(a.q_id)));
        }

        // Used flags exactly on the confirmed questions; nothing else in a bank changes.
        std::map<QString, QSet<QString>> byType;
        for (const Answered& a : answered_)
            byType[a.type] << a.q_id;
        checkBank<FileId::qpsmast>(byType["P"]);
        checkBank<FileId::qdsmast>(byType["D"]);
        checkBank<FileId::vsmast>(byType["S"]);
        checkBank<FileId::vrmast>(byType["R"]);
        checkBank<FileId::vcmast>(byType["C"]);


        // The summary shows every test so far, this one last: two section lines and the score.
        const int total = run.quantMarks + run.verbalMarks;
        const QStringList shown = run.summaryText.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(shown.size(), 3 * t);
        QVERIFY2(shown[3 * t - 3].startsWith(QString("\tQuantitative\t%1\t\t%2\t").arg(QTime(0, 0).addSecs(secondsQuant).toString("hh:mm:ss")).arg(quant.marks))
                     && shown[3 * t - 2].startsWith(QString("%1\tVerbal\t\t%2\t\t%3\t").arg(t).arg(QTime(0, 0).addSecs(secondsVerbal).toString("hh:mm:ss")).arg(verbal.marks)),
                 qPrintable(run.summaryText));
        QCOMPARE(shown[3 * t - 1], QString("\tTotal Score : \t\t\t%1").arg(total < 2 ? 200 : 270 + 5 * total));
        QCOMPARE(run.score, total < 2 ? 200 : 270 + 5 * total);
        QCOMPARE(run.nextCaption, t < 5 ? QStringLiteral("Take Test %1").arg(t + 1) : QStringLiteral("Test Series Over"));
    }

private slots:
    void initTestCase()
    {
        deliver(data_);
    }

    // The rows run in order, one test of the series each, on the same data folder: a row
    // that fails leaves the folder in a state the later rows do not expect.
    void wholeSeries_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("quantAnswered");
        QTest::addColumn<int>("verbalAnswered");
        QTest::addColumn<int>("quantSeconds");
        QTest::addColumn<int>("verbalSeconds");
        const QStringList pace{QStringLiteral("--pace"), QStringLiteral("60")};
        QTest::newRow("1 right") << pace + QStringList{"--quant", "right", "--verbal", "right"} << 37 << 41 << 2220 << 2460;
        QTest::newRow("2 wrong") << pace + QStringList{"--quant", "wrong", "--verbal", "wrong"} << 37 << 41 << 2220 << 2460;
        QTest::newRow("3 alternate") << pace + QStringList{"--quant", "alternate", "--verbal", "alternate"} << 37 << 41 << 2220 << 2460;
        QTest::newRow("4 random:7") << pace + QStringList{"--quant", "random:7", "--verbal", "random:7"} << 37 << 41 << 2220 << 2460;
        QTest::newRow("5 ended early") << pace + QStringList{"--quant", "31524", "--quant-timeout", "20", "--verbal-end", "30"}
                                       << 19 << 29 << 4500 << 29 * 60;
    }

    void wholeSeries()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, quantAnswered);
        QFETCH(int, verbalAnswered);
        QFETCH(int, quantSeconds);
        QFETCH(int, verbalSeconds);

        // Leaving through either section's Exit first leaves the store as it was.
        const QList<QByteArray> before = data_.stores();
        for (const char* section : {"quant", "verbal"}) {
            Driver leaving(options({"--exit-section", section}));
            const std::optional<TestRun> left = take(leaving);
            QVERIFY(left && left->exited);
            QCOMPARE(left->test, (testOf_.isEmpty() ? 1 : testOf_.last() + 1));
            QVERIFY(data_.stores() == before && data_.workingCopiesBlank());
        }

        Driver driver(options(arguments));
        const QDate startDay = QDate::currentDate();
        const std::optional<TestRun> taken = take(driver);
        if (!taken)
            return;
        const TestRun& run = *taken;
        QCOMPARE(run.test, (testOf_.isEmpty() ? 1 : testOf_.last() + 1));
        QCOMPARE(run.answers.size(), quantAnswered + verbalAnswered);
        answered_ += run.answers;
        for (int k = 0; k < run.answers.size(); ++k)
            testOf_ << run.test;
        checkStore(run, quantSeconds, verbalSeconds, {startDay, QDate::currentDate()});
    }

};

QTEST_MAIN(TestSeries)
#include "tst_series.moc"
