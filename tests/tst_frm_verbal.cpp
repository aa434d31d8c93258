#include "shell/frm_summary.h"
#include "test_seams.h"
#include "ui/click_label.h"
#include "ui/twips_layout.h"
#include "verbal/frm_verbal.h"
#include "verbal_banks.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

#include <optional>

using namespace verbal_banks;
using kaven::shell::frm_summary;
using kaven::ui::Answer;
using kaven::ui::Message;
using kaven::ui::ScreenId;
using kaven::verbal::frm_verbal;

namespace {

// The program on a store of Verbal banks made in the test, test 1 taken, with the Verbal
// screen of test 2 opened on it.
struct VerbalRun {
    DataFolder data;
    std::optional<TestProgram> run;
    QPointer<frm_verbal> verbal;

    explicit VerbalRun(const Banks& banks = Banks())
    {
        banks.write(data.path(), Form::Store);
        data.setStore(FileId::tesgiv, tesgivWith({true, false, false, false, false}));
        run.emplace(data.path());
        if (run->program.start())
            verbal = static_cast<frm_verbal*>(run->program.screens().open(ScreenId::Verbal));
    }
    kaven::session::ModuleState& state() { return run->program.state(); }
    ScriptedDialogs& dialogs() { return run->dialogs; }
    template <class W = QWidget> W* ctl(const char* name) { return child<W>(verbal, name); }
    void click(const char* name) { QTest::mouseClick(ctl<QPushButton>(name), Qt::LeftButton); }
    void ticks(int n)
    {
        for (int k = 0; k < n && verbal; ++k)
            verbal->Timer1_Timer();
    }
    int key() const
    {
        const auto& s = verbal->section();
        return s.mtype == "S" ? s.sentence().ans_no
            : s.mtype == "R"  ? s.reasoning().ans_no
                              : s.compQuestion().ans_no;
    }
    // Chooses option k through its answer text, then Next and Confirm.
    void answer(int k)
    {
        QTest::mouseClick(ctl<kaven::ui::ClickLabel>(qPrintable(QString("txtoption%1").arg(k))), Qt::LeftButton);
        click("cmdnext");
        click("cmdConfirm");
    }
    void answerRight(int questions, int ticksEach, double* score = nullptr)
    {
        for (int q = 0; q < questions; ++q) {
            ticks(ticksEach);
            if (score)
                *score += 0.25 * verbal->section().mtarget_level + 0.25;
            answer(key());
        }
    }
    template <class R> RecordBuffer<R> working(FileId id)
    {
        RecordBuffer<R> buffer;
        loadFile(data.file(id, Form::Working), buffer);
        return buffer;
    }
    QStringList prompts() const
    {
        QStringList out;
        for (const Message& m : run->dialogs.asked)
            out << m.title + ": " + m.prompt;
        return out;
    }
};

template <class R> QSet<QString> usedIn(VerbalRun& v, FileId id)
{
    const auto bank = v.working<R>(id);
    QSet<QString> used;
    for (const R& q : bank.records())
        if (q.used)
            used.insert(q.q_id);
    return used;
}

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
        QVERIFY(v.verbal && v.verbal->isVisible());
        QCOMPARE(v.verbal->windowTitle(), "   Verbal Instructions");
        QVERIFY(v.ctl("rtf_instruct")->isVisible() && !v.ctl("cmdexit")->isVisible());
        v.click("CMD_PROCEED");
        QCOMPARE(v.ctl<QLabel>("lab_q_no")->text(), "Question No.  1 of 41 ");
        const QString sentence = v.ctl<QLabel>("RTFQ_DESC")->text();
        QVERIFY(sentence.contains("<u>were posted</u>") && !sentence.contains('{'));
        QVERIFY(!v.ctl<QPushButton>("cmdnext")->isEnabled());

        QTest::mouseClick(v.ctl("txtoption2"), Qt::LeftButton);
        QVERIFY(v.ctl<QRadioButton>("Option2")->isChecked());
        v.click("cmdnext");
        QVERIFY(v.ctl<QPushButton>("cmdConfirm")->isEnabled());
        // Choosing again after Next asks for Next again.
        QTest::mouseClick(v.ctl("txtoption4"), Qt::LeftButton);
        QVERIFY(!v.ctl<QPushButton>("cmdConfirm")->isEnabled());
        v.click("cmdhelp");
        QVERIFY(v.ctl("rtf_instruct")->isVisible() && !v.ctl("cmdendsection")->isVisible());
        v.click("CMD_PROCEED");
        QCOMPARE(v.ctl<QLabel>("RTFQ_DESC")->text(), sentence);
        QCOMPARE(int(v.verbal->section().mq_no), 1);
        v.click("cmdnext");
        v.ticks(3);
        const QString id = v.verbal->section().sentence().q_id;
        v.click("cmdConfirm");

