#include "quant/frm_quant.h"
#include "quant_banks.h"
#include "shell/frm_summary.h"
#include "test_seams.h"
#include "ui/click_label.h"
#include "ui/twips_layout.h"
#include "verbal/frm_verbal.h"
#include "verbal_banks.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>

#include <cmath>
#include <optional>

using kaven::quant::frm_quant;
using kaven::store::FileId;
using kaven::store::Form;
using kaven::store::RecordBuffer;
using kaven::ui::Answer;
using kaven::ui::ScreenId;
namespace qb = quant_banks;

namespace {

// The program on a data folder with full banks, test 1 about to begin; the Quantitative
// screen opened as the directions open it.
struct QuantRun {
    DataFolder data;
    std::optional<TestProgram> run;
    QPointer<frm_quant> quant;

    explicit QuantRun(const qb::Banks& banks = qb::Banks())
    {
        banks.write(data.path(), Form::Store);
        verbal_banks::Banks().write(data.path(), Form::Store);
        data.setStore(FileId::tesgiv, tesgivWith({false, false, false, false, false}));
        run.emplace(data.path());
        if (run->program.start()) {
            state().CurrentTest = 1;
            quant = static_cast<frm_quant*>(run->program.screens().open(ScreenId::Quant));
        }
    }
    kaven::session::ModuleState& state() { return run->program.state(); }
    ScriptedDialogs& dialogs() { return run->dialogs; }
    template <class W = QWidget> W* ctl(const char* name) { return child<W>(quant, name); }
    void click(const char* name) { QTest::mouseClick(ctl<QPushButton>(name), Qt::LeftButton); }
    void ticks(int n)
    {
        for (int k = 0; k < n && quant; ++k)
            quant->Timer1_Timer();
    }
    int key() const
    {
        const auto& s = quant->section();
        return s.mtype == "P" ? s.problem().ans_no : s.dataSufficiency().ans_no;
    }
    void answer(int k)
    {
        QTest::mouseClick(ctl(qPrintable(QString("rtfopt%1").arg(k))), Qt::LeftButton);
        click("cmdnext");
        click("cmdConfirm");
    }
    template <class R> RecordBuffer<R> working(FileId id)
    {
        RecordBuffer<R> buffer;
        kaven::store::loadFile(data.file(id, Form::Working), buffer);
        return buffer;
    }
    bool verbalShown()
    {
        QWidget* verbal = run->program.screens().loaded(ScreenId::Verbal);
        return verbal && verbal->isVisible();
    }
    QStringList prompts() const
    {
        QStringList out;
        for (const auto& m : run->dialogs.asked)
            out << m.prompt;
        return out;
    }
};

int top(QWidget* w)
{
    return kaven::ui::twipsTop(w);
}

} // namespace

