#include "datastore/store_error.h"
#include "quant/figures.h"
#include "quant/quant_level.h"
#include "quant/quant_section.h"
#include "support.h"

#include <QCryptographicHash>
#include <QTest>

#include <optional>

using kaven::quant::QuantDrawn;
using kaven::quant::QuantSection;

namespace {

// A section loaded from working copies in a folder of its own, for test 2.
struct Section {
    DataFolder data;
    FixedRandom random;
    kaven::session::ModuleState state;
    std::optional<QuantSection> section;

    explicit Section(const banks::Quant& bank)
    {
        bank.write(data.path(), Form::Working);
        data.setWorking(FileId::tesgiv, "1,#FALSE#,#FALSE#\r\n2,#FALSE#,#TRUE#\r\n");
        data.setWorking(FileId::tesdet, {});
        data.setWorking(FileId::userprof, {});
        state.CurrentTest = 2;
        section.emplace(data.path(), random, state);
        section->load();
        section->loadAnswers();
    }
    QuantSection* operator->() { return &*section; }
    QuantDrawn drawAs(std::int16_t q, double score)
    {
        section->mq_no = q;
        section->mC_score = score;
        return section->drawQuestion();
    }
};

} // namespace

class TestQuantSelection : public QObject {
    Q_OBJECT
private slots:
    // The level aimed at: fixed rules up to question 4 and from 36, the table between;
    // a score equal to a threshold falls below it.
    void levelTable_data()
    {
        QTest::addColumn<int>("q");
        QTest::addColumn<double>("score");
        QTest::addColumn<int>("level"); // 0: no level
        const auto row = [](const char* name, int q, double s, int level) { QTest::newRow(name) << q << s << level; };
        row("q1", 1, 9.0, 3);
        row("q3 2.5", 3, 2.5, 4);
        row("q4 4.0", 4, 4.0, 4);
        row("q5 = 5.4", 5, 5.4, 4);
        row("q5 > 5.4", 5, 5.41, 5);
        row("q24 drops below q23", 24, 23.0, 5);
        row("q35 = 33.9", 35, 33.9, 4);
        row("q36", 36, 0.0, 4);
        row("q37", 37, 40.0, 5);
        row("q38", 38, 10.0, 0);
    }
    void levelTable()
    {
        QFETCH(int, q);
        QFETCH(double, score);
        QTEST(int(kaven::quant::setLevel(1.75, score, std::int16_t(q)).value_or(0)), "level");
    }

    // Scores are sums of quarter points: the level of every question at every quarter-point
    // score up to 40, as one fingerprint, so that a threshold moved anywhere in the table
    // shows. A deliberate change of the table changes it.
    void levelTableFingerprint()
    {
        QByteArray levels;
        for (int q = 0; q <= 38; ++q)
            for (int quarters = 0; quarters <= 160; ++quarters)
                levels += char('0' + kaven::quant::setLevel(1.75, quarters / 4.0, std::int16_t(q)).value_or(0));
        QCOMPARE(QCryptographicHash::hash(levels, QCryptographicHash::Sha1).toHex(), QByteArray("6e5a8e858c54e718c0537861fa9b0adfab349a1f"));
    }

