#include "datastore/store_error.h"
#include "fixed_random.h"
#include "test_files.h"
#include "rules/countdown.h"
#include "rules/section_marks.h"
#include "rules/underline_marker.h"
#include "verbal/verbal_level.h"
#include "verbal/verbal_section.h"
#include "verbal_banks.h"

#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace verbal_banks;
using kaven::verbal::Drawn;
using kaven::verbal::LevelState;
using kaven::verbal::VerbalSection;

namespace {

// A section loaded from working copies in a folder of its own.
struct Section {
    QTemporaryDir dir;
    FixedRandom random;
    kaven::session::ModuleState state;
    std::optional<VerbalSection> section;

    explicit Section(const Banks& banks)
    {
        banks.write(dir.path(), Form::Working);
        put(dataPath(dir.path(), FileId::tesdet, Form::Working), {});
        put(dataPath(dir.path(), FileId::userprof, Form::Working), {});
        state.CurrentTest = 2;
        section.emplace(dir.path(), random, state);
        section->load();
    }
    VerbalSection* operator->() { return &*section; }
    // The next slot drawn as question `q` after a running score `score`.
    Drawn drawAs(std::int16_t q, double score)
    {
        section->mq_no = std::int16_t(q - 1);
        section->mC_score = score;
        return section->drawQuestion();
    }
};

} // namespace

