#include "shell/directions_text.h"
#include "shell/frm_directions.h"
#include "shell/frm_summary.h"
#include "quant_banks.h"
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

#include <optional>

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

// The program started on a store holding these tests-given and test-details files.
struct Started {
    DataFolder data;
    std::optional<TestProgram> run;
    bool ok = false;

    explicit Started(const QByteArray& tesgiv, const QByteArray& tesdet = {})
    {
        data.setStore(FileId::tesgiv, tesgiv);
        data.setStore(FileId::tesdet, tesdet);
        quant_banks::Banks(1).write(data.path(), Form::Store);
        ok = run.emplace(data.path()).program.start();
    }
    frm_summary* summary() { return run->screen<frm_summary>(ScreenId::Summary); }
    kaven::session::ModuleState& state() { return run->program.state(); }
};

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
        Started s(tesgiv);
        QVERIFY(s.ok && s.summary()->isVisible());
        auto* button = child<QPushButton>(s.summary(), "Command1");
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->isEnabled(), enabled);
        QCOMPARE(int(s.state().CurrentTest), currentTest);
    }

    // While test 1 is not taken, every load starts the series afresh.
    void newSeriesEmptiesDetailsAndProfile()
    {
        DataFolder data;
        data.setStore(FileId::userprof, oneAnswer);
        data.setStore(FileId::tesgiv, tesgivWith({false, false}));
        data.setStore(FileId::tesdet, tenSections.left(tenSections.indexOf('\n') + 1));
        TestProgram run(data.path());
        QVERIFY(run.program.start());
        QCOMPARE(data.working(FileId::tesdet), QByteArray());
        QCOMPARE(data.working(FileId::userprof), QByteArray());
        auto* summary = run.screen<frm_summary>(ScreenId::Summary);
        for (const char* hidden : {"rtf_summary", "Label1", "Label2"})
            QVERIFY(!child<QWidget>(summary, hidden)->isVisible());
        QVERIFY(child<QLabel>(summary, "Label4")->isVisible());
        QCOMPARE(summary->Label3Count(), 1);
    }

    void takeTestOncePerRun()
    {
        Started s(tesgivWith({true, false, false}));
        auto* summary = s.summary();
        QTest::mouseClick(child<QPushButton>(summary, "Command1"), Qt::LeftButton);
        QVERIFY(s.state().TestStarted);
        QCOMPARE(int(s.state().CurrentTest), 2);
        QVERIFY(s.run->screen<frmDirections>(ScreenId::Directions));
        QVERIFY(!summary->isVisible()); // the directions hide it, it stays loaded
        QCOMPARE(child<QPushButton>(summary, "Command1")->toolTip(), "Click to Start Test 2");

        // Any later load of the summary in this run keeps the button disabled.
        s.run->program.screens().close(ScreenId::Directions);
        auto* again = static_cast<frm_summary*>(s.run->program.screens().open(ScreenId::Summary));
        QCOMPARE(child<QPushButton>(again, "Command1")->text(), "Take Test 2");
        QVERIFY(!child<QPushButton>(again, "Command1")->isEnabled());
    }

    // A click whose caption no longer matches the tests-given file is ignored; a file that
    // cannot be read is reported and ends the run, it is not passed over in silence.
    void takeTestOnAChangedFile_data()
    {
        QTest::addColumn<QByteArray>("tesgiv");
        QTest::addColumn<int>("messages");
        QTest::newRow("test 1 taken meanwhile") << tesgivWith({true, false}) << 0;
        QTest::newRow("unreadable") << QByteArray("1,#FALSE#,#FALSE#\r\n2,\"two\",#FALSE#\r\n") << 1;
    }
    void takeTestOnAChangedFile()
    {
        QFETCH(QByteArray, tesgiv);
        QFETCH(int, messages);
        Started s(tesgivWith({false, false}));
        s.data.setWorking(FileId::tesgiv, tesgiv);
        QTest::mouseClick(child<QPushButton>(s.summary(), "Command1"), Qt::LeftButton);
        QVERIFY(!s.run->screen<frmDirections>(ScreenId::Directions));
        QCOMPARE(s.run->dialogs.asked.size(), messages);
        QCOMPARE(s.run->end.ended(), messages > 0);
        if (messages > 0) {
            QVERIFY(s.run->dialogs.asked[0].prompt.contains("tesgivxq42.enc"));
            QCOMPARE(s.run->end.status(), 1);
        }
    }

    void clickHereOpensTheReviewOfItsLine()
    {
        Started s(tesgivWith({true, true, true, true, true}), tenSections);
        for (int k = 1; k <= 10; ++k) {
            auto* summary = static_cast<frm_summary*>(s.run->program.screens().open(ScreenId::Summary));
            QCOMPARE(summary->Label3Count(), 11);
            QPointer<kaven::ui::ClickLabel> label = summary->Label3(k);
            QVERIFY(label->isVisible());
            QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), label->mapToGlobal(QPointF(5, 5)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(label, &move);
            QVERIFY(label->font().underline());
            s.state().ReviewCorrect = 7;
            QTest::mouseClick(label, Qt::LeftButton);
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
            QCOMPARE(int(s.state().CurrentTest), (k + 1) / 2);
            QCOMPARE(s.state().SectionCode, k % 2 ? "Quantitative" : "Verbal");
            QCOMPARE(int(s.state().ReviewCorrect), 0);
            QVERIFY(!s.summary());
            QVERIFY(s.run->program.screens().loaded(ScreenId::Explain)->isVisible());
        }
    }

    // Each Click Here label sits level with its line; each column starts under its heading.
    void summaryReadsAsATable()
    {
        Started s(tesgivWith({true, true, true, true, true}), tenSections);
        auto* summary = s.summary();
        auto* text = child<QTextEdit>(summary, "rtf_summary");
        auto* header = child<QLabel>(summary, "Label2");
        const QFontMetricsF metrics(header->font());
        auto headingX = [&](const QString& heading) {
            return qRound(header->x() + metrics.horizontalAdvance(header->text().left(header->text().indexOf(heading))));
        };
        const QPointF origin = text->viewport()->mapTo(summary, QPoint(0, 0))
            + text->document()->begin().layout()->position();
        auto xOf = [&](const QTextBlock& block, int position) {
            return qRound(origin.x() + block.layout()->lineAt(0).cursorToX(position));
        };
        QTextBlock block = text->document()->begin();
        for (int record = 1; record <= 10; ++record, block = block.next()) {
            const qreal top = origin.y() + block.layout()->position().y()
                - text->document()->begin().layout()->position().y();
            QVERIFY2(qAbs(top - summary->Label3(record)->y()) <= 1, qPrintable(block.text()));
            const QStringList cells = block.text().split('\t');
            QCOMPARE(xOf(block, block.text().indexOf(cells[cells.size() - 4])), headingX("Time Taken"));
            QCOMPARE(xOf(block, block.text().lastIndexOf(cells.last())), headingX("Date"));
            if (record % 2 == 0) {
                block = block.next(); // the total line: its score under Marks
                QCOMPARE(xOf(block, block.text().lastIndexOf('\t') + 1), headingX("Marks"));
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
        Started s(tesgivWith({true, false}), tenSections.left(tenSections.indexOf('\n') + 1));
        // What the screens of the run have written since start-up.
        s.data.setWorking(FileId::userprof, oneAnswer);
        QMap<FileId, QByteArray> working, store;
        for (FileId id : kaven::store::visitingOrder) {
            working[id] = s.data.working(id);
            store[id] = s.data.store(id);
        }
        s.run->dialogs.answers = {answer};
        if (titleBar)
            s.summary()->close();
        else
            QTest::mouseClick(child<QPushButton>(s.summary(), "Command3"), Qt::LeftButton);

        const kaven::ui::Message question{"Do you really want to exit", "KAVEN Main Series",
                                          kaven::ui::Buttons::YesNo, kaven::ui::Icon::Exclamation};
        QCOMPARE(s.run->dialogs.asked, QList{question});
        const bool yes = answer == Answer::Yes;
        QCOMPARE(s.run->end.ended(), yes);
        QVERIFY(yes || s.summary()->isVisible());
        for (FileId id : kaven::store::visitingOrder) {
            QCOMPARE(s.data.store(id), yes ? working[id] : store[id]);
            QCOMPARE(s.data.working(id), yes ? QByteArray("\r\n") : working[id]);
        }
    }

    void directions()
    {
        Started s(tesgivWith({false}));
        QTest::mouseClick(child<QPushButton>(s.summary(), "Command1"), Qt::LeftButton);
        auto* screen = s.run->screen<frmDirections>(ScreenId::Directions);
        QVERIFY(screen && screen->isVisible());
        QCOMPARE(screen->windowTitle(), "   General Directions for KAVEN Diagnostic Test");
        auto* rtf1 = child<QTextEdit>(screen, "rtf1");
        QCOMPARE(rtf1->toPlainText(), kaven::shell::directionsText().replace("\r\n", "\n"));

        QApplication::setActiveWindow(screen);
        QVERIFY(QTest::qWaitForWindowActive(screen));
        QCOMPARE(QApplication::focusWidget(), child<QTextEdit>(screen, "rtf2"));
        rtf1->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(screen, "LABEL5"));
        QTest::mouseClick(rtf1->viewport(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), child<QTextEdit>(screen, "rtf2"));

        // The title bar asks the summary's Exit question.
        screen->close();
        QCOMPARE(s.run->dialogs.asked.size(), 1);
        QCOMPARE(s.run->dialogs.asked[0].title, "KAVEN Main Series");
        QVERIFY(screen->isVisible() && !s.run->end.ended());

        QTest::mouseClick(child<QPushButton>(screen, "LABEL5"), Qt::LeftButton);
        QVERIFY(!s.run->screen<frmDirections>(ScreenId::Directions));
        QVERIFY(s.run->program.screens().loaded(ScreenId::Quant)->isVisible());
        QVERIFY(!s.summary()->isVisible());
    }

    void secondCopyTouchesNothing()
    {
        DataFolder data;
        data.setStore(FileId::tesgiv, tesgivWith({false}));
        QLockFile first(data.path() + "/kaven.lock");
        QVERIFY(first.tryLock(0));
        TestProgram run(data.path());
        QVERIFY(!run.program.start());
        QCOMPARE(run.dialogs.asked.size(), 1);
        QCOMPARE(run.dialogs.asked[0].prompt, "The practice tests are already open in another window.");
        QCOMPARE(run.end.status(), 1);
        for (FileId id : kaven::store::visitingOrder)
            QVERIFY(!QFile::exists(data.file(id, Form::Working)));
        QCOMPARE(data.store(FileId::tesgiv), tesgivWith({false}));
    }

    void folderWithoutLockIsNamed()
    {
        DataFolder data;
        const QString missing = data.path() + "/gone";
        TestProgram run(missing);
        QVERIFY(!run.program.start());
        QCOMPARE(run.dialogs.asked.size(), 1);
        QVERIFY2(run.dialogs.asked[0].prompt.contains(missing + " cannot be written"),
                 qPrintable(run.dialogs.asked[0].prompt));
        QCOMPARE(run.end.status(), 1);
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
