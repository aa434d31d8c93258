#include "screens.h"
#include "shell/directions_text.h"
#include "shell/frm_directions.h"
#include "shell/frm_summary.h"

#include <QLabel>
#include <QLockFile>
#include <QTextEdit>

#include <optional>

using kaven::shell::frm_summary;
using kaven::shell::frmDirections;
using kaven::ui::Answer;
using kaven::ui::ScreenId;

namespace {

const QByteArray firstSection = "1,\"Quantitative\",4500,1,#2026-11-01#\r\n";
const QByteArray oneAnswer = "\"QP001\",1,\"Quantitative\",2,2,40,\"P\",3,0\r\n";

// The program started on a store holding these tests-given and test-details files.
struct Started {
    DataFolder data;
    std::optional<TestProgram> run;
    bool ok = false;

    explicit Started(const QByteArray& tesgiv, const QByteArray& tesdet = {})
    {
        data.setStore(FileId::tesgiv, tesgiv);
        data.setStore(FileId::tesdet, tesdet);
        banks::Quant(1).write(data.path(), Form::Store);
        ok = run.emplace(data.path()).program.start();
    }
    frm_summary* summary() { return run->screen<frm_summary>(ScreenId::Summary); }
    kaven::session::ModuleState& state() { return run->program.state(); }
};

} // namespace

