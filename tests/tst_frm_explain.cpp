#include "review/frm_explain.h"
#include "review/review_tables.h"
#include "rules/underline_marker.h"
#include "screens.h"
#include "shell/frm_summary.h"
#include "ui/click_label.h"
#include "ui/twips.h"

#include <QAccessible>
#include <QLabel>
#include <QTextEdit>

#include <optional>

using kaven::review::frm_Explain;
using kaven::shell::frm_summary;
using kaven::ui::ScreenId;
using kaven::ui::px;

namespace {

QByteArray profileLine(const QByteArray& id, int test, const QByteArray& section, int right,
                       int given, const QByteArray& type)
{
    return "\"" + id + "\"," + QByteArray::number(test) + ",\"" + section + "\","
        + QByteArray::number(right) + "," + QByteArray::number(given) + ",40,\"" + type + "\",3,0\r\n";
}

// Test 1 with an answer a section; test 2's Quantitative section full, 25 of 37 right
// (every second of the first 24 wrong), its Verbal section three answers.
const QByteArray userprof = [] {
    QByteArray bytes = profileLine("QP1", 1, "Quantitative", 2, 2, "P")
        + profileLine("VS1", 1, "Verbal", 2, 2, "S");
    for (int j = 1; j <= 37; ++j)
        bytes += profileLine("QP" + QByteArray::number(j), 2, "Quantitative", 2,
                             j % 2 == 0 && j <= 24 ? 4 : 2, "P");
    return bytes + profileLine("VS1", 2, "Verbal", 2, 2, "S") + profileLine("VC1", 2, "Verbal", 1, 3, "C")
        + profileLine("VC404", 2, "Verbal", 4, 1, "C");
}();

const QByteArray tesdet = "1,\"Quantitative\",4500,5,#2026-11-01#\r\n1,\"Verbal\",4500,4,#2026-11-01#\r\n"
                          "2,\"Quantitative\",4400,15,#2026-11-02#\r\n2,\"Verbal\",4500,1,#2026-11-02#\r\n";

// The program started on this store, its summary showing tests 1 and 2.
struct Reviewed {
    DataFolder data;
    std::optional<TestProgram> run;

    Reviewed()
    {
        data.setStore(FileId::tesgiv, tesgivWith({true, true, false}));
        data.setStore(FileId::tesdet, tesdet);
        data.setStore(FileId::userprof, userprof);
        data.setStore(FileId::vsmast, "\"VS1\",\"The box of  letters {were  found} here.\",\"were found\",\"\",\"was found\",\"are found\",\"be found\",\"found\",1,2,#TRUE#,\"Singular.\",0\r\n");
        data.setStore(FileId::vcmast, "\"VC1\",\"The passage is about\",\"bees\",\"ants\",\"wasps\",\"moths\",\"flies\",0,1,7,#TRUE#,\"Bees.\",\"\",\"\",\"\",\"\",\"\"\r\n");
        data.setStore(FileId::comdet, "7,\"Bees keep the brood warm.\r\nIn summer they fan.\",1,#TRUE#,1\r\n");
        run.emplace(data.path());
        if (!run->program.start())
            qFatal("the program did not start");
    }
    frm_summary* summary() { return run->screen<frm_summary>(ScreenId::Summary); }
    frm_Explain* open(int line)
    {
        QTest::mouseClick(summary()->Label3(line), Qt::LeftButton);
        return run->screen<frm_Explain>(ScreenId::Explain);
    }
};

} // namespace

