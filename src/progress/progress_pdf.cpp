#include "progress/progress_pdf.h"

#include "progress/progress_charts.h"

#include <QAbstractTextDocumentLayout>
#include <QChart>
#include <QDate>
#include <QDir>
#include <QGraphicsScene>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include <memory>

namespace kaven::progress {

namespace {

// One cell of the type table: "right/answered, percent, seconds per answer".
QString cell(const TypeTally& t)
{
    if (t.answered == 0)
        return QStringLiteral("–");
    const std::optional<double> seconds = t.averageSeconds();
    return QStringLiteral("%1/%2 · %3%%4")
        .arg(t.right)
        .arg(t.answered)
        .arg(t.percentRight())
        .arg(seconds ? QStringLiteral(" · %1 s").arg(qRound(*seconds)) : QString());
}

QString typeTableHtml(const ProgressReport& report)
{
    QString html = QStringLiteral(
        "<p><b>By question type</b>: right/answered · percent right · seconds per answer</p>"
        "<table border='1' cellspacing='0' cellpadding='3' width='100%'><tr><th align='left'>Question type</th>"
        "<th>All tests</th>");
    for (const TestResult& test : report.tests)
        html += QStringLiteral("<th>Test %1</th>").arg(test.test);
    html += QStringLiteral("</tr>");
    QList<QuestionType> rows(knownTypes.begin(), knownTypes.end());
    if (tally(report.allTypes, QuestionType::Other).answered > 0)
        rows.append(QuestionType::Other);
    for (const QuestionType type : rows) {
        html += QStringLiteral("<tr><td>%1</td><td align='center'>%2</td>")
                    .arg(typeName(type), cell(tally(report.allTypes, type)));
        for (const TestResult& test : report.tests)
            html += QStringLiteral("<td align='center'>%1</td>").arg(cell(tally(test.types, type)));
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table><p><b>%1</b></p>").arg(report.weakestSentence.toHtmlEscaped());
}

// Draws text or a table at the top of `area`; returns the height it took.
qreal drawHtml(QPainter& painter, QPaintDevice& device, const QString& html, const QRectF& area, int points)
{
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    QFont font = document.defaultFont();
    font.setPointSize(points);
    document.setDefaultFont(font);
    document.setHtml(html);
    document.setTextWidth(area.width());
    painter.save();
    painter.translate(area.topLeft());
    document.drawContents(&painter);
    painter.restore();
    return document.size().height();
}

// Draws a chart into `area` as vectors; the chart is made for this drawing only.
void drawChart(QPainter& painter, QChart* chart, const QRectF& area)
{
    QGraphicsScene scene;
    scene.addItem(chart); // the scene owns it now
    chart->setGeometry(QRectF(QPointF(0, 0), area.size()));
    scene.render(&painter, area, QRectF(QPointF(0, 0), area.size()));
}

} // namespace

QString writeProgressPdf(const ProgressReport& report, const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("The progress report could not be saved in %1: %2").arg(shown, file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(96);
        writer.setTitle(QStringLiteral("KAVEN progress report"));
        writer.setCreator(QStringLiteral("KAVEN practice tests"));
        QPainter painter(&writer);
        const qreal width = writer.width();
        const qreal height = writer.height();
        qreal top = drawHtml(painter, writer,
                             QStringLiteral("<h2>Progress report</h2><p>%1</p>")
                                 .arg(QLocale().toString(QDate::currentDate(), QLocale::LongFormat)),
                             QRectF(0, 0, width, height), 10);
        drawChart(painter, trendChart(report), QRectF(0, top, width, 380));
        top += 400;
        drawHtml(painter, writer, typeTableHtml(report), QRectF(0, top, width, height - top), 8);

        for (const SectionRun& run : report.sections) {
            writer.newPage();
            qreal y = drawHtml(painter, writer,
                               QStringLiteral("<h3>Test %1, %2 section</h3><p>%3</p>")
                                   .arg(run.test)
                                   .arg(sectionName(run.section), sectionLine(run).toHtmlEscaped()),
                               QRectF(0, 0, width, height), 10);
            const qreal chartHeight = (height - y - 80) / 2;
            drawChart(painter, levelChart(&run), QRectF(0, y, width, chartHeight));
            y += chartHeight + 10;
            drawChart(painter, pacingChart(&run), QRectF(0, y, width, chartHeight));
            y += chartHeight + 10;
            drawHtml(painter, writer, QStringLiteral("<p>%1</p>").arg(slowSentence(run).toHtmlEscaped()),
                     QRectF(0, y, width, height - y), 10);
        }
        if (!painter.end())
            return QStringLiteral("The progress report could not be drawn into %1.").arg(shown);
    }
    if (!file.commit())
        return QStringLiteral("The progress report could not be saved in %1: %2").arg(shown, file.errorString());
    return {};
}

} // namespace kaven::progress