class TestFrmSummary : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    void nextTestOnTheButton_data()
    {
        QTest::addColumn<QByteArray>("tesgiv");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("currentTest");
        QTest::newRow("new series") << tesgivWith({false, false, false, false, false}) << "Take Test 1" << 1;
        QTest::newRow("1 and 3 taken") << tesgivWith({true, false, true, false, false}) << "Take Test 2" << 2;
        QTest::newRow("series over") << tesgivWith({true, true, true, true, true}) << "Test Series Over" << 0;
        QTest::newRow("empty tests-given file") << QByteArray() << "Test Series Over" << 0;
    }
    void nextTestOnTheButton()
    {
        QFETCH(QByteArray, tesgiv);
        QFETCH(int, currentTest);
        Started s(tesgiv);
        QVERIFY(s.ok && s.summary()->isVisible());
        auto* button = child<QPushButton>(s.summary(), "Command1");
        QTEST(button->text(), "caption");
        QCOMPARE(button->isEnabled(), currentTest > 0);
        QCOMPARE(int(s.state().CurrentTest), currentTest);
    }

    // While test 1 is not taken, every load starts the series afresh.
    void newSeriesEmptiesDetailsAndProfile()
    {
        DataFolder data;
        data.setStore(FileId::userprof, oneAnswer);
        data.setStore(FileId::tesgiv, tesgivWith({false, false}));
        data.setStore(FileId::tesdet, firstSection);
        TestProgram run(data.path());
        QVERIFY(run.program.start());
        QCOMPARE(data.working(FileId::tesdet), QByteArray());
        QCOMPARE(data.working(FileId::userprof), QByteArray());
        auto* summary = run.screen<frm_summary>(ScreenId::Summary);
        for (const char* hidden : {"rtf_summary", "Label1", "Label2"})
            QVERIFY(!child(summary, hidden)->isVisible());
        QVERIFY(child(summary, "Label4")->isVisible());
        QCOMPARE(summary->Label3Count(), 1);
    }

    void takeTestOncePerRun()
    {
        Started s(tesgivWith({true, false, false}));
        auto* summary = s.summary();
        click(summary, "Command1");
        QVERIFY(s.state().TestStarted);
        QCOMPARE(int(s.state().CurrentTest), 2);
        QVERIFY(s.run->screen<frmDirections>(ScreenId::Directions));
        QVERIFY(!summary->isVisible()); // the directions hide it, it stays loaded
        // Any later load of the summary in this run keeps the button disabled.
        s.run->program.screens().close(ScreenId::Directions);
        auto* again = static_cast<frm_summary*>(s.run->program.screens().open(ScreenId::Summary));
        QCOMPARE(child<QPushButton>(again, "Command1")->text(), "Take Test 2");
        QVERIFY(!child(again, "Command1")->isEnabled());
    }

    // A tests-given file that cannot be read when Take Test is clicked is reported and ends
    // the run; it is not passed over in silence.
    void takeTestOnAnUnreadableFile()
    {
        Started s(tesgivWith({false, false}));
        s.data.setWorking(FileId::tesgiv, "1,#FALSE#,#FALSE#\r\n2,\"two\",#FALSE#\r\n");
        click(s.summary(), "Command1");
        QVERIFY(!s.run->screen<frmDirections>(ScreenId::Directions));
        QCOMPARE(s.run->dialogs.asked.size(), 1);
        QVERIFY(s.run->dialogs.asked[0].prompt.contains("tesgivxq42.enc"));
        QCOMPARE(s.run->end.status(), 1);
    }

    void exit_data()
    {
        QTest::addColumn<bool>("titleBar");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("Exit, Yes") << false << Answer::Yes;
        QTest::newRow("Exit, No") << false << Answer::No;
        QTest::newRow("title bar, Yes") << true << Answer::Yes;
    }
    void exit()
    {
        QFETCH(bool, titleBar);
        QFETCH(Answer, answer);
        Started s(tesgivWith({true, false}), firstSection);
        s.data.setWorking(FileId::userprof, oneAnswer); // what the screens wrote since start-up
        QMap<FileId, QByteArray> working, store;
        for (const FileId id : visitingOrder) {
            working[id] = s.data.working(id);
            store[id] = s.data.store(id);
        }
        s.run->dialogs.answers = {answer};
        if (titleBar)
            s.summary()->close();
        else
            click(s.summary(), "Command3");
        const kaven::ui::Message question{"Do you really want to exit", "KAVEN Main Series", kaven::ui::Buttons::YesNo,
                                          kaven::ui::Icon::Exclamation};
        QCOMPARE(s.run->dialogs.asked, QList{question});
        const bool yes = answer == Answer::Yes;
        QCOMPARE(s.run->end.ended(), yes);
        QVERIFY(yes || s.summary()->isVisible());
        for (const FileId id : visitingOrder) {
            QCOMPARE(s.data.store(id), yes ? working[id] : store[id]);
            QCOMPARE(s.data.working(id), yes ? QByteArray("\r\n") : working[id]);
        }
    }

    // The directions show their text; the title bar asks the summary's Exit question; the
    // button opens the Quantitative section.
    void directions()
    {
        Started s(tesgivWith({false}));
        click(s.summary(), "Command1");
        auto* screen = s.run->screen<frmDirections>(ScreenId::Directions);
        QCOMPARE(child<QTextEdit>(screen, "rtf1")->toPlainText(), kaven::shell::directionsText().replace("\r\n", "\n"));
        screen->close();
        QCOMPARE(s.run->dialogs.titles(), QStringList{"KAVEN Main Series"});
        QVERIFY(screen->isVisible() && !s.run->end.ended());
        click(screen, "LABEL5");
        QVERIFY(!s.run->screen<frmDirections>(ScreenId::Directions) && !s.summary()->isVisible());
        QVERIFY(s.run->program.screens().loaded(ScreenId::Quant)->isVisible());
    }

    // A start-up that cannot go on says why once, ends with status 1 and writes no file.
    void startUpRefused_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("says");
        QTest::newRow("second copy") << "locked" << "The practice tests are already open in another window.";
        QTest::newRow("missing folder") << "gone" << "/gone cannot be written";
        QTest::newRow("broken store file") << "broken" << "tesgivxq42.dll\", line 2, field 2";
    }
    void startUpRefused()
    {
        QFETCH(QString, how);
        QFETCH(QString, says);
        DataFolder data;
        const QByteArray tesgiv = how == "broken" ? "1,#TRUE#,#FALSE#\r\n2,#MAYBE#,#FALSE#\r\n" : tesgivWith({false});
        data.setStore(FileId::tesgiv, tesgiv);
        QLockFile first(data.path() + "/kaven.lock");
        QVERIFY(how != "locked" || first.tryLock(0));
        TestProgram run(how == "gone" ? data.path() + "/gone" : data.path());
        QVERIFY(!run.program.start());
        QCOMPARE(run.dialogs.asked.size(), 1);
        QVERIFY2(run.dialogs.asked[0].prompt.contains(says), qPrintable(run.dialogs.asked[0].prompt));
        QCOMPARE(run.end.status(), 1);
        QVERIFY(!run.program.screens().loaded(ScreenId::Summary));
        for (const FileId id : visitingOrder)
            QVERIFY(!QFile::exists(data.file(id, Form::Working)));
        QCOMPARE(data.store(FileId::tesgiv), tesgiv);
    }
};

QTEST_MAIN(TestFrmSummary)
#include "tst_frm_summary.moc"
