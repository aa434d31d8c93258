#include "datastore/store_error.h"
#include "fixed_random.h"
#include "quant/figures.h"
#include "quant/quant_level.h"
#include "quant/quant_section.h"
#include "quant/quant_text.h"
#include "quant_banks.h"
#include "test_files.h"

#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace quant_banks;
using kaven::quant::QuantDrawn;
using kaven::quant::QuantSection;

namespace {

// A section loaded from working copies in a folder of its own.
struct Section {
    QTemporaryDir dir;
    FixedRandom random;
    kaven::session::ModuleState state;
    std::optional<QuantSection> section;

    explicit Section(const Banks& banks)
    {
        banks.write(dir.path(), Form::Working);
        put(dataPath(dir.path(), FileId::tesgiv, Form::Working), "1,#FALSE#,#FALSE#\r\n2,#FALSE#,#TRUE#\r\n");
        for (FileId id : {FileId::tesdet, FileId::userprof})
            put(dataPath(dir.path(), id, Form::Working), {});
        state.CurrentTest = 2;
        section.emplace(dir.path(), random, state);
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
    QByteArray working(FileId id) const { return contentOf(dataPath(dir.path(), id, Form::Working)); }
};

// The level table as the section's description prints it: question, then the thresholds
// for levels 5, 4, 3 and 2.
const char* const tableRows[] = {
    "5 5.4 3.7 1.9 1.4",      "6 5.6 4.1 2.9 1.4",      "7 5.6 4.8 3.4 1.4",
    "8 7.3 5.6 3.8 2.6",      "9 9.1 6.7 4.0 2.2",      "10 10.8 7.1 5.2 3.9",
    "11 12.5 8.2 5.4 4.7",    "12 13.1 9.1 6.1 4.7",    "13 14.2 9.4 7.1 4.7",
    "14 14.7 9.8 7.1 4.7",    "15 15.1 11.4 7.8 5.7",   "16 15.8 12.9 8.3 6.6",
    "17 16.6 13.2 10.2 7.7",  "18 17.9 13.7 11.9 7.9",  "19 19.7 15.2 9.7 8.9",
    "20 20.7 16.7 11.4 9.9",  "21 22.6 18.2 12.6 10.9", "22 24.0 19.7 13.7 10.9",
    "23 25.6 18.7 14.8 12.4", "24 22.7 20.9 16.2 13.4", "25 24.4 22.4 14.9 14.4",
    "26 26.2 21.2 16.4 14.2", "27 27.2 20.2 17.7 14.2", "28 27.8 21.7 18.9 14.2",
    "29 28.0 23.2 18.4 16.3", "30 29.4 23.3 19.3 14.2", "31 30.8 23.9 20.2 14.9",
    "32 31.8 24.7 20.9 15.4", "33 32.4 25.3 21.4 15.9", "34 29.2 23.3 19.3 14.2",
    "35 33.9 26.7 22.4 16.7",
};

} // namespace

class TestQuantSelection : public QObject {
    Q_OBJECT
private slots:
    void levelTable_data()
    {
        QTest::addColumn<int>("q");
        QTest::addColumn<double>("score");
        QTest::addColumn<int>("level"); // 0: no level
        const auto row = [](const QString& name, int q, double s, int level) {
            QTest::newRow(qPrintable(name)) << q << s << level;
        };
        row("q0", 0, 9.0, 3);
        row("q1", 1, 9.0, 3);
        row("q2", 2, 0.0, 3);
        row("q3 2.5", 3, 2.5, 4);
        row("q3 1.25", 3, 1.25, 3);
        row("q3 2.25", 3, 2.25, 2);
        row("q3 3.0", 3, 3.0, 2);
        row("q4 4.0", 4, 4.0, 4);
        row("q4 2.5", 4, 2.5, 3);
        row("q4 3.0", 4, 3.0, 2);
        row("q4 0.9", 4, 0.9, 1);
        row("q4 1.0", 4, 1.0, 2);
        row("q36", 36, 0.0, 4);
        row("q37", 37, 40.0, 5);
        row("q38", 38, 10.0, 0);
        // Every threshold of rows 5 to 35: equal falls below, a hundredth more reaches it.
        for (const char* line : tableRows) {
            const QStringList cells = QString::fromLatin1(line).split(' ');
            const int q = cells[0].toInt();
            for (int k = 1; k <= 4; ++k) {
                const double t = cells[k].toDouble();
                const int level = 6 - k;
                row(QStringLiteral("q%1 = %2").arg(q).arg(t), q, t, level - 1);
                row(QStringLiteral("q%1 > %2").arg(q).arg(t), q, t + 0.01, level);
            }
            row(QStringLiteral("q%1 zero").arg(q), q, 0.0, 1);
        }
    }
    void levelTable()
    {
        QFETCH(int, q);
        QFETCH(double, score);
        QFETCH(int, level);
        const auto got = kaven::quant::setLevel(1.75, score, std::int16_t(q));
        QCOMPARE(got.value_or(0), level);
    }

