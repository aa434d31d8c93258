#include "screens.h"
#include "shell/frm_summary.h"
#include "ui/twips_layout.h"
#include "verbal/frm_verbal.h"

#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

#include <cmath>

using kaven::shell::frm_summary;
using kaven::ui::Answer;
using kaven::ui::Message;
using kaven::ui::ScreenId;
using kaven::verbal::frm_verbal;

namespace {

// Verbal banks made in the test, test 1 taken, the Verbal screen of test 2 open.
struct VerbalRun : SectionRun<frm_verbal> {
    explicit VerbalRun(const banks::Verbal& bank = banks::Verbal())
    {
        bank.write(data.path(), Form::Store);
        data.setStore(FileId::tesgiv, tesgivWith({true, false, false, false, false}));
        open(ScreenId::Verbal, 2);
    }
    // Right answers, each after `ticksEach` seconds; their credits added to `score`.
    void answerRight(int questions, int ticksEach, double* score = nullptr)
    {
        for (int q = 0; q < questions; ++q) {
            ticks(ticksEach);
            const auto& s = screen->section();
            if (score)
                *score += 0.25 * s.mtarget_level + 0.25;
            answer("txtoption", s.mtype == "S" ? s.sentence().ans_no
                                : s.mtype == "R" ? s.reasoning().ans_no
                                                 : s.compQuestion().ans_no);
        }
    }
};

QRect twips(QWidget* w)
{
    return kaven::ui::twipsGeometry(w);
}

} // namespace