    // A dry level passes to the one below, 1 wrapping to 5; the first unused question of
    // the level in file order is taken; nothing anywhere is reported.
    void fallBackWalk_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QList<int>>("dryLevels");
        QTest::addColumn<int>("q");
        QTest::addColumn<int>("drawnLevel"); // 0: exhausted
        QTest::newRow("P level 4 dry") << "P" << QList<int>{4} << 36 << 3;
        QTest::newRow("D 4..1 dry wraps to 5") << "D" << QList<int>{1, 2, 3, 4} << 36 << 5;
        QTest::newRow("P no level starts at 2") << "P" << QList<int>{} << 38 << 2;
        QTest::newRow("D all dry") << "D" << QList<int>{1, 2, 3, 4, 5} << 36 << 0;
    }
    void fallBackWalk()
    {
        QFETCH(QString, code);
        QFETCH(QList<int>, dryLevels);
        QFETCH(int, q);
        QFETCH(int, drawnLevel);
        banks::Quant bank(3);
        bank.qtemp1 = banks::plan(code);
        for (auto& p : bank.qpsmast.records())
            p.used = dryLevels.contains(p.q_level);
        for (auto& d : bank.qdsmast.records())
            d.used = dryLevels.contains(d.q_level);
        Section s(bank);
        const QuantDrawn drawn = s.drawAs(std::int16_t(q), 0.0);
        QCOMPARE(drawn == QuantDrawn::BankExhausted, drawnLevel == 0);
        if (drawnLevel == 0)
            return;
        QCOMPARE(int(s->mlevel), drawnLevel);
        QCOMPARE(code == "P" ? s->problem().q_id : s->dataSufficiency().q_id, banks::id(code == "P" ? "QP" : "QD", drawnLevel, 0));
    }

    // Credits: 0.25 a level above 0.5 for a right answer; Problem Solving at 36 and 37
    // adds nothing to the score, Data Sufficiency always does. The profile gets each answer
    // and the bank its used flag.
    void recordAnswer_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("q");
        QTest::addColumn<int>("answer");
        QTest::addColumn<double>("credit");
        QTest::addColumn<double>("score");
        QTest::newRow("P right q35 at level 1") << "P" << 35 << 3 << 0.75 << 10.75;
        QTest::newRow("P right q36") << "P" << 36 << 3 << 1.5 << 10.0;
        QTest::newRow("D right q37") << "D" << 37 << 4 << 1.75 << 11.75;
    }
    void recordAnswer()
    {
        QFETCH(QString, code);
        QFETCH(int, q);
        QFETCH(int, answer);
        banks::Quant bank(2);
        bank.qtemp1 = banks::plan(code);
        Section s(bank);
        QCOMPARE(s.drawAs(std::int16_t(q), 10.0), code == "P" ? QuantDrawn::Problem : QuantDrawn::DataSufficiency);
        s->manswer = std::int16_t(answer);
        s->recordAnswer(77);
        QTEST(s->mI_score, "credit");
        QTEST(s->mC_score, "score");
        const int level = s->mlevel;
        const QByteArray record = QStringLiteral("\"%1\",2,\"Quantitative\",%2,%3,77,\"%4\",%5,0\r\n")
                                      .arg(banks::id(code == "P" ? "QP" : "QD", level, 0))
                                      .arg(code == "P" ? 3 : 4).arg(answer).arg(code).arg(level).toLatin1();
        QCOMPARE(s.data.working(FileId::userprof), record);
        QCOMPARE(s.data.working(code == "P" ? FileId::qpsmast : FileId::qdsmast).count("#TRUE#"), 1);
        QVERIFY(s->nextSlot()); // a one-slot plan is over
    }

    void planErrors_data()
    {
        QTest::addColumn<QString>("codes");
        QTest::addColumn<int>("line");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("lower case") << "PDp" << 3;
    }
    void planErrors()
    {
        QFETCH(QString, codes);
        banks::Quant bank(1);
        bank.qtemp1 = banks::plan(codes);
        try {
            Section s(bank);
            QFAIL("the plan was accepted");
        } catch (const kaven::store::StoreError& e) {
            QVERIFY(e.message().contains("qtemp1xq42.enc"));
            QTEST(e.line(), "line");
            QCOMPARE(e.field(), 2);
        }
    }

    // Each figure: the letters it places and its shapes; other numbers draw nothing.
    void figures_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("placed");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("circles");
        QTest::newRow("1 circle") << 1 << "Lab_o" << 0 << 1;
        QTest::newRow("2 radii in a circle") << 2 << "Lab_o LAB_X" << 2 << 1;
        QTest::newRow("3 rectangle") << 3 << "lab_A Lab_B Lab_C Lab_D" << 4 << 0;
        QTest::newRow("4 right triangle") << 4 << "lab_A Lab_B Lab_C" << 3 << 0;
        QTest::newRow("5 rectangle and diagonals") << 5 << "lab_A Lab_B Lab_C Lab_D" << 6 << 0;
        QTest::newRow("6 nothing") << 6 << "" << 0 << 0;
    }
    void figures()
    {
        QFETCH(int, number);
        const kaven::quant::Figure f = kaven::quant::Display_Fig(std::int16_t(number));
        QStringList placed;
        for (const auto& label : f.placed)
            placed << label.first;
        QTEST(placed.join(' '), "placed");
        QTEST(int(f.lines.size()), "lines");
        QTEST(int(f.circles.size()), "circles");
    }
};

QTEST_GUILESS_MAIN(TestQuantSelection)
#include "tst_quant_selection.moc"