class TestVerbalSelection : public QObject {
    Q_OBJECT
private slots:
    void levelTable_data()
    {
        QTest::addColumn<int>("q");
        QTest::addColumn<double>("s");
        QTest::addColumn<double>("c");
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("before");
        QTest::addColumn<double>("blockA");
        QTest::addColumn<double>("blockB");
        QTest::addColumn<int>("level");
        QTest::addColumn<double>("blockAAfter");
        QTest::addColumn<double>("blockBAfter");
        auto row = [](const char* name, int q, double s, double c, int r, int before, double a,
                      double b, int level, double aAfter, double bAfter) {
            QTest::newRow(name) << q << s << c << r << before << a << b << level << aAfter << bAfter;
        };
        row("q1 always 3", 1, 9.0, 0, 0, 5, 0, 0, 3, 0, 0);
        row("q2 always 3", 2, 0.0, 0, 0, 1, 0, 0, 3, 0, 0);
        row("q3 two right", 3, 2.0, 0, 1, 3, 0, 0, 4, 0, 0);
        row("q3 one right", 3, 1.0, 0, 1, 3, 0, 0, 3, 0, 0);
        row("q3 none", 3, 0.0, 0, 0, 3, 0, 0, 2, 0, 0);
        row("q4 3.25", 4, 3.25, 0, 1, 4, 0, 0, 4, 0, 0);
        row("q4 2.0", 4, 2.0, 0, 1, 4, 0, 0, 3, 0, 0);
        row("q4 0.75", 4, 0.75, 0, 1, 4, 0, 0, 2, 0, 0);
        row("q4 0.5", 4, 0.5, 0, 1, 4, 0, 0, 1, 0, 0);
        row("q5 1.0", 5, 1.0, 0, 1, 2, 0, 0, 1, 0, 0);
        row("q5 1.5 skips level 2", 5, 1.5, 0, 1, 2, 0, 0, 3, 0, 0);
        row("q5 2.0", 5, 2.0, 0, 1, 2, 0, 0, 3, 0, 0);
        row("q5 2.25", 5, 2.25, 0, 1, 2, 0, 0, 4, 0, 0);
        row("q5 4.0", 5, 4.0, 0, 1, 2, 0, 0, 5, 0, 0);
        row("q6 exactly 6", 6, 6.0, 0, 1, 2, 0, 0, 5, 0, 0);
        row("q6 above 6 is 4", 6, 6.25, 0, 1, 2, 0, 0, 4, 0, 0);
        row("q7 3.9 not above 3.9", 7, 3.9, 0, 1, 2, 0, 0, 3, 0, 0);
        row("q8 clears block a", 8, 7.0, 0, 1, 2, 4.0, 0, 5, 0, 0);
        row("q9 2.25", 9, 2.25, 0, 1, 2, 0, 0, 2, 0, 0);
        row("q10 sums, level kept", 10, 9.0, 1.5, 1, 2, 0, 0, 2, 1.5, 0);
        row("q12 sums", 12, 9.0, 1.25, 1, 2, 3.25, 0, 2, 4.5, 0);
        row("q13 block 4.5", 13, 0.0, 0, 1, 2, 4.5, 0, 4, 4.5, 0);
        row("q13 block 1.0 clears", 13, 9.0, 0, 1, 3, 1.0, 0, 1, 0, 0);
        row("q20 8.25", 20, 8.25, 0, 1, 4, 0, 0, 2, 0, 0);
        row("q21 right keeps", 21, 0, 1.0, 1, 4, 0, 0, 4, 0, 0);
        row("q21 wrong lowers", 21, 0, 0, 0, 4, 0, 0, 3, 0, 0);
        row("q21 wrong at 1 stays", 21, 0, 0, 0, 1, 0, 0, 1, 0, 0);
        row("q22 clears block a", 22, 0, 0, 0, 3, 2.0, 0, 2, 0, 0);
        row("q26 sums", 26, 0, 0.75, 1, 3, 1.0, 0, 3, 1.75, 0);
        row("q27 block 1.0", 27, 30.0, 0, 1, 5, 1.0, 0, 1, 1.0, 0);
        row("q27 block 3.0", 27, 0, 0, 1, 1, 3.0, 0, 3, 3.0, 0);
        row("q28 25.0", 28, 25.0, 0, 1, 1, 0, 0, 4, 0, 0);
        row("q29 wrong sums and lowers", 29, 0, 0, 0, 3, 0, 1.0, 2, 0, 1.0);
        row("q30 right at 5 stays", 30, 0, 1.5, 1, 5, 0, 0.5, 5, 0, 2.0);
        row("q30 right raises", 30, 0, 1.0, 1, 3, 0, 0, 4, 0, 1.0);
        row("q30 wrong at 1 stays", 30, 0, 0, 0, 1, 0, 0, 1, 0, 0);
        row("q32 right keeps", 32, 0, 1.0, 1, 3, 0, 2.0, 3, 0, 3.0);
        row("q33 block 3.0", 33, 0, 0, 1, 1, 0, 3.0, 3, 0, 3.0);
        row("q33 block exactly 4.9", 33, 0, 0, 1, 1, 0, 4.9, 4, 0, 4.9);
        row("q35 keeps", 35, 40.0, 1.5, 1, 2, 0, 0, 2, 0, 0);
        row("q38 score not block", 38, 5.0, 0, 1, 1, 0, 9.0, 4, 0, 9.0);
        row("q39 zero lowers", 39, 0.0, 0, 0, 3, 0, 0, 2, 0, 0);
        row("q39 above zero keeps", 39, 0.5, 0, 0, 3, 0, 0, 3, 0, 0);
        row("q39 zero at 1 stays", 39, 0.0, 0, 0, 1, 0, 0, 1, 0, 0);
        row("q40 right raises", 40, 3.0, 1.0, 1, 3, 0, 0, 4, 0, 0);
        row("q40 right at 5 stays", 40, 3.0, 1.5, 1, 5, 0, 0, 5, 0, 0);
        row("q40 wrong keeps", 40, 3.0, 0, 0, 3, 0, 0, 3, 0, 0);
        row("q41 keeps", 41, 0.0, 0, 0, 2, 0, 0, 2, 0, 0);
    }
    void levelTable()
    {
        QFETCH(int, q);
        QFETCH(double, s);
        QFETCH(double, c);
        QFETCH(int, r);
        QFETCH(int, before);
        QFETCH(double, blockA);
        QFETCH(double, blockB);
        LevelState state{std::int16_t(before), blockA, blockB};
        const std::int16_t question = std::int16_t(q);
        const std::int16_t right = std::int16_t(r);
        QTEST(int(kaven::verbal::setLevel(state, s, question, right, c)), "level");
        QTEST(state.mblock_a, "blockAAfter");
        QTEST(state.mblock_b, "blockBAfter");
    }