class TestFrmExplain : public QObject {
    Q_OBJECT
private slots:
    // Opened from a real summary: the score sheet, then back to a summary loaded afresh.
    void backToAFreshSummary_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Back") << "cmdback1";
        QTest::newRow("Back to Score Sheet") << "cmdhome";
        QTest::newRow("title bar") << "close";
    }
    void backToAFreshSummary()
    {
        QFETCH(QString, way);
        Reviewed r;
        QMap<FileId, QByteArray> files;
        for (const FileId id : visitingOrder)
            files[id] = r.data.working(id);
        QPointer<frm_summary> summary = r.summary();
        r.run->program.state().ReviewCorrect = 3; // the summary's click sets it to 0
        // A screen reader names each line's link by what it opens; Space opens it.
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(QAccessible::queryAccessibleInterface(summary->Label3(k))->text(QAccessible::Name), QStringLiteral("Review test %1, %2 section").arg((k + 1) / 2).arg(k % 2 ? "Quantitative" : "Verbal"));
        QTest::keyClick(summary->Label3(3), Qt::Key_Space);
        frm_Explain* review = r.run->screen<frm_Explain>(ScreenId::Explain);
        QVERIFY(review && review->isVisible() && (summary.isNull() || !summary->isVisible()));
        // Test 2's Quantitative section: 37 buttons, 12 of them red and struck through.
        QCOMPARE(review->cmdQnoCount(), 38);
        QCOMPARE(child<QLabel>(review, "lblattempted")->text(), "Questions Attempted : 37");
        QCOMPARE(child<QLabel>(review, "lblright_ans")->text(), "Correct Answers       : 25");
        QCOMPARE(int(r.run->program.state().ReviewCorrect), 25);
        int red = 0;
        for (int k = 1; k <= 37; ++k) {
            QPushButton* button = review->cmdQno(k);
            const bool wrong = button->palette().color(QPalette::Button) == QColor(255, 0, 0);
            QVERIFY(button->isVisible() && button->text() == QString::number(k) && button->font().strikeOut() == wrong);
            QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), QStringLiteral("Question %1, %2").arg(k).arg(wrong ? "wrong" : "right"));
            red += wrong;
        }
        QCOMPARE(red, 12);
        // 24 buttons a row, 375 twips apart; the next row 400 lower.
        QCOMPARE(review->cmdQno(24)->pos(), QPoint(px(9125), px(300)));
        QCOMPARE(review->cmdQno(25)->pos(), QPoint(px(500), px(700)));
        QCOMPARE(review->cmdQno(1)->toolTip(), "Problem Solving");

        if (way == "close")
            review->close();
        else
            QTest::mouseClick(child<QPushButton>(review, qPrintable(way)), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!r.run->program.screens().loaded(ScreenId::Explain) && summary.isNull());
        QVERIFY(r.summary() && r.summary()->isVisible());
        QCOMPARE(r.summary()->Label3Count(), 5);
        QVERIFY(!r.run->end.ended() && r.run->dialogs.asked.isEmpty());
        // The review reads the data files and writes none of them.
        for (const FileId id : visitingOrder)
            QCOMPARE(r.data.working(id), files[id]);
    }

    void showsTheAnswerClicked_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<bool>("passage");
        QTest::newRow("Sentence Correction") << QList<int>{1} << false;
        QTest::newRow("Reading Comprehension") << QList<int>{1, 2} << true;
        QTest::newRow("gone, after a passage") << QList<int>{2, 3} << false;
    }
    void showsTheAnswerClicked()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(bool, passage);
        Reviewed r;
        frm_Explain* review = r.open(4);
        auto* question = child<QTextEdit>(review, "rtf_q_explain");
        auto* comp = child<QTextEdit>(review, "rtf_comp");
        for (int k : clicks)
            QTest::mouseClick(review->cmdQno(k), Qt::LeftButton);

        kaven::review::ReviewTables tables;
        kaven::review::loadReviewTables(r.data.path(), tables);
        const int index = 39 + clicks.last();
        const auto shown = kaven::review::explainAnswer(tables, index, clicks.last());
        QCOMPARE(review->ReviewId(), tables.userprof[index].q_id);
        QVERIFY(question->isVisible());
        // The candidate reads the text as built, blanks and all, but never the braces.
        QCOMPARE(question->toPlainText(),
                 kaven::rules::withoutUnderlineMarker(shown.text.text()).replace("\r\n", "\n"));
        QCOMPARE(comp->isVisible(), passage);
        if (passage)
            QCOMPARE(comp->toPlainText(), "Bees keep the brood warm.\nIn summer they fan.");
        // The question beside the passage, or across the screen without one.
        QCOMPARE(question->x(), px(passage ? 4700 : 300));
        if (shown.underlined) {
            auto underlinedAt = [&](const QString& part) {
                QTextCursor cursor(question->document());
                cursor.setPosition(int(question->toPlainText().indexOf(part)) + 1);
                return cursor.charFormat().fontUnderline();
            };
            QVERIFY(underlinedAt("were  found") && !underlinedAt("The box") && !underlinedAt("(A) were"));
        }
    }

};

QTEST_MAIN(TestFrmExplain)
#include "tst_frm_explain.moc"