class TestFrmQuant : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    void chooseNextConfirm()
    {
        QuantRun q;
        QVERIFY(q.quant && q.quant->isVisible());
        QCOMPARE(q.quant->windowTitle(), "Section - Quantitative");
        QVERIFY(q.ctl("rtf_instruct")->isVisible() && !q.ctl("cmdConfirm")->isVisible());
        QVERIFY(q.ctl<QTextEdit>("rtf_instruct")->toPlainText().startsWith("GENERAL DIRECTIONS\n\nNumbers :"));
        q.click("CMD_PROCEED");
        QVERIFY(!q.ctl("rtf_instruct")->isVisible() && q.ctl("cmdexitsection")->isVisible());
        QCOMPARE(q.ctl<QLabel>("lab_q_no")->text(), "Question No : 1 of 37");
        QCOMPARE(q.ctl<QLabel>("rtf_qdesc")->text(), q.quant->section().problem().q_text);

        // The answers under a question label at 840 of height 1800.
        const QList<int> tops{top(q.ctl("rtfopt1")), top(q.ctl("rtfopt2")), top(q.ctl("rtfopt5")),
                              top(q.ctl("Option1")), top(q.ctl("Option5"))};
        QCOMPARE(tops, (QList<int>{2840, 3190, 4240, 2760, 4150}));

        QTest::mouseClick(q.ctl("Label2"), Qt::LeftButton);
        QVERIFY(q.ctl<QRadioButton>("Option2")->isChecked());
        QVERIFY(q.ctl<QPushButton>("cmdnext")->isEnabled() && !q.ctl<QPushButton>("cmdConfirm")->isEnabled());
        q.click("cmdnext");
        QVERIFY(q.ctl<QPushButton>("cmdConfirm")->isEnabled());
        // Choosing again after Next asks for Next again.
        QTest::mouseClick(q.ctl("rtfopt4"), Qt::LeftButton);
        QVERIFY(!q.ctl<QPushButton>("cmdConfirm")->isEnabled() && q.ctl<QPushButton>("cmdnext")->isEnabled());
        q.click("cmdhelp");
        QVERIFY(q.ctl("rtf_instruct")->isVisible() && !q.ctl("rtf_qdesc")->isVisible());
        q.click("CMD_PROCEED");
        q.click("cmdtimer");
        QVERIFY(!q.ctl("lab_timer")->isVisible());
        q.click("cmdtimer");
        q.ticks(3);
        q.click("cmdnext");
        q.click("cmdConfirm");
        const auto profile = q.working<kaven::store::UserprofRecord>(FileId::userprof);
        QCOMPARE(profile.size(), 1);
        QCOMPARE(int(profile[1].given_no), 4);
        QCOMPARE(profile[1].time_val, 6);
        QCOMPARE(q.ctl<QLabel>("lab_q_no")->text(), "Question No : 2 of 37");
        QVERIFY(!q.ctl<QRadioButton>("Option4")->isChecked());
        QVERIFY(!q.ctl<QPushButton>("cmdConfirm")->isEnabled() && !q.ctl<QPushButton>("cmdnext")->isEnabled());
    }

    // The three ends of a section before its last question each record it once and open
    // the Verbal section; time over while the End Section question is open wins over the
    // Yes that follows it, and the screen outlives the box it asked from.
    void sectionEndsOnce_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("end section at 10") << "end" << 90 << QStringList{"Section end", "Section end"};
        QTest::newRow("time over at 10") << "time" << 4500 << QStringList{"Time Over"};
        QTest::newRow("time over in End Section") << "end+time" << 4500
                                                  << QStringList{"Section end", "Section end", "Time Over"};
    }
    void sectionEndsOnce()
    {
        QFETCH(QString, how);
        QuantRun q;
        q.click("CMD_PROCEED");
        double score = 0;
        for (int n = 1; n <= 9; ++n) {
            q.ticks(10);
            score += 0.25 * q.quant->section().mtarget_level + 0.5;
            q.answer(q.key());
        }
        bool outlivesItsBox = true;
        if (how == "end+time")
            q.dialogs().whileOpen = [&q, &outlivesItsBox](const kaven::ui::Message& m) {
                if (m.title != "Section end" || q.dialogs().answers.empty())
                    return;
                q.ticks(4500);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                outlivesItsBox = !q.quant.isNull();
            };
        if (how.startsWith("end")) {
            q.click("cmdexitsection"); // No: the section goes on
            QVERIFY(q.quant->isVisible());
            q.dialogs().answers = {Answer::Yes};
            q.click("cmdexitsection");
        } else {
            q.ticks(4500);
            QCOMPARE(q.ctl<QLabel>("lab_timer")->text(), "00:00:00");
        }
        QVERIFY(outlivesItsBox);
        q.ticks(10);

        QStringList titles;
        for (const auto& m : q.dialogs().asked)
            titles << m.title;
        QTEST(titles, "titles");
        const auto tesdet = q.working<kaven::store::TesdetRecord>(FileId::tesdet);
        QCOMPARE(tesdet.size(), 1);
        QTEST(int(tesdet[1].secs_used), "seconds");
        // 28 questions unconfirmed: half a point each.
        QCOMPARE(tesdet[1].marks, std::int32_t(std::nearbyint(std::max(0.0, score - 14))));
        QCOMPARE(q.working<kaven::store::TesgivRecord>(FileId::tesgiv)[1].taken, true);
        QVERIFY(q.verbalShown());
        QVERIFY(!q.run->end.ended());
    }

    // Exit, from its button or the title bar, asks first; Yes leaves without a trace.
    void exitLeavesNothing()
    {
        QuantRun q;
        q.click("CMD_PROCEED");
        q.answer(q.key());
        q.quant->close();
        QVERIFY(q.quant->isVisible() && !q.run->end.ended());
        QCOMPARE(q.dialogs().asked.last().prompt, "Are you sure you want to exit ");
        q.dialogs().answers = {Answer::Yes};
        q.click("cmdexit");
        QCOMPARE(q.run->end.status(), 0);
        for (FileId id : {FileId::userprof, FileId::qpsmast, FileId::tesdet})
            QCOMPARE(q.data.working(id), QByteArray("\r\n"));
        QVERIFY(!q.data.store(FileId::qpsmast).contains("#TRUE#"));
    }

    // While paused the clock and the section's seconds stand still; only the ticks of the
    // question go on, one a second.
    void pause()
    {
        QuantRun q;
        q.click("CMD_PROCEED");
        q.ticks(2);
        auto* timer = q.ctl<QLabel>("lab_timer");
        QCOMPARE(timer->text(), "01:14:58");
        q.dialogs().whileOpen = [&q](const kaven::ui::Message&) { q.ticks(60); };
        q.click("cmdpause");
        QCOMPARE(int(q.state().QuantSeconds), 2);
        QCOMPARE(q.quant->ticks(), 64);
        QVERIFY(!q.quant->paused());
        QCOMPARE(timer->text(), "01:14:58");
        q.ticks(1);
        QCOMPARE(timer->text(), "01:14:57");
        QCOMPARE(q.dialogs().asked[0].title, kaven::session::programTitle());
    }

    // Figures beside the question: none on question 1; a rectangle with its four letters;
    // a tall Data Sufficiency question without a figure clears it all, the next one with a
    // figure narrows the label; a figure number without a drawing draws nothing.
    void figuresAndLayout()
    {
        qb::Banks banks;
        banks.qtemp1 = qb::plan("PPDDP");
        for (auto& p : banks.qpsmast.records())
            p.fig_id = 3;
        banks.qdsmast[37].tall_q = true; // the first two of level 4
        banks.qdsmast[38].tall_q = true;
        banks.qdsmast[38].fig_id = 2;
        banks.qpsmast[49].fig_id = 6; // the first of level 5
        QuantRun q(banks);
        q.click("CMD_PROCEED");
        auto* label = q.ctl<QLabel>("rtf_qdesc");
        const auto letters = [&q] {
            QStringList shown;
            for (const char* name : {"lab_A", "Lab_B", "Lab_C", "Lab_D", "Lab_o", "LAB_X", "Lab_Y", "Lab_Z", "Lab_dot"})
                if (q.ctl(name)->isVisible())
                    shown << q.ctl<QLabel>(name)->text();
            return shown.join(' ');
        };
        QCOMPARE(letters(), "");
        QVERIFY(q.quant->drawing().lines.empty());

        q.answer(q.key());
        QCOMPARE(letters(), "a b c d");
        QCOMPARE(q.ctl("Lab_D")->pos(), QPoint(613, 94));
        QCOMPARE(q.quant->drawing().lines.size(), 4u);
        // The figure is painted from the kept shapes whenever the screen is painted.
        const QImage shot = q.quant->grab().toImage();
        QVERIFY(qGray(shot.pixel(560, 21)) < 128);
        QVERIFY(qGray(shot.pixel(560, 60)) > 128);

        q.answer(q.key()); // question 3: tall, no figure
        QCOMPARE(letters(), "");
        QVERIFY(q.quant->drawing().isEmpty());
        QCOMPARE(kaven::ui::twipsGeometry(label).size(), QSize(7500, 2400));
        QVERIFY(label->text().startsWith("Is x of QD400 positive?\n\n(1)  x > 1\n(2)  x^2 > 1"));
        QCOMPARE(q.ctl<QLabel>("rtfopt3")->text(),
                 "BOTH statements TOGETHER are sufficient, but NEITHER statement alone is sufficient");
        q.answer(q.key()); // question 4: tall, figure 2
        QCOMPARE(letters(), "o x");
        QCOMPARE(kaven::ui::twipsGeometry(label).size(), QSize(6915, 3000));
        QCOMPARE(top(q.ctl("rtfopt1")), 840 + 3000 + 200);
        q.answer(q.key()); // question 5: figure 6, the size stays
        QCOMPARE(letters(), "");
        QVERIFY(q.quant->drawing().isEmpty());
        QCOMPARE(kaven::ui::twipsGeometry(label).size(), QSize(6915, 3000));
    }

    // A bank with nothing left at any level says so once and ends the section as End
    // Section would, at the first question too.
    void bankExhausted_data()
    {
        QTest::addColumn<QString>("dry");
        QTest::addColumn<int>("answered");
        QTest::newRow("Problem Solving, at load") << "P" << 0;
        QTest::newRow("Data Sufficiency, question 2") << "D" << 1;
    }
    void bankExhausted()
    {
        QFETCH(QString, dry);
        QFETCH(int, answered);
        qb::Banks banks;
        for (auto& p : banks.qpsmast.records())
            p.used = dry == "P";
        for (auto& d : banks.qdsmast.records())
            d.used = dry == "D";
        QuantRun q(banks);
        if (answered) {
            q.click("CMD_PROCEED");
            q.ticks(7);
            q.answer(q.key());
        }
        QCOMPARE(q.prompts(), QStringList{"Please Update Your Question Bank"});
        const auto tesdet = q.working<kaven::store::TesdetRecord>(FileId::tesdet);
        QCOMPARE(tesdet.size(), 1);
        QCOMPARE(int(tesdet[1].secs_used), answered * 7);
        QVERIFY(q.verbalShown());
    }

    // A whole test as a candidate takes it: Take Test, the directions, 37 Quantitative and
    // 41 Verbal answers, and the summary again; then every data file. Every Quantitative
    // answer has its running tick count, credits go by the level asked (nothing for Problem
    // Solving at 36 and 37), and the section loses half a point for its last question.
    void wholeTestThroughTheScreens()
    {
        DataFolder data;
        qb::Banks().write(data.path(), Form::Store);
        verbal_banks::Banks().write(data.path(), Form::Store);
        data.setStore(FileId::tesgiv, tesgivWith({false, false, false, false, false}));
        TestProgram run(data.path());
        QVERIFY(run.program.start());
        auto& screens = run.program.screens();
        QTest::mouseClick(child<QPushButton>(screens.loaded(ScreenId::Summary), "Command1"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(screens.loaded(ScreenId::Directions), "LABEL5"), Qt::LeftButton);

        QSet<QString> asked;
        double score = 0;
        auto* quant = run.screen<frm_quant>(ScreenId::Quant);
        QTest::mouseClick(child<QPushButton>(quant, "CMD_PROCEED"), Qt::LeftButton);
        for (int n = 1; n <= 37; ++n) {
            for (int tick = 0; tick < 5; ++tick)
                quant->Timer1_Timer();
            const auto& s = quant->section();
            asked << (s.mtype == "P" ? s.problem().q_id : s.dataSufficiency().q_id);
            const int key = s.mtype == "P" ? s.problem().ans_no : s.dataSufficiency().ans_no;
            const bool right = n % 4 != 0;
            if (right && !(s.mtype == "P" && n >= 36))
                score += 0.25 * s.mtarget_level + 0.5;
            QTest::mouseClick(child(quant, qPrintable(QString("rtfopt%1").arg(right ? key : key % 5 + 1))), Qt::LeftButton);
            QTest::mouseClick(child<QPushButton>(quant, "cmdnext"), Qt::LeftButton);
            QTest::mouseClick(child<QPushButton>(quant, "cmdConfirm"), Qt::LeftButton);
        }
        QCOMPARE(run.dialogs.asked.size(), 1);
        QCOMPARE(run.dialogs.asked[0].prompt, "Quantitative Section Over\r\nPress Ok to Continue");
        auto* verbal = run.screen<kaven::verbal::frm_verbal>(ScreenId::Verbal);
        QVERIFY(verbal && verbal->isVisible());
        QTest::mouseClick(child<QPushButton>(verbal, "CMD_PROCEED"), Qt::LeftButton);
        for (int n = 1; n <= 41; ++n) {
            verbal->Timer1_Timer();
            QTest::mouseClick(child(verbal, "txtoption1"), Qt::LeftButton);
            QTest::mouseClick(child<QPushButton>(verbal, "cmdnext"), Qt::LeftButton);
            QTest::mouseClick(child<QPushButton>(verbal, "cmdConfirm"), Qt::LeftButton);
        }
        auto* summary = run.screen<kaven::shell::frm_summary>(ScreenId::Summary);
        QVERIFY(summary && summary->isVisible());
        QCOMPARE(child<QPushButton>(summary, "Command1")->text(), "Take Test 2");

        // The store files hold the test.
        const auto tesdet = stored<FileId::tesdet>(data);
        QCOMPARE(tesdet.size(), 2);
        QCOMPARE(tesdet[1].section, "Quantitative");
        QCOMPARE(tesdet[1].secs_used, 37 * 5);
        QCOMPARE(tesdet[1].marks, std::int32_t(std::nearbyint(score - 0.5)));
        QCOMPARE(tesdet[2].section, "Verbal");
        const auto profile = stored<FileId::userprof>(data);
        QCOMPARE(profile.size(), 78);
        QSet<QString> recorded[2];
        for (const auto& answer : profile.records()) {
            QCOMPARE(answer.test_no, 1);
            recorded[answer.section == "Verbal"] << answer.q_id;
        }
        for (int n = 1; n <= 37; ++n) {
            QCOMPARE(profile[n].section, "Quantitative");
            QCOMPARE(profile[n].time_val, 10 * n);
            QCOMPARE(profile[n].q_type, QString(qb::fullPlan[n - 1]));
            QCOMPARE(profile[n].given_no == profile[n].ans_no, n % 4 != 0);
        }
        QCOMPARE(recorded[0], asked);
        QCOMPARE(recorded[1].size(), 41);
        QCOMPARE(usedIn<FileId::qpsmast>(data) + usedIn<FileId::qdsmast>(data), asked);
        QCOMPARE(usedIn<FileId::vsmast>(data) + usedIn<FileId::vrmast>(data) + usedIn<FileId::vcmast>(data),
                 recorded[1]);
        QCOMPARE(data.store(FileId::tesgiv), tesgivWith({true, false, false, false, false}));
        // The summary shows both sections of test 1.
        QVERIFY(child<QTextEdit>(summary, "rtf_summary")->toPlainText().contains("Quantitative"));
    }
};

QTEST_MAIN(TestFrmQuant)
#include "tst_frm_quant.moc"
