#include "datastore/store_error.h"
#include "support.h"
#include "verbal/verbal_level.h"
#include "verbal/verbal_section.h"

#include <QCryptographicHash>
#include <QTest>

#include <optional>

using kaven::verbal::Drawn;
using kaven::verbal::LevelState;
using kaven::verbal::VerbalSection;

namespace {

// A section loaded from working copies in a folder of its own.
struct Section {
    DataFolder data;
    FixedRandom random;
    kaven::session::ModuleState state;
    std::optional<VerbalSection> section;

    explicit Section(const banks::Verbal& bank)
    {
        bank.write(data.path(), Form::Working);
        data.setWorking(FileId::tesdet, {});
        data.setWorking(FileId::userprof, {});
        state.CurrentTest = 2;
        section.emplace(data.path(), random, state);
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
        // Given: question, score, credit, right, level before, block a, block b;
        // expected: level, block a, block b.
        QTest::addColumn<QList<double>>("given");
        QTest::addColumn<QList<double>>("expected");
        auto row = [](const char* name, double q, double s, double c, double r, double before, double a, double b,
                      double level, double aAfter, double bAfter) {
            QTest::newRow(name) << QList{q, s, c, r, before, a, b} << QList{level, aAfter, bAfter};
        };
        row("q1 always 3", 1, 9.0, 0, 0, 5, 0, 0, 3, 0, 0);
        row("q3 two right", 3, 2.0, 0, 1, 3, 0, 0, 4, 0, 0);
        row("q4 0.5", 4, 0.5, 0, 1, 4, 0, 0, 1, 0, 0);
        row("q5 1.5 skips level 2", 5, 1.5, 0, 1, 2, 0, 0, 3, 0, 0);
        row("q6 above 6 is 4", 6, 6.25, 0, 1, 2, 0, 0, 4, 0, 0);
        row("q7 3.9 not above 3.9", 7, 3.9, 0, 1, 2, 0, 0, 3, 0, 0);
        row("q8 clears block a", 8, 7.0, 0, 1, 2, 4.0, 0, 5, 0, 0);
        row("q10 sums, level kept", 10, 9.0, 1.5, 1, 2, 0, 0, 2, 1.5, 0);
        row("q13 block 1.0 clears", 13, 9.0, 0, 1, 3, 1.0, 0, 1, 0, 0);
        row("q21 wrong lowers", 21, 0, 0, 0, 4, 0, 0, 3, 0, 0);
        row("q21 wrong at 1 stays", 21, 0, 0, 0, 1, 0, 0, 1, 0, 0);
        row("q29 wrong sums and lowers", 29, 0, 0, 0, 3, 0, 1.0, 2, 0, 1.0);
        row("q30 right at 5 stays", 30, 0, 1.5, 1, 5, 0, 0.5, 5, 0, 2.0);
        row("q30 right raises", 30, 0, 1.0, 1, 3, 0, 0, 4, 0, 1.0);
        row("q33 block exactly 4.9", 33, 0, 0, 1, 1, 0, 4.9, 4, 0, 4.9);
        row("q38 score not block", 38, 5.0, 0, 1, 1, 0, 9.0, 4, 0, 9.0);
        row("q39 zero lowers", 39, 0.0, 0, 0, 3, 0, 0, 2, 0, 0);
        row("q40 right raises", 40, 3.0, 1.0, 1, 3, 0, 0, 4, 0, 0);
        row("q41 keeps", 41, 0.0, 0, 0, 2, 0, 0, 2, 0, 0);
    }
    void levelTable()
    {
        QFETCH(QList<double>, given);
        LevelState state{std::int16_t(given[4]), given[5], given[6]};
        const std::int16_t q = std::int16_t(given[0]);
        const std::int16_t right = std::int16_t(given[3]);
        const std::int16_t level = kaven::verbal::setLevel(state, given[1], q, right, given[2]);
        QTEST((QList<double>{double(level), state.mblock_a, state.mblock_b}), "expected");
    }

    // Every question at every quarter-point score up to 45, with the level before, the last
    // answer, its credit and both blocks varied along: one fingerprint of the levels and
    // blocks, so that a threshold moved anywhere shows. A deliberate change changes it.
    void levelTableFingerprint()
    {
        QByteArray outcomes;
        for (int q = 1; q <= 41; ++q)
            for (int i = 0; i <= 180; ++i) {
                LevelState state{std::int16_t(1 + i % 5), (i % 25) * 0.25, (i * 7 % 25) * 0.25};
                const std::int16_t level = kaven::verbal::setLevel(state, i / 4.0, std::int16_t(q), std::int16_t(i % 2),
                                                                   (i % 4) * 0.5);
                outcomes += QByteArray::number(level) + ',' + QByteArray::number(state.mblock_a) + ','
                    + QByteArray::number(state.mblock_b) + ';';
            }
        QCOMPARE(QCryptographicHash::hash(outcomes, QCryptographicHash::Sha1).toHex(), QByteArray("4bc52feeac340d605c7ae737411482d832e09f44"));
    }