class TestFrmVerbal : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    void chooseNextConfirm()
    {
        VerbalRun v;
        QVERIFY(v.ctl("rtf_instruct")->isVisible() && !v.ctl("cmdexit")->isVisible());
        click(v.screen, "CMD_PROCEED");
        QCOMPARE(v.ctl<QLabel>("lab_q_no")->text(), "Question No.  1 of 41 ");
        const QString sentence = v.ctl<QLabel>("RTFQ_DESC")->text();
        QVERIFY(sentence.contains("<u>were posted</u>") && !sentence.contains('{'));
        QVERIFY(!v.ctl("cmdnext")->isEnabled());

        click(v.screen, "txtoption2");
        QVERIFY(v.ctl<QRadioButton>("Option2")->isChecked());
        click(v.screen, "cmdnext");
        QVERIFY(v.ctl("cmdConfirm")->isEnabled());
        click(v.screen, "txtoption4"); // choosing again asks for Next again
        QVERIFY(!v.ctl("cmdConfirm")->isEnabled());
        // Help shows the directions; back at the question, the answer chosen stands.
        click(v.screen, "cmdhelp");
        QVERIFY(v.ctl("rtf_instruct")->isVisible() && !v.ctl("cmdendsection")->isVisible());
        click(v.screen, "CMD_PROCEED");
        click(v.screen, "cmdnext");
        v.ticks(3);
        const QString id = v.screen->section().sentence().q_id;
        click(v.screen, "cmdConfirm");

        // The seconds on the question, counted from 1.
        const auto profile = v.data.load<FileId::userprof>(Form::Working);
        QCOMPARE(profile.size(), 1);
        QCOMPARE(profile[1], (UserprofRecord{id, 2, "Verbal", 2, 4, 4, "S", 3, 0}));
        QCOMPARE(v.ctl<QLabel>("lab_q_no")->text(), "Question No :  2 of 41 ");
        QCOMPARE(v.screen->windowTitle(), "  Critical Reasoning");
        QCOMPARE(int(v.screen->ticksOnQuestion()), 0);
        QVERIFY(!v.ctl<QRadioButton>("Option4")->isChecked());
    }

    // However the section ends, it is recorded once and saved; time over while a question
    // box is open wins over the Yes that follows it.
    void sectionEndsOnce_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("answered");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QStringList>("titles");
        // All right climbs to level 5 and empties it, so the draw falls back to another level:
        // the credit still goes by the level aimed at. End Section saves the store itself.
        QTest::newRow("all 41") << "" << 41 << 41 << QStringList{"Good Luck"};
        QTest::newRow("end section at 30") << "end" << 29 << 29 << QStringList{"Confirmation"};
        QTest::newRow("time over at 10") << "time" << 9 << 4500 << QStringList{"Time Over"};
        QTest::newRow("time over in End Section") << "end+time" << 9 << 4500 << QStringList{"Confirmation", "Time Over"};
        QTest::newRow("time over in Exit") << "exit+time" << 9 << 4500 << QStringList{"Confirmation", "Time Over"};
    }
    void sectionEndsOnce()
    {
        QFETCH(QString, how);
        QFETCH(int, answered);
        VerbalRun v;
        click(v.screen, "CMD_PROCEED");
        double score = 0;
        v.answerRight(answered, 1, &score);
        // A box's own event loop may delete screens closed meanwhile; the screen that asked
        // must outlive its box.
        bool outlivesItsBox = true;
        if (how.contains("+time"))
            v.dialogs().whileOpen = [&v, &outlivesItsBox](const Message& m) {
                if (m.title != "Confirmation")
                    return;
                v.ticks(4500);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                outlivesItsBox = !v.screen.isNull();
            };
        v.dialogs().answers = {Answer::Yes};
        if (how.startsWith("end"))
            click(v.screen, "cmdendsection");
        else if (how.startsWith("exit"))
            click(v.screen, "cmdexit");
        else if (how == "time")
            v.ticks(4500);
        QVERIFY(outlivesItsBox);
        v.ticks(10); // late ticks change nothing

        QTEST(v.dialogs().titles(), "titles");
        QVERIFY(!v.run->end.ended());
        const auto tesdet = v.data.load<FileId::tesdet>(Form::Working);
        QCOMPARE(tesdet.size(), 1);
        QTEST(int(tesdet[1].secs_used), "seconds");
        QCOMPARE(tesdet[1].marks, int(std::nearbyint(std::max(0.0, score - 0.5 * std::max(41 - answered, 1)))));
        for (const FileId id : visitingOrder)
            QCOMPARE(v.data.store(id), v.data.working(id));
        QVERIFY(v.shown(ScreenId::Summary) && !v.run->program.screens().loaded(ScreenId::Verbal));
    }

    // Exit (or the title-bar close) on Yes blanks every working copy and leaves the store
    // as it was; on No the section goes on.
    void exitLeavesNoTrace()
    {
        VerbalRun v;
        click(v.screen, "CMD_PROCEED");
        v.answerRight(3, 1);
        const QList<QByteArray> stores = v.data.stores();
        v.screen->close();
        QVERIFY(!v.run->end.ended() && v.screen->isVisible());
        v.dialogs().answers = {Answer::Yes};
        click(v.screen, "cmdexit");
        QCOMPARE(v.run->end.status(), 0);
        QCOMPARE(v.dialogs().asked[1].prompt, "Are you sure, you want to Exit the Test?");
        QVERIFY(v.data.workingCopiesBlank());
        QCOMPARE(v.data.stores(), stores);
    }

    void timerAndPause()
    {
        VerbalRun v;
        click(v.screen, "CMD_PROCEED");
        auto* timer = v.ctl<QLabel>("lab_timer");
        v.ticks(62);
        // The pause freezes the section clock; the question's seconds go on.
        v.dialogs().whileOpen = [&v](const Message&) { v.ticks(60); };
        click(v.screen, "cmdpause");
        QCOMPARE(int(v.state().VerbalSeconds), 62);
        QCOMPARE(int(v.screen->ticksOnQuestion()), 123);
        QVERIFY(!v.screen->paused());
        QCOMPARE(timer->text(), "01:13:58");
        v.ticks(1);
        QCOMPARE(timer->text(), "01:13:57");
    }

    // The question label and the answers are laid out from the heights of their texts.
    void layout()
    {
        banks::Verbal bank;
        VrmastRecord& tall = bank.vrmast[19]; // the first Critical Reasoning question of level 4
        tall.tall_q = true;
        tall.stmt_1 = "One.";
        tall.stmt_3 = "Three.";
        for (auto& q : bank.vcmast.records()) // long questions make the passage view scroll
            q.q_text = QString("A long question about the passage. ").repeated(30);
        VerbalRun v(bank);
        click(v.screen, "CMD_PROCEED");
        auto* question = v.ctl<QLabel>("RTFQ_DESC");
        auto at = [&v](const char* name, int k) { return twips(v.ctl(qPrintable(QString(name) + QString::number(k)))); };
        auto checkAnswers = [&] {
            QCOMPARE(at("txtoption", 1).top(), twips(question).bottom() + 1 + 250);
            for (int k = 2; k <= 5; ++k)
                QCOMPARE(at("txtoption", k).top(), at("txtoption", k - 1).bottom() + 1 + 100);
            for (int k = 1; k <= 5; ++k)
                QCOMPARE(at("Option", k).top(), at("txtoption", k).top() - 10);
        };
        v.answerRight(1, 1); // question 2: Critical Reasoning at level 3
        QCOMPARE(twips(question), QRect(twips(question).left(), 450, twips(question).width(), 1455));
        v.answerRight(2, 1); // question 4: level 4 after three right answers
        QCOMPARE(v.screen->section().reasoning().q_id, tall.q_id);
        QCOMPARE(twips(question).height(), 2200);
        QCOMPARE(v.screen->questionText(), tall.q_text + "\r\nI.     One.\r\nIII.   Three.");
        checkAnswers();
        v.answerRight(2, 1); // question 6 opens a passage
        QCOMPARE(v.screen->windowTitle(), "  Comprehension Reading");
        auto* bar = v.ctl<QScrollBar>("VScroll1");
        QVERIFY(v.ctl("rtf_comp")->isVisible() && bar->isVisible());
        bar->setValue(bar->maximum());
        QCOMPARE(at("txtoption", 5).bottom() + 1, 5200);
        bar->setValue(0);
        QCOMPARE(twips(question).top(), 50);
        checkAnswers();
    }

    // A bank that cannot serve says so once and ends the section as End Section does.
    void bankExhausted()
    {
        banks::Verbal bank(1, 1);
        for (auto& q : bank.vrmast.records())
            q.used = true;
        VerbalRun v(bank);
        click(v.screen, "CMD_PROCEED");
        v.answerRight(1, 1);
        QCOMPARE(v.dialogs().asked.size(), 1);
        QCOMPARE(v.dialogs().asked[0].prompt, "Please Update Your Question Bank");
        QCOMPARE(v.data.load<FileId::tesdet>(Form::Working).size(), 1);
        QVERIFY(v.shown(ScreenId::Summary));
    }
};

QTEST_MAIN(TestFrmVerbal)
#include "tst_frm_verbal.moc"