        const auto profile = v.working<UserprofRecord>(FileId::userprof);
        QCOMPARE(profile.size(), 1);
        QCOMPARE(profile[1], (UserprofRecord{id, 2, "Verbal", 2, 4, 4, "S", 3, 0}));
        QCOMPARE(v.ctl<QLabel>("lab_q_no")->text(), "Question No :  2 of 41 ");
        QCOMPARE(v.verbal->windowTitle(), "  Critical Reasoning");
        QCOMPARE(int(v.verbal->ticksOnQuestion()), 0);
        QVERIFY(!v.ctl<QRadioButton>("Option4")->isChecked());
    }

    // All 41 questions: one profile record per answer in plan order, used flags on exactly
    // the questions asked, one test-details record, the store saved, the summary back.
    void wholeSection()
    {
        VerbalRun v;
        v.click("CMD_PROCEED");
        double score = 0;
        v.answerRight(41, 2, &score);

        QCOMPARE(v.prompts(), QStringList{"Good Luck:  Verbal Section Over \r\nClick Ok to Continue"});
        const auto profile = v.working<UserprofRecord>(FileId::userprof);
        QCOMPARE(profile.size(), 41);
        QSet<QString> asked;
        for (int k = 1; k <= 41; ++k) {
            const UserprofRecord& r = profile[k];
            QCOMPARE(r.q_type, fullPlan.mid(k - 1, 1));
            QVERIFY(r.test_no == 2 && r.section == "Verbal" && r.given_no == r.ans_no);
            QCOMPARE(r.time_val, k == 1 ? 3 : 2);
            asked.insert(r.q_id);
        }
        QCOMPARE(asked.size(), 41);
        QCOMPARE(usedIn<VsmastRecord>(v, FileId::vsmast) + usedIn<VrmastRecord>(v, FileId::vrmast)
                     + usedIn<VcmastRecord>(v, FileId::vcmast),
                 asked);
        int usedPassages = 0;
        const auto passages = v.working<ComdetRecord>(FileId::comdet);
        for (const auto& p : passages.records())
            usedPassages += p.used ? 1 : 0;
        QCOMPARE(usedPassages, 2); // the two passages of four

        const auto tesdet = v.working<TesdetRecord>(FileId::tesdet);
        QCOMPARE(tesdet.size(), 1);
        QCOMPARE(tesdet[1].secs_used, 82);
        QCOMPARE(tesdet[1].marks, int(std::nearbyint(score - 0.5)));
        QVERIFY(v.state().VerbalOver && v.state().QuantOver);
        for (FileId id : kaven::store::visitingOrder)
            QCOMPARE(v.data.store(id), v.data.working(id));
        QVERIFY(v.run->screen<frm_summary>(ScreenId::Summary)->isVisible());
        QVERIFY(!v.run->program.screens().loaded(ScreenId::Verbal));
    }

    // However the section ends, it is recorded once; time over while a question box is
    // open wins over the Yes that follows it.
    void sectionEndsOnce_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("answered");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QStringList>("titles");
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
        v.click("CMD_PROCEED");
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
                outlivesItsBox = !v.verbal.isNull();
            };
        v.dialogs().answers = {Answer::Yes};
        if (how.startsWith("end"))
            v.click("cmdendsection");
        else if (how.startsWith("exit"))
            v.click("cmdexit");
        else
            v.ticks(4500);
        QVERIFY(outlivesItsBox);
        v.ticks(10); // late ticks change nothing

        QStringList titles;
        for (const Message& m : v.dialogs().asked)
            titles << m.title;
        QTEST(titles, "titles");
        QVERIFY(!v.run->end.ended());
        const auto tesdet = v.working<TesdetRecord>(FileId::tesdet);
        QCOMPARE(tesdet.size(), 1);
        QTEST(int(tesdet[1].secs_used), "seconds");
        QCOMPARE(tesdet[1].marks, int(std::nearbyint(std::max(0.0, score - 0.5 * (41 - answered)))));
        QCOMPARE(v.data.store(FileId::tesdet), v.data.working(FileId::tesdet));
        QVERIFY(v.run->screen<frm_summary>(ScreenId::Summary)->isVisible());
    }

    // Exit (or the title-bar close) on Yes blanks every working copy and leaves the store
    // as it was; on No the section goes on.
    void exitLeavesNoTrace()
    {
        VerbalRun v;
        v.click("CMD_PROCEED");
        v.answerRight(3, 1);
        QMap<FileId, QByteArray> store;
        for (FileId id : kaven::store::visitingOrder)
            store[id] = v.data.store(id);
        v.verbal->close();
        QVERIFY(!v.run->end.ended() && v.verbal->isVisible());
        v.dialogs().answers = {Answer::Yes};
        v.click("cmdexit");
        QCOMPARE(v.run->end.status(), 0);
        QCOMPARE(v.dialogs().asked.size(), 2);
        QCOMPARE(v.dialogs().asked[1].prompt, "Are you sure, you want to Exit the Test?");
        for (FileId id : kaven::store::visitingOrder) {
            QCOMPARE(v.data.working(id), QByteArray("\r\n"));
            QCOMPARE(v.data.store(id), store[id]);
        }
    }

    void timerAndPause()
    {
        VerbalRun v;
        v.click("CMD_PROCEED");
        auto* timer = v.ctl<QLabel>("lab_timer");
        v.ticks(61);
        v.click("cmdtimer");
        v.ticks(1);
        QVERIFY(!timer->isVisible());
        v.click("cmdtimer");
        QVERIFY(timer->isVisible());
        QCOMPARE(timer->text(), "01:13:58");

        // The pause freezes the section clock; the question's seconds go on.
        v.dialogs().whileOpen = [&v](const Message&) { v.ticks(60); };
        v.click("cmdpause");
        QCOMPARE(int(v.state().VerbalSeconds), 62);
        QCOMPARE(int(v.verbal->ticksOnQuestion()), 123);
        QVERIFY(!v.verbal->paused());
        QCOMPARE(timer->text(), "01:13:58");
        v.ticks(1);
        QCOMPARE(timer->text(), "01:13:57");
        QCOMPARE(v.dialogs().asked[0].title, kaven::session::programTitle());
    }

    // The question label and the answers are laid out from the heights of their texts.
    void layout()
    {
        Banks banks;
        VrmastRecord& tall = banks.vrmast[19]; // the first Critical Reasoning question of level 4
        tall.tall_q = true;
        tall.stmt_1 = "One.";
        tall.stmt_3 = "Three.";
        for (auto& q : banks.vcmast.records()) // long questions make the passage view scroll
            q.q_text = QString("A long question about the passage. ").repeated(30);
        VerbalRun v(banks);
        v.click("CMD_PROCEED");
        auto* question = v.ctl<QLabel>("RTFQ_DESC");
        auto at = [&v](const char* name, int k) { return twips(v.ctl(qPrintable(QString(name) + QString::number(k)))); };
        auto checkAnswers = [&] {
            QCOMPARE(at("txtoption", 1).top(), twips(question).bottom() + 1 + 250);
            for (int k = 2; k <= 5; ++k)
                QCOMPARE(at("txtoption", k).top(), at("txtoption", k - 1).bottom() + 1 + 100);
            for (int k = 1; k <= 5; ++k)
                QCOMPARE(at("Option", k).top(), at("txtoption", k).top() - 10);
        };
        QCOMPARE(twips(question).top(), 450);
        checkAnswers();
        v.answerRight(1, 1); // question 2: Critical Reasoning at level 3
        QCOMPARE(twips(question).height(), 1455);
        v.answerRight(2, 1); // question 4: level 4 after three right answers
        QCOMPARE(v.verbal->section().reasoning().q_id, tall.q_id);
        QCOMPARE(twips(question).height(), 2200);
        QCOMPARE(v.verbal->questionText(), tall.q_text + "\r\nI.     One.\r\nIII.   Three.");
        checkAnswers();
        v.answerRight(2, 1); // question 6 opens a passage
        QCOMPARE(v.verbal->windowTitle(), "  Comprehension Reading");
        QVERIFY(v.ctl("rtf_comp")->isVisible());
        auto* bar = v.ctl<QScrollBar>("VScroll1");
        QVERIFY(bar->isVisible());
        bar->setValue(bar->maximum());
        QCOMPARE(at("txtoption", 5).bottom() + 1, 5200);
        bar->setValue(0);
        QCOMPARE(twips(question).top(), 50);
        checkAnswers();
    }

    // A bank that cannot serve says so once and ends the section as End Section does.
    void bankExhausted()
    {
        Banks banks(1, 1);
        for (auto& q : banks.vrmast.records())
            q.used = true;
        VerbalRun v(banks);
        v.click("CMD_PROCEED");
        v.answerRight(1, 1);
        QCOMPARE(v.prompts(), QStringList{"KAVEN Test Series: Please Update Your Question Bank"});
        const auto tesdet = v.working<TesdetRecord>(FileId::tesdet);
        QCOMPARE(tesdet.size(), 1);
        QCOMPARE(tesdet[1].marks, 0);
        QVERIFY(v.run->screen<frm_summary>(ScreenId::Summary)->isVisible());
    }
};

QTEST_MAIN(TestFrmVerbal)
#include "tst_frm_verbal.moc"
