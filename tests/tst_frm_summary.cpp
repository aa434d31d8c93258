#include "shell/directions_text.h"
#include "shell/frm_directions.h"
#include "shell/frm_summary.h"
#include "test_seams.h"
#include "ui/click_label.h"

#include <QApplication>
#include <QLabel>
#include <QLockFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

using kaven::shell::frm_summary;
using kaven::shell::frmDirections;
using kaven::store::FileId;
using kaven::store::Form;
using kaven::ui::Answer;
using kaven::ui::ScreenId;

namespace {

const QByteArray tenSections = [] {
    QByteArray bytes;
    for (int test = 1; test <= 5; ++test) {
        bytes += QByteArray::number(test) + ",\"Quantitative\",4500," + QByteArray::number(test)
            + ",#2026-11-0" + QByteArray::number(test) + "#\r\n";
        bytes += QByteArray::number(test) + ",\"Verbal\",2718,20,#2026-11-0"
            + QByteArray::number(test) + "#\r\n";
    }
    return bytes;
}();

const QByteArray oneAnswer = "\"QP001\",1,\"Quantitative\",2,2,40,\"P\",3,0\r\n";

template <class W> W* child(QWidget* screen, const char* name)
{
    W* widget = screen->findChild<W*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

} // namespace

class TestFrmSummary : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }

    void nextTestOnTheButton_data()
    {
        QTest::addColumn<QByteArray>("tesgiv");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("currentTest");
        QTest::newRow("new series") << tesgivWith({false, false, false, false, false})
                                    << "Take Test 1" << true << 1;
        QTest::newRow("1 and 3 taken") << tesgivWith({true, false, true, false, false})
                                       << "Take Test 2" << true << 2;
        QTest::newRow("series over") << tesgivWith({true, true, true, true, true})
                                     << "Test Series Over" << false << 0;
        QTest::newRow("empty tests-given file") << QByteArray() << "Test Series Over" << false << 0;
    }
    void nextTestOnTheButton()
    {
        QFETCH(QByteArray, tesgiv);
        QFETCH(QString, caption);
        QFETCH(bool, enabled);
        QFETCH(int, currentTest);
        DataFolder data;
        data.setStore(FileId::tesgiv, tesgiv);
        TestProgram run(data.path());
        QVERIFY(run.program.start());
        auto* summary = run.screen<frm_summary>(ScreenId::Summary);
        QVERIFY(summary && summary->isVisible());
        auto* button = child<QPushButton>(summary, "Command1");
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->isEnabled(), enabled);
        QCOMPARE(int(run.program.state().CurrentTest), currentTest);
    }

    // While test 1 is not taken, every load starts the series afresh.
    void newSeriesEmptiesDetailsAndProfile()
    {
        DataFolder data;
        data.setStore(FileId::tesgiv, tesgivWith({false, false}));
        data.setStore(FileId::tesdet, tenSections.left(tenSections.indexOf('\n') + 1));
        data.setStore(FileId::userprof, oneAnswer);
        TestProgram run(data.path());
        QVERIFY(run.program.start());
        QCOMPARE(data.working(FileId::tesdet), QByteArray());
        QCOMPARE(data.working(FileId::userprof), QByteArray());
        auto* summary = run.screen<frm_summary>(ScreenId::Summary);
        QVERIFY(!child<QTextEdit>(summary, "rtf_summary")->isVisible());
        QVERIFY(!child<QLabel>(summary, "Label1")->isVisible());
        QVERIFY(!child<QLabel>(summary, "Label2")->isVisible());
        QVERIFY(child<QLabel>(summary, "Label4")->isVisible());
        QCOMPARE(summary->Label3Count(), 1);
    }

    void takeTestOncePerRun()
    {
        DataFolder data;
        data.setStore(FileId::tesgiv, tesgivWith({true, false, false}));
        TestProgram run(data.path());
        QVERIFY(run.program.start());
        auto* summary = run.screen<frm_summary>(ScreenId::Summary);
        QTest::mouseClick(child<QPushButton>(summary, "Command1"), Qt::LeftButton);
        QVERIFY(run.program.state().TestStarted);
        QCOMPARE(int(run.program.state().CurrentTest), 2);
        QVERIFY(run.screen<frmDirections>(ScreenId::Directions));
        QVERIFY(!summary->isVisible()); // the directions hide it, it stays loaded
        QCOMPARE(child<QPushButton>(summary, "Command1")->toolTip(), "Click to Start Test 2");

        // Any later load of the summary in this run keeps the button disabled.
        run.program.screens().close(ScreenId::Directions);
        auto* again = static_cast<frm_summary*>(run.program.screens().open(ScreenId::Summary));
        QCOMPARE(child<QPushButton>(again, "Command1")->text(), "Take Test 2");
        QVERIFY(!child<QPushButton>(again, "Command1")->isEnabled());
    }

    void staleTakeTestClickIsIgnored()
    {
        DataFolder data;
        data.setStore(FileId::tesgiv, tesgivWith({false, false}));
        TestProgram run(data.path());
        QVERIFY(run.program.start());
        data.setWorking(FileId::tesgiv, tesgivWith({true, false}));
        auto* summary = run.screen<frm_summary>(ScreenId::Summary);
        QTest::mouseClick(child<QPushButton>(summary, "Command1"), Qt::LeftButton);
        QVERIFY(!run.screen<frmDirections>(ScreenId::Directions));
        QVERIFY(summary->isVisible());
        QVERIFY(run.dialogs.asked.isEmpty());
    }

    // A working copy that cannot be read is reported and ends the run; it is not
    // passed over in silence.
    void brokenWorkingCopyDuringTakeTest()
    {
        DataFolder data;
        data.setStore(FileId::tesgiv, tesgivWith({false, false}));
        TestProgram run(data.path());
        QVERIFY(run.program.start());
        data.setWorking(FileId::tesgiv, "1,#FALSE#,#FALSE#\r\n2,\"two\",#FALSE#\r\n");
        QTest::mouseClick(child<QPushButton>(run.screen<frm_summary>(ScreenId::Summary), "Command1"),
                          Qt::LeftButton);
        QCOMPARE(run.dialogs.asked.size(), 1);
        QVERIFY(run.dialogs.asked[0].prompt.contains("tesgivxq42.enc"));
        QCOMPARE(run.end.status(), 1);
        QVERIFY(!run.screen<frmDirections>(ScreenId::Directions));
    }

    void clickHereOpensTheReviewOfItsLine()
    {
        DataFolder data;
        data.setStore(FileId::tesgiv, tesgivWith({true, true, true, true, true}));
        data.setStore(FileId::tesdet, tenSections);
        TestProgram run(data.path());
        QVERIFY(run.program.start());
        for (int k = 1; k <= 10; ++k) {
            auto* summary = static_cast<frm_summary*>(run.program.screens().open(ScreenId::Summary));
            QCOMPARE(summary->Label3Count(), 11);
            QPointer<kaven::ui::ClickLabel> label = summary->Label3(k);
            QVERIFY(label->isVisible());
            QCOMPARE(label->text(), "Click Here");
            QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), label->mapToGlobal(QPointF(5, 5)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(label, &move);
            QVERIFY(label->font().underline());
            run.program.state().ReviewCorrect = 7;
            QTest::mouseClick(label, Qt::LeftButton);
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
            QCOMPARE(int(run.program.state().CurrentTest), (k + 1) / 2);
            QCOMPARE(run.program.state().SectionCode, k % 2 ? "Quantitative" : "Verbal");
            QCOMPARE(int(run.program.state().ReviewCorrect), 0);
            QVERIFY(!run.screen<frm_summary>(ScreenId::Summary));
            QVERIFY(run.program.screens().loaded(ScreenId::Explain)->isVisible());
        }
    }

    // Each Click Here label sits level with its line; each column starts under its heading.
    void summaryReadsAsATable()
    {
        DataFolder data;
        data.setStore(FileId::tesgiv, tesgivWith({true, true, true, true, true}));
        data.setStore(FileId::tesdet, tenSections);
        TestProgram run(data.path());
        QVERIFY(run.program.start());
        auto* summary = run.screen<frm_summary>(ScreenId::Summary);
        auto* text = child<QTextEdit>(summary, "rtf_summary");
        auto* header = child<QLabel>(summary, "Label2");
        const QFontMetricsF metrics(header->font());
        auto headingX = [&](const QString& heading) {
            return header->x() + metrics.horizontalAdvance(header->text().left(header->text().indexOf(heading)));
        };
        const QPointF origin = text->viewport()->mapTo(summary, QPoint(0, 0))
            + text->document()->begin().layout()->position();
        QTextBlock block = text->document()->begin();
        for (int record = 1; record <= 10; ++record, block = block.next()) {
            QTextLine line = block.layout()->lineAt(0);
            const qreal top = origin.y() + block.layout()->position().y()
                - text->document()->begin().layout()->position().y() + line.y();
            QVERIFY2(qAbs(top - summary->Label3(record)->y()) <= 1, qPrintable(block.text()));
            const QStringList cells = block.text().split('\t');
            const int time = block.text().indexOf(cells[cells.size() - 4]);
            const int date = block.text().lastIndexOf(cells.last());
            QCOMPARE(qRound(origin.x() + line.cursorToX(time)), qRound(headingX("Time Taken")));
            QCOMPARE(qRound(origin.x() + line.cursorToX(date)), qRound(headingX("Date")));
            if (record % 2 == 0) {
                block = block.next(); // the total line: its score under Marks
                const int score = block.text().lastIndexOf('\t') + 1;
                QCOMPARE(qRound(origin.x() + block.layout()->lineAt(0).cursorToX(score)),
                         qRound(headingX("Marks")));
            }
        }
        QCOMPARE(summary->summaryText().count("\r\n"), 15);
    }

    void exit_data()
    {
        QTest::addColumn<bool>("titleBar");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("Exit, Yes") << false << Answer::Yes;
        QTest::newRow("Exit, No") << false << Answer::No;
        QTest::newRow("title bar, Yes") << true << Answer::Yes;
        QTest::newRow("title bar, No") << true << Answer::No;
    }
    void exit()
    {
        QFETCH(bool, titleBar);
        QFETCH(Answer, answer);
        DataFolder data;
        data.setStore(FileId::tesgiv, tesgivWith({true, false}));
        data.setStore(FileId::tesdet, tenSections.left(tenSections.indexOf('\n') + 1));
        TestProgram run(data.path());
        QVERIFY(run.program.start());
        // What the screens of the run have written since start-up.
        data.setWorking(FileId::userprof, oneAnswer);
        QMap<FileId, QByteArray> working;
        QMap<FileId, QByteArray> store;
        for (FileId id : kaven::store::visitingOrder) {
            working[id] = data.working(id);
            store[id] = data.store(id);
        }
        auto* summary = run.screen<frm_summary>(ScreenId::Summary);
        run.dialogs.answers = {answer};
        if (titleBar)
            summary->close();
        else
            QTest::mouseClick(child<QPushButton>(summary, "Command3"), Qt::LeftButton);

        QCOMPARE(run.dialogs.asked.size(), 1);
        QCOMPARE(run.dialogs.asked[0], (kaven::ui::Message{"Do you really want to exit", "KAVEN Main Series",
                                                          kaven::ui::Buttons::YesNo, kaven::ui::Icon::Exclamation}));
        const bool yes = answer == Answer::Yes;
        QCOMPARE(run.end.ended(), yes);
        if (!yes)
            QVERIFY(summary->isVisible());
        for (FileId id : kaven::store::visitingOrder) {
            QCOMPARE(data.store(id), yes ? working[id] : store[id]);
            QCOMPARE(data.working(id), yes ? QByteArray("\r\n") : working[id]);
        }
    }

    void directions()
    {
        DataFolder data;
        data.setStore(FileId::tesgiv, tesgivWith({false}));
        TestProgram run(data.path());
        QVERIFY(run.program.start());
        QTest::mouseClick(child<QPushButton>(run.screen<frm_summary>(ScreenId::Summary), "Command1"), Qt::LeftButton);
        auto* screen = run.screen<frmDirections>(ScreenId::Directions);
        QVERIFY(screen && screen->isVisible());
        QCOMPARE(screen->windowTitle(), "   General Directions for KAVEN Diagnostic Test");
        auto* rtf1 = child<QTextEdit>(screen, "rtf1");
        QCOMPARE(rtf1->toPlainText(), kaven::shell::directionsText().replace("\r\n", "\n"));
        QVERIFY(kaven::shell::directionsText().startsWith("\r\nGENERAL DIRECTIONS\r\n\r\nThe Zentor Test"));

        QApplication::setActiveWindow(screen);
        QVERIFY(QTest::qWaitForWindowActive(screen));
        QCOMPARE(QApplication::focusWidget(), child<QTextEdit>(screen, "rtf2"));
        rtf1->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(screen, "LABEL5"));
        QTest::mouseClick(rtf1->viewport(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), child<QTextEdit>(screen, "rtf2"));

        // The title bar asks the summary's Exit question.
        screen->close();
        QCOMPARE(run.dialogs.asked.size(), 1);
        QCOMPARE(run.dialogs.asked[0].title, "KAVEN Main Series");
        QVERIFY(screen->isVisible() && !run.end.ended());

        QTest::mouseClick(child<QPushButton>(screen, "LABEL5"), Qt::LeftButton);
        QVERIFY(!run.screen<frmDirections>(ScreenId::Directions));
        QVERIFY(run.program.screens().loaded(ScreenId::Quant)->isVisible());
        QVERIFY(!run.screen<frm_summary>(ScreenId::Summary)->isVisible());
    }

    void secondCopyTouchesNothing()
    {
        DataFolder data;
        data.setStore(FileId::tesgiv, tesgivWith({false}));
        QLockFile first(data.path() + "/kaven.lock");
        QVERIFY(first.tryLock(0));
        TestProgram run(data.path());
        QVERIFY(!run.program.start());
        QCOMPARE(run.dialogs.asked, QList{kaven::app::alreadyOpenMessage()});
        QCOMPARE(run.dialogs.asked[0].prompt, "The practice tests are already open in another window.");
        QCOMPARE(run.end.status(), 1);
        for (FileId id : kaven::store::visitingOrder)
            QVERIFY(!QFile::exists(data.file(id, Form::Working)));
        QCOMPARE(data.store(FileId::tesgiv), tesgivWith({false}));
    }

    void brokenStoreFileStopsStartUp()
    {
        DataFolder data;
        data.setStore(FileId::tesgiv, "1,#TRUE#,#FALSE#\r\n2,#MAYBE#,#FALSE#\r\n");
        TestProgram run(data.path());
        QVERIFY(!run.program.start());
        QCOMPARE(run.dialogs.asked.size(), 1);
        const QString prompt = run.dialogs.asked[0].prompt;
        QVERIFY2(prompt.contains("tesgivxq42.dll") && prompt.contains("line 2")
                     && prompt.contains("field 2"), qPrintable(prompt));
        QCOMPARE(run.dialogs.asked[0].icon, kaven::ui::Icon::Critical);
        QCOMPARE(run.end.status(), 1);
        QVERIFY(!run.program.screens().loaded(ScreenId::Summary));
        for (FileId id : kaven::store::visitingOrder)
            QVERIFY(!QFile::exists(data.file(id, Form::Working)));
    }
};

QTEST_MAIN(TestFrmSummary)
#include "tst_frm_summary.moc"