    // A dry level passes to the one below, 1 wrapping to 5; the first unused question of
    // the level in file order is taken whatever its key; nothing anywhere is reported.
    void fallBackWalk_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QList<int>>("dryLevels");
        QTest::addColumn<int>("q");
        QTest::addColumn<int>("drawnLevel"); // 0: exhausted
        QTest::newRow("P level 4 dry") << "P" << QList<int>{4} << 36 << 3;
        QTest::newRow("D 4..1 dry wraps to 5") << "D" << QList<int>{1, 2, 3, 4} << 36 << 5;
        QTest::newRow("P no level starts at 2") << "P" << QList<int>{} << 38 << 2;
        QTest::newRow("P no level, 2 dry") << "P" << QList<int>{2} << 38 << 1;
        QTest::newRow("D all dry") << "D" << QList<int>{1, 2, 3, 4, 5} << 36 << 0;
        QTest::newRow("P all dry, no level") << "P" << QList<int>{1, 2, 3, 4, 5} << 38 << 0;
    }
    void fallBackWalk()
    {
        QFETCH(QString, code);
        QFETCH(QList<int>, dryLevels);
        QFETCH(int, q);
        QFETCH(int, drawnLevel);
        Banks banks(3);
        banks.qtemp1 = plan(code);
        for (auto& p : banks.qpsmast.records())
            p.used = dryLevels.contains(p.q_level);
        for (auto& d : banks.qdsmast.records())
            d.used = dryLevels.contains(d.q_level);
        // Keys do not steer the draw.
        banks.qpsmast[3 * 2 + 1].rand_key = 9;
        Section s(banks);
        const QuantDrawn drawn = s.drawAs(std::int16_t(q), 0.0);
        if (drawnLevel == 0) {
            QCOMPARE(drawn, QuantDrawn::BankExhausted);
            return;
        }
        QCOMPARE(int(s->mlevel), drawnLevel);
        const QString id = code == "P" ? s->problem().q_id : s->dataSufficiency().q_id;
        QCOMPARE(id, QStringLiteral("Q%1%2").arg(code).arg(drawnLevel) + "00");
    }

    // Only the unused questions of the level drawn at get new keys, and each pass of the
    // walk rewrites the bank.
    void shuffleKeys()
    {
        Banks banks(2);
        banks.qtemp1 = plan("D");
        banks.qdsmast[7].used = true; // the first of level 4
        banks.qdsmast[7].rand_key = 5;
        Section s(banks);
        s.random.value = 0.95;
        QCOMPARE(s.drawAs(3, 2.5), QuantDrawn::DataSufficiency);
        QCOMPARE(s->dataSufficiency().q_id, QString("QD401"));
        RecordBuffer<QdsmastRecord> written;
        loadFile(dataPath(s.dir.path(), FileId::qdsmast, Form::Working), written);
        QList<int> keys;
        for (const auto& d : written.records())
            keys.append(d.rand_key);
        QCOMPARE(keys, (QList<int>{0, 0, 0, 0, 0, 0, 5, 9, 0, 0}));
    }

