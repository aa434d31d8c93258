// A whole series of five tests on the delivered question banks, taken by the scripted
// candidate through the real screens, with every data file checked after each program run.

#include "drive.h"
#include "test_seams.h"

#include <QProcess>
#include <QTest>
#include <QTime>

#include <cmath>
#include <map>
#include <optional>

using kaven::drive::Answered;
using kaven::drive::Driver;
using kaven::drive::Section;
using kaven::drive::TestRun;
using kaven::store::FileId;
using kaven::store::Form;

namespace {

QByteArray deliveredBytes(FileId id)
{
    QFile file(kaven::store::dataPath(QStringLiteral(KAVEN_DELIVERED_DATA), id, Form::Store));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no delivered file %s", qPrintable(file.fileName()));
    return file.readAll();
}

// A data folder holding the delivered store files.
void deliver(DataFolder& data)
{
    for (const FileId id : kaven::store::visitingOrder)
        data.setStore(id, deliveredBytes(id));
}

QList<QByteArray> storeFiles(const DataFolder& data)
{
    QList<QByteArray> files;
    for (const FileId id : kaven::store::visitingOrder)
        files << data.store(id);
    return files;
}

bool workingCopiesBlank(const DataFolder& data)
{
    for (const FileId id : kaven::store::visitingOrder)
        if (data.working(id) != "\r\n")
            return false;
    return true;
}

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

QString clock(int seconds)
{
    return QTime(0, 0).addSecs(seconds).toString(QStringLiteral("hh:mm:ss"));
}

} // namespace

class TestSeries : public QObject {
    Q_OBJECT

    DataFolder data_;
    QList<Answered> answered_; // every confirmed answer of the series, in order
    QList<int> answeredPerTest_;
    QList<QStringList> summaryLines_;
    std::map<QString, qint16> passageOf_; // Reading Comprehension question → its passage

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
        DataFolder delivered;
        deliver(delivered);
        const auto before = stored<id>(delivered);
        const auto now = stored<id>(data_);
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
        QVERIFY(workingCopiesBlank(data_));
        QCOMPARE(data_.store(FileId::qtemp1), deliveredBytes(FileId::qtemp1));
        QCOMPARE(data_.store(FileId::temp1), deliveredBytes(FileId::temp1));

        // The sections: one record each, with the seconds used and the marks earned.
        const auto tesdet = stored<FileId::tesdet>(data_);
        QCOMPARE(tesdet.size(), 2 * t);
        const auto& quant = tesdet[2 * t - 1];
        const auto& verbal = tesdet[2 * t];
        QCOMPARE(quant.test_no, t);
        QCOMPARE(quant.section, "Quantitative");
        QCOMPARE(quant.secs_used, secondsQuant);
        QCOMPARE(quant.marks, expectedMarks(run.answers, Section::Quant));
        QCOMPARE(verbal.test_no, t);
        QCOMPARE(verbal.section, "Verbal");
        QCOMPARE(verbal.secs_used, secondsVerbal);
        QCOMPARE(verbal.marks, expectedMarks(run.answers, Section::Verbal));
        QCOMPARE(run.quantMarks, quant.marks);
        QCOMPARE(run.verbalMarks, verbal.marks);
        QVERIFY(days.contains(quant.done_at.date) && days.contains(verbal.done_at.date));

