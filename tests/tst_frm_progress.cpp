#include "progress/frm_progress.h"
#include "screens.h"
#include "shell/frm_summary.h"

#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QTableWidget>

#include <optional>

using kaven::progress::frm_progress;
using kaven::shell::frm_summary;
using kaven::ui::ScreenId;

namespace {

QByteArray answerLine(int test, const char* section, const char* type, int given, int time)
{
    return QStringLiteral("\"Q\",%1,\"%2\",1,%3,%4,\"%5\",3,0\r\n").arg(test).arg(section).arg(given).arg(time).arg(type).toLatin1();
}

// Two finished tests; test 1's Data Sufficiency answer took 250 s, over twice the pace.
struct Reported {
    DataFolder data;
    std::optional<TestProgram> run;

    explicit Reported(bool finished = true)
    {
        data.setStore(FileId::tesgiv, tesgivWith({finished, finished, false}));
        if (finished) {
            data.setStore(FileId::tesdet, "1,\"Quantitative\",4500,12,#2026-11-01#\r\n1,\"Verbal\",4500,20,#2026-11-01#\r\n"
                                          "2,\"Quantitative\",4400,15,#2026-11-02#\r\n2,\"Verbal\",4500,18,#2026-11-02#\r\n");
            data.setStore(FileId::userprof,
                          answerLine(1, "Quantitative", "P", 1, 200) + answerLine(1, "Quantitative", "D", 2, 700)
                              + answerLine(1, "Verbal", "S", 1, 50) + answerLine(1, "Verbal", "C", 3, 70)
                              + answerLine(2, "Quantitative", "P", 4, 100) + answerLine(2, "Verbal", "R", 1, 80));
        }
        run.emplace(data.path());
        if (!run->program.start())
            qFatal("the program did not start");
    }
    QPushButton* progressButton() { return child<QPushButton>(run->screen<frm_summary>(ScreenId::Summary), "cmdProgress"); }
    frm_progress* open()
    {
        QTest::mouseClick(progressButton(), Qt::LeftButton);
        return run->screen<frm_progress>(ScreenId::Progress);
    }
};

QStringList row(frm_progress* report, int r)
{
    auto* table = child<QTableWidget>(report, "tblTypes");
    QStringList cells;
    for (int c = 0; c < table->columnCount(); ++c)
        cells << table->item(r, c)->text();
    return cells;
}

QString text(frm_progress* report, const char* name)
{
    return child<QLabel>(report, name)->text();
}

} // namespace

class TestFrmProgress : public QObject {
    Q_OBJECT
private slots:
    void opensFromTheSummaryAndBack_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Back") << "cmdBack";
        QTest::newRow("title bar") << "close";
    }
    void opensFromTheSummaryAndBack()
    {
        QFETCH(QString, way);
        Reported r;
        QMap<FileId, QByteArray> files;
        for (const FileId id : visitingOrder)
            files[id] = r.data.working(id) + r.data.store(id);
        QPointer<frm_summary> summary = r.run->screen<frm_summary>(ScreenId::Summary);
        QVERIFY(r.progressButton()->isEnabled());
        frm_progress* report = r.open();
        QVERIFY(report && report->isVisible() && (summary.isNull() || !summary->isVisible()));

        QCOMPARE(row(report, 0), (QStringList{"Problem Solving", "2", "1", "50", "75"}));
        QCOMPARE(row(report, 1), (QStringList{"Data Sufficiency", "1", "0", "0", "250"}));
        QCOMPARE(row(report, 5), (QStringList{"All types", "6", "3", "50", "100"}));
        QCOMPARE(text(report, "lblWeakest"),
                 "Your weakest types are Data Sufficiency and Reading Comprehension, each with 0% right.");
        const auto score = child<QChartView>(report, "chartTrend")->chart()->series();
        auto* line = qobject_cast<QLineSeries*>(score.value(1));
        QVERIFY(line && line->name() == "Converted score");
        QCOMPARE(line->points(), (QList<QPointF>{{0, 430}, {1, 435}}));

        auto* typeTest = child<QComboBox>(report, "cboTypeTest");
        typeTest->setCurrentIndex(typeTest->findData(2));
        QCOMPARE(row(report, 0), (QStringList{"Problem Solving", "1", "0", "0", "50"}));
        // The latest section first; then test 1's Quantitative section, with its slow question.
        QVERIFY(text(report, "lblSection").startsWith("Test 2, Verbal section: 1 of 41 questions answered"));
        auto* test = child<QComboBox>(report, "cboTest");
        test->setCurrentIndex(test->findData(1));
        auto* section = child<QComboBox>(report, "cboSection");
        section->setCurrentIndex(section->findData(0));
        QCOMPARE(text(report, "lblSlow"), "More than twice the even pace (over 243 s): question 2.");

        if (way == "close")
            report->close();
        else
            QTest::mouseClick(child<QPushButton>(report, qPrintable(way)), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!r.run->program.screens().loaded(ScreenId::Progress) && summary.isNull());
        QVERIFY(r.run->screen<frm_summary>(ScreenId::Summary)->isVisible());
        QVERIFY(!r.run->end.ended() && r.run->dialogs.asked.isEmpty());
        for (const FileId id : visitingOrder)
            QCOMPARE(r.data.working(id) + r.data.store(id), files[id]);
    }

    // The whole report in a PDF: the first page, then one a finished section; a folder that
    // is not there is reported, not taken for a saved file.
    void savesAPdf()
    {
        Reported r;
        frm_progress* report = r.open();
        QTemporaryDir out;
        report->savePdf(out.filePath("report.pdf"));
        const QByteArray pdf = contentOf(out.filePath("report.pdf"));
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 5);
        report->savePdf(out.filePath("missing/report.pdf"));
        QCOMPARE(r.run->dialogs.asked.size(), 2);
        QCOMPARE(r.run->dialogs.asked[0].icon, kaven::ui::Icon::Information);
        QCOMPARE(r.run->dialogs.asked[1].icon, kaven::ui::Icon::Critical);
        QVERIFY(!QFile::exists(out.filePath("missing/report.pdf")));
    }

    void disabledBeforeAnySection()
    {
        Reported r(false);
        QVERIFY(!r.progressButton()->isEnabled());
    }

    void unreadableProfileIsNamed()
    {
        Reported r;
        r.data.setWorking(FileId::userprof, answerLine(1, "Verbal", "S", 1, 5) + "\"Q\",x1,\"Verbal\",1,1,5,\"S\",3,0\r\n");
        QTest::mouseClick(r.progressButton(), Qt::LeftButton);
        QVERIFY(r.run->end.ended());
        const QString message = r.run->dialogs.asked.value(0).prompt;
        QVERIFY2(message.contains("userprofxq42.enc") && message.contains("line 2") && message.contains("test_no"),
                 qPrintable(message));
    }
};

QTEST_MAIN(TestFrmProgress)
#include "tst_frm_progress.moc"
