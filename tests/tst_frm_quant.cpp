#include "quant/frm_quant.h"
#include "screens.h"
#include "ui/twips_layout.h"

#include <QLabel>
#include <QRadioButton>

#include <cmath>

using kaven::quant::frm_quant;
using kaven::ui::Answer;
using kaven::ui::ScreenId;

namespace {

// Full banks, test 1 about to begin, the Quantitative screen open.
struct QuantRun : SectionRun<frm_quant> {
    explicit QuantRun(const banks::Quant& bank = banks::Quant())
    {
        bank.write(data.path(), Form::Store);
        banks::Verbal().write(data.path(), Form::Store);
        data.setStore(FileId::tesgiv, tesgivWith({false, false, false, false, false}));
        open(ScreenId::Quant, 1);
    }
    int key() const
    {
        const auto& s = screen->section();
        return s.mtype == "P" ? s.problem().ans_no : s.dataSufficiency().ans_no;
    }
    void answerRight() { answer("rtfopt", key()); }
};

} // namespace

class TestFrmQuant : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    void chooseNextConfirm()
    {
        QuantRun q;
        QVERIFY(q.ctl("rtf_instruct")->isVisible() && !q.ctl("cmdConfirm")->isVisible());
        click(q.screen, "CMD_PROCEED");
        QCOMPARE(q.ctl<QLabel>("lab_q_no")->text(), "Question No : 1 of 37");
        QCOMPARE(q.ctl<QLabel>("rtf_qdesc")->text(), q.screen->section().problem().q_text);
        QCOMPARE(kaven::ui::twipsTop(q.ctl("rtfopt1")), 2840); // under a label at 840, 1800 high

        click(q.screen, "Label2");
        QVERIFY(q.ctl<QRadioButton>("Option2")->isChecked());
        QVERIFY(q.ctl("cmdnext")->isEnabled() && !q.ctl("cmdConfirm")->isEnabled());
        click(q.screen, "cmdnext");
        QVERIFY(q.ctl("cmdConfirm")->isEnabled());
        click(q.screen, "rtfopt4"); // choosing again asks for Next again
        QVERIFY(!q.ctl("cmdConfirm")->isEnabled() && q.ctl("cmdnext")->isEnabled());
        click(q.screen, "cmdtimer");
        QVERIFY(!q.ctl("lab_timer")->isVisible());
        q.ticks(3);
        click(q.screen, "cmdnext");
        click(q.screen, "cmdConfirm");
        // The answer with the section's tick count: two a second while the clock runs.
        const auto profile = q.data.load<FileId::userprof>(Form::Working);
        QCOMPARE(profile.size(), 1);
        QVERIFY(profile[1].given_no == 4 && profile[1].time_val == 6);
        QCOMPARE(q.ctl<QLabel>("lab_q_no")->text(), "Question No : 2 of 37");
        QVERIFY(!q.ctl<QRadioButton>("Option4")->isChecked() && !q.ctl("cmdConfirm")->isEnabled());
    }

    // The ends of a section before its last question each record it once and open the
    // Verbal section; time over while the End Section question is open wins over the Yes
    // that follows it, and the screen outlives the box it asked from.
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
        click(q.screen, "CMD_PROCEED");
        double score = 0;
        for (int n = 1; n <= 9; ++n) {
            q.ticks(10);
            score += 0.25 * q.screen->section().mtarget_level + 0.5;
            q.answerRight();
        }
        bool outlivesItsBox = true;
        if (how == "end+time")
            q.dialogs().whileOpen = [&q, &outlivesItsBox](const kaven::ui::Message& m) {
                if (m.title != "Section end" || q.dialogs().answers.empty())
                    return;
                q.ticks(4500);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                outlivesItsBox = !q.screen.isNull();
            };
        if (how.startsWith("end")) {
            click(q.screen, "cmdexitsection"); // No: the section goes on
            q.dialogs().answers = {Answer::Yes};
            click(q.screen, "cmdexitsection");
        } else {
            q.ticks(4500);
            QCOMPARE(q.ctl<QLabel>("lab_timer")->text(), "00:00:00");
        }
        QVERIFY(outlivesItsBox);
        q.ticks(10);
        QTEST(q.dialogs().titles(), "titles");
        const auto tesdet = q.data.load<FileId::tesdet>(Form::Working);
        QCOMPARE(tesdet.size(), 1);
        QTEST(int(tesdet[1].secs_used), "seconds");
        QCOMPARE(tesdet[1].marks, std::int32_t(std::nearbyint(std::max(0.0, score - 14)))); // 28 unconfirmed
        QVERIFY(q.data.load<FileId::tesgiv>(Form::Working)[1].taken);
        QVERIFY(q.shown(ScreenId::Verbal) && !q.run->end.ended());
    }

    // Exit, from its button or the title bar, asks first; Yes leaves without a trace.
    void exitLeavesNothing()
    {
        QuantRun q;
        click(q.screen, "CMD_PROCEED");
        q.answerRight();
        const QList<QByteArray> stores = q.data.stores();
        q.screen->close();
        QVERIFY(q.screen->isVisible() && !q.run->end.ended());
        QCOMPARE(q.dialogs().asked.last().prompt, "Are you sure you want to exit ");
        q.dialogs().answers = {Answer::Yes};
        click(q.screen, "cmdexit");
        QCOMPARE(q.run->end.status(), 0);
        QVERIFY(q.data.workingCopiesBlank());
        QCOMPARE(q.data.stores(), stores);
    }

    // While paused the clock and the section's seconds stand still; only the ticks of the
    // question go on, one a second.
    void pause()
    {
        QuantRun q;
        click(q.screen, "CMD_PROCEED");
        q.ticks(2);
        auto* timer = q.ctl<QLabel>("lab_timer");
        q.dialogs().whileOpen = [&q](const kaven::ui::Message&) { q.ticks(60); };
        click(q.screen, "cmdpause");
        QCOMPARE(int(q.state().QuantSeconds), 2);
        QCOMPARE(q.screen->ticks(), 64);
        QVERIFY(!q.screen->paused());
        QCOMPARE(timer->text(), "01:14:58");
        q.ticks(1);
        QCOMPARE(timer->text(), "01:14:57");
    }

    // Figures beside the question, with their letters: none on question 1; a tall question
    // without a figure widens the label, the next one with a figure narrows it again.
    void figuresAndLayout()
    {
        banks::Quant bank;
        bank.qtemp1 = banks::plan("PPDD");
        for (auto& p : bank.qpsmast.records())
            p.fig_id = 3;
        bank.qdsmast[37].tall_q = bank.qdsmast[38].tall_q = true; // the first two of level 4
        bank.qdsmast[38].fig_id = 2;
        QuantRun q(bank);
        click(q.screen, "CMD_PROCEED");
        const auto letters = [&q] {
            QStringList shown;
            for (const char* name : {"lab_A", "Lab_B", "Lab_C", "Lab_D", "Lab_o", "LAB_X"})
                if (q.ctl(name)->isVisible())
                    shown << q.ctl<QLabel>(name)->text();
            return shown.join(' ');
        };
        const auto size = [&q] { return kaven::ui::twipsGeometry(q.ctl("rtf_qdesc")).size(); };
        QVERIFY(letters().isEmpty() && q.screen->drawing().isEmpty());
        q.answerRight();
        QCOMPARE(letters(), "a b c d");
        // The figure is painted from the kept shapes whenever the screen is painted.
        const QImage shot = q.screen->grab().toImage();
        QVERIFY(qGray(shot.pixel(560, 21)) < 128 && qGray(shot.pixel(560, 60)) > 128);
        q.answerRight(); // question 3: tall, no figure
        QVERIFY(letters().isEmpty() && q.screen->drawing().isEmpty());
        QCOMPARE(size(), QSize(7500, 2400));
        QVERIFY(q.ctl<QLabel>("rtf_qdesc")->text().startsWith("Is x of QD400 positive?\n\n(1)  x > 1\n(2)  x^2 > 1"));
        q.answerRight(); // question 4: tall, figure 2
        QCOMPARE(letters(), "o x");
        QCOMPARE(size(), QSize(6915, 3000));
    }

    // A bank with nothing left at any level says so once and ends the section as End
    // Section would.
    void bankExhausted()
    {
        banks::Quant bank;
        for (auto& d : bank.qdsmast.records())
            d.used = true;
        QuantRun q(bank);
        click(q.screen, "CMD_PROCEED");
        q.ticks(7);
        q.answerRight();
        QCOMPARE(q.dialogs().asked.size(), 1);
        QCOMPARE(q.dialogs().asked[0].prompt, "Please Update Your Question Bank");
        const auto tesdet = q.data.load<FileId::tesdet>(Form::Working);
        QVERIFY(tesdet.size() == 1 && tesdet[1].secs_used == 7);
        QVERIFY(q.shown(ScreenId::Verbal));
    }
};

QTEST_MAIN(TestFrmQuant)
#include "tst_frm_quant.moc"