        // The answers of the whole series, each as its question was on screen.
        const auto profile = stored<FileId::userprof>(data_);
        QCOMPARE(profile.size(), answered_.size());
        int test = 1;
        int ofTest = 0;
        for (int i = 0; i < answered_.size(); ++i) {
            while (ofTest == answeredPerTest_[test - 1]) {
                ++test;
                ofTest = 0;
            }
            ++ofTest;
            const Answered& a = answered_[i];
            const auto& r = profile[i + 1];
            QCOMPARE(r.q_id, a.q_id);
            QCOMPARE(r.test_no, test);
            QCOMPARE(r.section, a.section == Section::Quant ? "Quantitative" : "Verbal");
            QCOMPARE(r.q_type, a.type);
            QCOMPARE(r.ans_no, a.key);
            QCOMPARE(r.given_no, a.given);
            QCOMPARE(r.q_level, a.level);
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
        // A passage of four questions is used from its first answer; one of three never is.
        QSet<qint16> read;
        for (const QString& id : byType["C"])
            read << passageOf_.at(id);
        const auto passages = stored<FileId::comdet>(data_);
        for (const auto& passage : passages.records())
            QCOMPARE(passage.used, passage.q_count >= 4 && read.contains(passage.psg_id));

        QList<bool> taken;
        for (int k = 1; k <= 5; ++k)
            taken << (k <= t);
        QCOMPARE(data_.store(FileId::tesgiv), tesgivWith({taken[0], taken[1], taken[2], taken[3], taken[4]}));

        // The summary shows every test so far: two section lines and the converted score.
        const int total = run.quantMarks + run.verbalMarks;
        summaryLines_ << QStringList{
            QStringLiteral("\tQuantitative\t%1\t\t%2\t").arg(clock(secondsQuant)).arg(quant.marks),
            QStringLiteral("%1\tVerbal\t\t%2\t\t%3\t").arg(t).arg(clock(secondsVerbal)).arg(verbal.marks),
            QStringLiteral("\tTotal Score : \t\t\t%1").arg(total < 2 ? 200 : 270 + 5 * total)};
        const QStringList shown = run.summaryText.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(shown.size(), 3 * t);
        for (int line = 0; line < shown.size(); ++line) {
            const QString& expected = summaryLines_[line / 3][line % 3];
            QVERIFY2(line % 3 == 2 ? shown[line] == expected : shown[line].startsWith(expected),
                     qPrintable(shown[line]));
        }
        QCOMPARE(run.score, total < 2 ? 200 : 270 + 5 * total);
        QCOMPARE(run.nextCaption, t < 5 ? QStringLiteral("Take Test %1").arg(t + 1) : QStringLiteral("Test Series Over"));
    }

private slots:
    void initTestCase()
    {
        deliver(data_);
        const auto comprehension = stored<FileId::vcmast>(data_);
        for (const auto& q : comprehension.records())
            passageOf_[q.q_id] = q.psg_id;
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
        const QList<QByteArray> before = storeFiles(data_);
        for (const char* section : {"quant", "verbal"}) {
            Driver leaving(options({"--exit-section", section}));
            const std::optional<TestRun> left = take(leaving);
            QVERIFY(left && left->exited);
            QCOMPARE(left->test, answeredPerTest_.size() + 1);
            QVERIFY(storeFiles(data_) == before);
            QVERIFY(workingCopiesBlank(data_));
        }

        Driver driver(options(arguments));
        const QDate startDay = QDate::currentDate();
        const std::optional<TestRun> taken = take(driver);
        if (!taken)
            return;
        const TestRun& run = *taken;
        QCOMPARE(run.test, answeredPerTest_.size() + 1);
        QCOMPARE(run.answers.size(), quantAnswered + verbalAnswered);
        answered_ += run.answers;
        answeredPerTest_ << run.answers.size();
        checkStore(run, quantSeconds, verbalSeconds, {startDay, QDate::currentDate()});
    }

    // The harness's own command line: what it prints and how it ends.
    void commandLine_data()
    {
        QTest::addColumn<bool>("withFolder");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("problemsUsedUp");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::newRow("two tests") << true << QStringList{"--tests", "2", "--quant", "wrong", "--verbal", "wrong", "--pace", "1"}
                                   << false << 0
                                   << "test 1: quantitative 0, verbal 0, score 200\n"
                                      "test 2: quantitative 0, verbal 0, score 200\n";
        QTest::newRow("left") << true << QStringList{"--exit-section", "verbal"} << false << 0
                              << "test 1: left through a section's Exit, nothing saved\n";
        // Few answers: both sections' marks fall to 0 whatever was answered.
        QTest::newRow("ended early") << true << QStringList{"--quant-end", "5", "--verbal-timeout", "3", "--pace", "1"}
                                     << false << 0 << "test 1: quantitative 0, verbal 0, score 200\n";
        QTest::newRow("clock before the step") << true << QStringList{"--pace", "500", "--exit-section", "quant"} << false << 1
                                               << "quantitative question 9: the clock ran out before the scripted step";
        QTest::newRow("bank ran out") << true << QStringList{} << true << 1
                                      << "quantitative section: a draw found no question";
        QTest::newRow("bad pattern") << true << QStringList{"--quant", "6"} << false << 2 << "unknown answer pattern \"6\"";
        QTest::newRow("no folder") << false << QStringList{"--tests", "2"} << false << 2 << "no data folder given";
    }

    void commandLine()
    {
        QFETCH(bool, withFolder);
        QFETCH(QStringList, arguments);
        QFETCH(bool, problemsUsedUp);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        DataFolder data;
        deliver(data);
        if (problemsUsedUp)
            data.setStore(FileId::qpsmast, data.store(FileId::qpsmast).replace("#FALSE#", "#TRUE#"));
        QProcess drive;
        drive.start(QStringLiteral(KAVEN_DRIVE), (withFolder ? QStringList{data.path()} : QStringList{}) + arguments);
        QVERIFY(drive.waitForFinished(60000));
        const QString printed = QString::fromUtf8(drive.readAllStandardOutput());
        const QString complaint = QString::fromUtf8(drive.readAllStandardError());
        QCOMPARE(drive.exitCode(), exitCode);
        if (exitCode == 0)
            QCOMPARE(printed, output);
        else
            QVERIFY2((printed + complaint).contains(output), qPrintable(printed + complaint));
    }
};

QTEST_MAIN(TestSeries)
#include "tst_series.moc"