    // A level that has run dry: Sentence Correction falls (1 wraps to 5), Critical
    // Reasoning climbs (5 wraps to 1); with nothing left anywhere the draw says so. The
    // question drawn is the first unused one of its level in file order.
    void fallBackWalks_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QList<int>>("usedLevels");
        QTest::addColumn<int>("drawnLevel");
        QTest::newRow("S 4..1 dry wraps") << "S" << QList<int>{1, 2, 3, 4} << 5;
        QTest::newRow("R 4, 5 dry wraps") << "R" << QList<int>{4, 5} << 1;
        QTest::newRow("S all dry") << "S" << QList<int>{1, 2, 3, 4, 5} << 0;
        QTest::newRow("R all dry") << "R" << QList<int>{1, 2, 3, 4, 5} << 0;
    }
    void fallBackWalks()
    {
        QFETCH(QString, code);
        QFETCH(QList<int>, usedLevels);
        QFETCH(int, drawnLevel);
        banks::Verbal bank(2, 1);
        bank.temp1 = banks::plan(code);
        for (auto& q : bank.vsmast.records())
            q.used = usedLevels.contains(q.q_level);
        for (auto& q : bank.vrmast.records())
            q.used = usedLevels.contains(q.q_level);
        Section s(bank);
        const Drawn drawn = s.drawAs(3, 2.0); // question 3 after two right: level 4
        QCOMPARE(int(s->mtarget_level), 4);
        QCOMPARE(drawn == Drawn::BankExhausted, drawnLevel == 0);
        if (drawnLevel == 0)
            return;
        // The first unused question of the level in file order.
        QCOMPARE(code == "S" ? s->sentence().q_id : s->reasoning().q_id, banks::id(code == "S" ? "VS" : "VR", drawnLevel, 0));
    }

    // A run of C slots is one passage: the unused passage of its length and level with the
    // smallest id (of equal ids the last in the file), its questions in file order.
    void passageChoiceAndContinuation()
    {
        banks::Verbal bank(1, 0);
        bank.temp1 = banks::plan("SSSSSSSSCCCC");
        auto add = [&](std::int16_t id, std::int16_t count, std::int16_t level, bool used = false) {
            bank.comdet.append({id, QStringLiteral("text %1").arg(bank.comdet.counter()), count, used, level});
        };
        add(30, 4, 2);
        add(12, 4, 3, true); // used
        add(20, 4, 3);
        add(14, 3, 3);       // wrong length
        add(20, 4, 3);       // same id, later: taken
        add(25, 4, 3);
        // The questions of passage 20 spread through the file.
        for (const auto& [id, passage] : {std::pair{"B1", 20}, {"X1", 30}, {"B2", 20}, {"B3", 20}, {"B4", 20}, {"Y1", 25}})
            bank.vcmast.append(banks::comprehension(id, std::int16_t(passage)));
        Section s(bank);
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
        const auto passages = s.data.load<FileId::comdet>(Form::Working);
        QVERIFY(passages[5].used && !passages[3].used);
        for (int q = 10; q <= 12; ++q) {
            ++s->mplan_pos;
            QCOMPARE(s->drawQuestion(), Drawn::NextInPassage);
            asked << s->mq_id;
            QCOMPARE(s->compQuestion().q_id, s->mq_id);
        }
        QCOMPARE(asked, (QStringList{"B1", "B2", "B3", "B4"}));
        QVERIFY(!s->mcomp_active);
    }

    // A level without a fitting passage climbs, 5 wrapping to 1; a three-question passage
    // whose questions were asked in an earlier test is not served again.
    void passageLevelWalk()
    {
        banks::Verbal bank(1, 0);
        bank.temp1 = banks::plan("CCC");
        bank.comdet.append({7, "used before", 3, false, 5});
        bank.comdet.append({8, "fresh", 3, false, 1});
        for (int q = 1; q <= 3; ++q) {
            bank.vcmast.append(banks::comprehension(QStringLiteral("U%1").arg(q), 7));
            bank.vcmast[bank.vcmast.size()].used = true;
            bank.vcmast.append(banks::comprehension(QStringLiteral("F%1").arg(q), 8));
        }
        Section s(bank);
        s->level.mcur_level = 5;
        s->mq_no = 40; // question 41 keeps the level
        QCOMPARE(s->drawQuestion(), Drawn::NewPassage);
        QCOMPARE(s->passage().psg_text, QString("fresh"));
        QCOMPARE(int(s->mlevel), 1);
        QCOMPARE(int(s->mtarget_level), 5);
        // A passage of three is never marked used; its questions are.
        s->manswer = 1;
        s->recordAnswer(7);
        QVERIFY(!s.data.load<FileId::comdet>(Form::Working)[2].used);
        QCOMPARE(s.data.load<FileId::userprof>(Form::Working)[1], (UserprofRecord{"F1", 2, "Verbal", 4, 1, 7, "C", 1, 0}));
        QCOMPARE(s->mC_score, 0.0);
    }

    void unservablePlansAreLoadErrors_data()
    {
        QTest::addColumn<QString>("codes");
        QTest::addColumn<int>("line");
        QTest::newRow("unknown code") << "SRXS" << 3;
        QTest::newRow("one C") << "SRCS" << 3;
        QTest::newRow("longer than every passage") << "SCCCCCR" << 2;
    }
    void unservablePlansAreLoadErrors()
    {
        QFETCH(QString, codes);
        banks::Verbal bank(1, 1);
        bank.temp1 = banks::plan(codes);
        try {
            Section s(bank);
            QFAIL("the plan was accepted");
        } catch (const kaven::store::StoreError& error) {
            QTEST(error.line(), "line");
            QCOMPARE(error.fieldName(), QString("q_type"));
            QVERIFY(error.file().endsWith("temp1xq42.enc"));
        }
    }
};

QTEST_GUILESS_MAIN(TestVerbalSelection)
#include "tst_verbal_selection.moc"