    // Credits: 0.25 a level above 0.5 for a right answer; Problem Solving at 36 and 37
    // adds nothing to the score, Data Sufficiency always does. The profile gets each answer.
    void recordAnswer_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("q");
        QTest::addColumn<int>("answer");
        QTest::addColumn<double>("credit");
        QTest::addColumn<double>("score");
        QTest::newRow("P right q35 at level 1") << "P" << 35 << 3 << 0.75 << 10.75;
        QTest::newRow("P right q36") << "P" << 36 << 3 << 1.5 << 10.0;
        QTest::newRow("P right q37") << "P" << 37 << 3 << 1.75 << 10.0;
        QTest::newRow("D right q37") << "D" << 37 << 4 << 1.75 << 11.75;
        QTest::newRow("D wrong q20") << "D" << 20 << 2 << 0.0 << 10.0;
    }
    void recordAnswer()
    {
        QFETCH(QString, code);
        QFETCH(int, q);
        QFETCH(int, answer);
        Banks banks(2);
        banks.qtemp1 = plan(code);
        Section s(banks);
        QCOMPARE(s.drawAs(std::int16_t(q), 10.0), code == "P" ? QuantDrawn::Problem : QuantDrawn::DataSufficiency);
        s->manswer = std::int16_t(answer);
        s->recordAnswer(77);
        QTEST(s->mI_score, "credit");
        QTEST(s->mC_score, "score");
        const int level = s->mlevel;
        const QString id = QStringLiteral("Q%1%2").arg(code).arg(level) + "00";
        const QByteArray record = QStringLiteral("\"%1\",2,\"Quantitative\",%2,%3,77,\"%4\",%5,0\r\n")
                                      .arg(id).arg(code == "P" ? 3 : 4).arg(answer).arg(code).arg(level)
                                      .toLatin1();
        QCOMPARE(s.working(FileId::userprof), record);
        // The used flag is in the rewritten bank file.
        QCOMPARE(s.working(code == "P" ? FileId::qpsmast : FileId::qdsmast).count("#TRUE#"), 1);
        QVERIFY(s->nextSlot()); // a one-slot plan is over
    }

    // Marks: half a point off for each unconfirmed question, never below 0, halves to even.
    void marksAndTaken_data()
    {
        QTest::addColumn<double>("score");
        QTest::addColumn<int>("q");
        QTest::addColumn<int>("marks");
        QTest::newRow("confirmed to the end 13.0") << 13.0 << 37 << 12;
        QTest::newRow("14.0 at the end gives 13.5 -> 14") << 14.0 << 37 << 14;
        QTest::newRow("time out at 10 with 7.0") << 7.0 << 10 << 0;
        QTest::newRow("end section at 30 with 20") << 20.0 << 30 << 16;
    }
    void marksAndTaken()
    {
        QFETCH(double, score);
        QFETCH(int, q);
        Banks banks(1);
        Section s(banks);
        s->mC_score = score;
        s->mq_no = std::int16_t(q);
        QTEST(int(s->Update_Test(1234, QDate(2026, 12, 6))), "marks");
        QFETCH(int, marks);
        QCOMPARE(s.working(FileId::tesdet), QByteArray("2,\"Quantitative\",1234,") + QByteArray::number(marks)
                                                + ",#2026-12-06#\r\n");
        QCOMPARE(s.working(FileId::tesgiv), QByteArray("1,#FALSE#,#FALSE#\r\n2,#TRUE#,#TRUE#\r\n"));
    }

    void planErrors_data()
    {
        QTest::addColumn<QString>("codes");
        QTest::addColumn<int>("line");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("lower case") << "PDp" << 3;
        QTest::newRow("verbal code") << "PS" << 2;
    }
    void planErrors()
    {
        QFETCH(QString, codes);
        Banks banks(1);
        banks.qtemp1 = plan(codes);
        try {
            Section s(banks);
            QFAIL("the plan was accepted");
        } catch (const kaven::store::StoreError& e) {
            QVERIFY(e.message().contains("qtemp1xq42.enc"));
            QTEST(e.line(), "line");
            QCOMPARE(e.field(), 2);
        }
    }

    void dataSufficiencyText_data()
    {
        QTest::addColumn<QString>("one");
        QTest::addColumn<QString>("two");
        QTest::addColumn<QString>("text");
        QTest::newRow("both") << "x > 1" << "y > 1" << "Is x > y?\r\n\r\n(1)  x > 1\r\n(2)  y > 1";
        QTest::newRow("only (2)") << "" << "y > 1" << "Is x > y?\r\n\r\n(2)  y > 1";
        QTest::newRow("none") << "" << "" << "Is x > y?\r\n\r\n";
    }
    void dataSufficiencyText()
    {
        QFETCH(QString, one);
        QFETCH(QString, two);
        kaven::store::QdsmastRecord d;
        d.q_text = "Is x > y?";
        d.stmt_1 = one;
        d.stmt_2 = two;
        QTEST(kaven::quant::dataSufficiencyText(d), "text");
    }

    // Each figure: the labels it hides and places, and its shapes; other numbers draw nothing.
    void figures_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("hidden");
        QTest::addColumn<QString>("placed");
        QTest::addColumn<QString>("shapes");
        QTest::newRow("1 circle") << 1 << "Lab_C Lab_D" << "Lab_o@8300,1000" << "o8400,1000r500";
        QTest::newRow("2 line and circle") << 2 << "Lab_C Lab_D" << "Lab_o@8400,800 LAB_X@7730,900"
                                           << "7900,1000-8450,1000 8450,1000-8450,1510 o8400,1000r500";
        QTest::newRow("3 rectangle") << 3 << "" << "lab_A@7700,250 Lab_B@9200,250 Lab_C@7700,1410 Lab_D@9200,1410"
                                     << "7900,315-9045,315 7900,315-7900,1510 7900,1510-9045,1510 9045,315-9045,1510";
        QTest::newRow("4 triangle") << 4 << "Lab_D" << "lab_A@7800,1515 Lab_B@9150,1515 Lab_C@8100,315"
                                    << "7900,315-9045,1510 7900,315-7900,1510 7900,1515-9045,1515";
        QTest::newRow("5 rectangle with lines")
            << 5 << "" << "lab_A@7700,250 Lab_B@9200,250 Lab_C@7700,1410 Lab_D@9200,1410"
            << "7900,315-9045,315 7900,315-7900,1510 7900,1510-9045,1510 9045,315-9045,1510 "
               "7900,315-9045,1510 9045,315-7900,1510";
        QTest::newRow("6 nothing") << 6 << "" << "" << "";
        QTest::newRow("0 nothing") << 0 << "" << "" << "";
    }
    void figures()
    {
        QFETCH(int, number);
        const kaven::quant::Figure f = kaven::quant::Display_Fig(std::int16_t(number));
        QStringList placed;
        for (const auto& [name, at] : f.placed)
            placed << QStringLiteral("%1@%2,%3").arg(name).arg(at.x()).arg(at.y());
        QStringList shapes;
        for (const QLine& l : f.lines)
            shapes << QStringLiteral("%1,%2-%3,%4").arg(l.x1()).arg(l.y1()).arg(l.x2()).arg(l.y2());
        for (const auto& c : f.circles)
            shapes << QStringLiteral("o%1,%2r%3").arg(c.centre.x()).arg(c.centre.y()).arg(c.radius);
        QTEST(f.hidden.join(' '), "hidden");
        QTEST(placed.join(' '), "placed");
        QTEST(shapes.join(' '), "shapes");
    }
};

QTEST_GUILESS_MAIN(TestQuantSelection)
#include "tst_quant_selection.moc"