    // A level that has run dry: Sentence Correction falls (1 wraps to 5), Critical
    // Reasoning climbs (5 wraps to 1); with nothing left anywhere the draw says so.
    void fallBackWalks_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QList<int>>("usedLevels");
        QTest::addColumn<int>("drawnLevel");
        QTest::newRow("S 4 dry") << "S" << QList<int>{4} << 3;
        QTest::newRow("S 4..1 dry wraps") << "S" << QList<int>{1, 2, 3, 4} << 5;
        QTest::newRow("R 4 dry") << "R" << QList<int>{4} << 5;
        QTest::newRow("R 4, 5 dry wraps") << "R" << QList<int>{4, 5} << 1;
        QTest::newRow("S all dry") << "S" << QList<int>{1, 2, 3, 4, 5} << 0;
        QTest::newRow("R all dry") << "R" << QList<int>{1, 2, 3, 4, 5} << 0;
    }
    void fallBackWalks()
    {
        QFETCH(QString, code);
        QFETCH(QList<int>, usedLevels);
        QFETCH(int, drawnLevel);
        Banks banks(2, 1);
        banks.temp1 = plan(code);
        for (auto& q : banks.vsmast.records())
            q.used = usedLevels.contains(q.q_level);
        for (auto& q : banks.vrmast.records())
            q.used = usedLevels.contains(q.q_level);
        Section s(banks);
        const Drawn drawn = s.drawAs(3, 2.0); // question 3 after two right: level 4
        QCOMPARE(int(s->mtarget_level), 4);
        if (drawnLevel == 0) {
            QCOMPARE(drawn, Drawn::BankExhausted);
            return;
        }
        QCOMPARE(int(s->mlevel), drawnLevel);
        const int level = code == "S" ? s->sentence().q_level : s->reasoning().q_level;
        QCOMPARE(level, drawnLevel);
    }

    // The first unused question of the level in file order, whatever its random key;
    // only the unused level-1 questions get new keys, and the bank is rewritten.
    void drawTakesFileOrderAndShufflesLevelOne()
    {
        Banks banks(3, 1);
        banks.temp1 = plan("S");
        banks.vsmast[10].used = true; // the first of level 4
        banks.vsmast[11].rand_key = 9;
        banks.vsmast[1].used = true;  // a used level-1 question keeps its key
        banks.vsmast[1].rand_key = 4;
        Section s(banks);
        s.random.value = 0.75;
        QCOMPARE(s.drawAs(3, 2.0), Drawn::Sentence);
        QCOMPARE(s->sentence().q_id, QString("VS401"));
        RecordBuffer<VsmastRecord> written;
        loadFile(dataPath(s.dir.path(), FileId::vsmast, Form::Working), written);
        QList<int> keys;
        for (const auto& q : written.records())
            keys.append(q.rand_key);
        QCOMPARE(keys, (QList<int>{4, 7, 7, 0, 0, 0, 0, 0, 0, 0, 9, 0, 0, 0, 0}));
    }

    // A run of C slots is one passage: the unused passage of its length and level with the
    // smallest id (of equal ids the last in the file), its questions in file order.
    void passageChoiceAndContinuation()
    {
        Banks banks(1, 0);
        banks.temp1 = plan("SSSSSSSSCCCC");
        auto add = [&](std::int16_t id, std::int16_t count, std::int16_t level, bool used = false) {
            banks.comdet.append({id, QStringLiteral("text %1").arg(banks.comdet.counter()), count, used, level});
        };
        add(30, 4, 2);
        add(12, 4, 3, true); // used
        add(20, 4, 3);
        add(14, 3, 3);       // wrong length
        add(20, 4, 3);       // same id, later: taken
        add(25, 4, 3);
        // The questions of passage 20 out of order and spread through the file.
        banks.vcmast.append(comprehension("B1", 20));
        banks.vcmast.append(comprehension("X1", 30));
        banks.vcmast.append(comprehension("B2", 20));
        banks.vcmast.append(comprehension("B3", 20));
        banks.vcmast.append(comprehension("B4", 20));
        banks.vcmast.append(comprehension("Y1", 25));
        Section s(banks);
        s->mplan_pos = 9;
        QCOMPARE(s.drawAs(9, 3.5), Drawn::NewPassage); // question 9 at 3.5: level 3
        QCOMPARE(s->mcomp_head, QString("Question 9 to 12 : "));
        QCOMPARE(int(s->mcomp_pos), 5);
        QCOMPARE(s->mq_id, QString("B1"));
        QCOMPARE(int(s->mcomp_q), 2); // one past the question on screen
        QStringList asked{s->mq_id};
        // A passage of four is marked used with its first answer.
        s->manswer = 4;
        s->recordAnswer(1);
        RecordBuffer<ComdetRecord> passages;
        loadFile(dataPath(s.dir.path(), FileId::comdet, Form::Working), passages);
        QVERIFY(passages[5].used && !passages[3].used);
        for (int q = 10; q <= 12; ++q) {
            ++s->mplan_pos;
            QCOMPARE(s->drawQuestion(), Drawn::NextInPassage);
            asked << s->mq_id;
            QCOMPARE(s->compQuestion().q_id, s->mq_id);
            QCOMPARE(s->tables.comp[s->mcomp_q - 1].q_id, s->mq_id);
        }
        QCOMPARE(asked, (QStringList{"B1", "B2", "B3", "B4"}));
        QVERIFY(!s->mcomp_active);
    }

    // A level without a fitting passage climbs, 5 wrapping to 1; a three-question passage
    // whose questions were asked in an earlier test is not served again.
    void passageLevelWalk()
    {
        Banks banks(1, 0);
        banks.temp1 = plan("CCC");
        banks.comdet.append({7, "used before", 3, false, 5});
        banks.comdet.append({8, "fresh", 3, false, 1});
        for (int q = 1; q <= 3; ++q) {
            banks.vcmast.append(comprehension(QStringLiteral("U%1").arg(q), 7));
            banks.vcmast[banks.vcmast.size()].used = true;
            banks.vcmast.append(comprehension(QStringLiteral("F%1").arg(q), 8));
        }
        Section s(banks);
        s->level.mcur_level = 5;
        s->mq_no = 40; // question 41 keeps the level
        QCOMPARE(s->drawQuestion(), Drawn::NewPassage);
        QCOMPARE(s->passage().psg_text, QString("fresh"));
        QCOMPARE(int(s->mlevel), 1);
        QCOMPARE(int(s->mtarget_level), 5);
        // A passage of three is never marked used; its questions are.
        s->manswer = 1;
        s->recordAnswer(7);
        RecordBuffer<ComdetRecord> passages;
        loadFile(dataPath(s.dir.path(), FileId::comdet, Form::Working), passages);
        QVERIFY(!passages[2].used);
        RecordBuffer<UserprofRecord> profile;
        loadFile(dataPath(s.dir.path(), FileId::userprof, Form::Working), profile);
        QCOMPARE(profile[1], (UserprofRecord{"F1", 2, "Verbal", 4, 1, 7, "C", 1, 0}));
        QCOMPARE(s->mC_score, 0.0);
    }

    void unservablePlansAreLoadErrors_data()
    {
        QTest::addColumn<QString>("codes");
        QTest::addColumn<int>("line");
        QTest::newRow("unknown code") << "SRXS" << 3;
        QTest::newRow("lower case") << "SsR" << 2;
        QTest::newRow("one C") << "SRCS" << 3;
        QTest::newRow("longer than every passage") << "SCCCCCR" << 2;
        QTest::newRow("no slot") << "" << 0;
    }
    void unservablePlansAreLoadErrors()
    {
        QFETCH(QString, codes);
        Banks banks(1, 1);
        banks.temp1 = plan(codes);
        try {
            Section s(banks);
            QFAIL("the plan was accepted");
        } catch (const kaven::store::StoreError& error) {
            QTEST(error.line(), "line");
            QCOMPARE(error.fieldName(), QString("q_type"));
            QVERIFY(error.file().endsWith("temp1xq42.enc"));
        }
    }

    void marks_data()
    {
        QTest::addColumn<double>("score");
        QTest::addColumn<int>("mq_no");
        QTest::addColumn<int>("marks");
        QTest::newRow("confirm on 41 loses half") << 12.0 << 41 << 12; // 11.5 goes to 12
        QTest::newRow("10.5 goes to 10") << 11.0 << 41 << 10;
        QTest::newRow("end section at 30") << 20.0 << 30 << 14;
        QTest::newRow("floored at 0") << 3.0 << 30 << 0;
        QTest::newRow("time over at 1") << 0.0 << 1 << 0;
    }
    void marks()
    {
        QFETCH(double, score);
        QFETCH(int, mq_no);
        QTEST(int(kaven::rules::sectionMarks(score, std::int16_t(mq_no), 41)), "marks");
    }

    void countdown_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("text");
        QTest::newRow("1") << 1 << "01:14:59";
        QTest::newRow("60") << 60 << "01:14:00";
        QTest::newRow("61") << 61 << "01:13:59";
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
        QCOMPARE(kaven::rules::underlineMarkup("If x < 3 {was} & {were"),
                 QString("If x &lt; 3 <u>was</u> &amp; {were"));
        QCOMPARE(kaven::rules::withoutUnderlineMarker("A {b c} d"), QString("A b c d"));
    }
};

QTEST_GUILESS_MAIN(TestVerbalSelection)
#include "tst_verbal_selection.moc"
