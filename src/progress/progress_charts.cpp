#include "progress/progress_charts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QLegend>
#include <QLegendMarker>
#include <QChart>
#include <QLineSeries>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace kaven::progress {

namespace {

const QColor quantColour(74, 120, 176);
const QColor verbalColour(120, 170, 90);
const QColor scoreColour(200, 90, 30);
const QColor rightColour(46, 125, 50);
const QColor wrongColour(198, 40, 40);
const QColor paceColour(90, 90, 90);

// The next multiple of `step` at or above value.
double roundUp(double value, double step)
{
    return std::ceil(value / step) * step;
}

QChart* newChart(const QString& title)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    QFont font = chart->titleFont();
    font.setBold(true);
    chart->setTitleFont(font);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    return chart;
}

QValueAxis* valueAxis(const QString& title, double low, double high)
{
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setRange(low, high);
    axis->setLabelFormat(QStringLiteral("%d"));
    return axis;
}

// Ticks at anchor, anchor + interval, … within the range.
void tickEvery(QValueAxis* axis, double anchor, double interval)
{
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(anchor);
    axis->setTickInterval(interval);
}

QLineSeries* level(const QString& name, double y, double from, double to, const QColor& colour, Qt::PenStyle style)
{
    auto* line = new QLineSeries;
    line->setName(name);
    line->append(from, y);
    line->append(to, y);
    line->setPen(QPen(colour, 1.5, style));
    return line;
}

QString sectionTitle(const QString& what, const SectionRun* run)
{
    if (!run)
        return what;
    return QStringLiteral("%1: test %2, %3").arg(what).arg(run->test).arg(sectionName(run->section));
}

} // namespace

QChart* trendChart(const ProgressReport& report)
{
    QChart* chart = newChart(QStringLiteral("Score trend"));
    auto* quant = new QBarSet(quantMarksName);
    auto* verbal = new QBarSet(verbalMarksName);
    quant->setColor(quantColour);
    verbal->setColor(verbalColour);
    auto* score = new QLineSeries;
    score->setName(scoreName);
    score->setPen(QPen(scoreColour, 2.5));
    score->setPointsVisible(true);
    score->setPointLabelsVisible(true);
    score->setPointLabelsFormat(QStringLiteral("@yPoint"));
    score->setPointLabelsClipping(false);
    QStringList tests;
    int highestMarks = 0;
    int highestScore = 0;
    for (int test = 1; test <= 5; ++test) {
        tests << QStringLiteral("Test %1").arg(test);
        const auto found = std::find_if(report.tests.begin(), report.tests.end(),
                                        [test](const TestResult& r) { return r.test == test; });
        const TestResult none;
        const TestResult& result = found == report.tests.end() ? none : *found;
        quant->append(result.quantMarks.value_or(0));
        verbal->append(result.verbalMarks.value_or(0));
        highestMarks = std::max({highestMarks, result.quantMarks.value_or(0), result.verbalMarks.value_or(0)});
        if (const std::optional<int> converted = result.score()) {
            score->append(test - 1, *converted);
            highestScore = std::max(highestScore, *converted);
        }
    }
    auto* bars = new QBarSeries;
    bars->append(quant);
    bars->append(verbal);
    chart->addSeries(bars);
    chart->addSeries(score);

    auto* x = new QBarCategoryAxis;
    x->append(tests);
    chart->addAxis(x, Qt::AlignBottom);
    QValueAxis* marks = valueAxis(QStringLiteral("Marks"), 0, roundUp(std::max(highestMarks, 10) * 1.1, 10));
    tickEvery(marks, 0, marks->max() > 40 ? 10 : 5);
    chart->addAxis(marks, Qt::AlignLeft);
    QValueAxis* scores = valueAxis(scoreName, 200, roundUp(std::max(highestScore + 40, 600), 100));
    tickEvery(scores, 200, 100);
    chart->addAxis(scores, Qt::AlignRight);
    bars->attachAxis(x);
    bars->attachAxis(marks);
    score->attachAxis(x);
    score->attachAxis(scores);
    return chart;
}

QChart* levelChart(const SectionRun* run)
{
    QChart* chart = newChart(sectionTitle(QStringLiteral("Difficulty path"), run));
    auto* path = new QLineSeries;
    path->setPen(QPen(paceColour, 1.2));
    auto* right = new QScatterSeries;
    right->setName(rightName);
    right->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    right->setMarkerSize(10);
    right->setColor(rightColour);
    right->setBorderColor(rightColour.darker());
    auto* wrong = new QScatterSeries;
    wrong->setName(wrongName);
    wrong->setMarkerShape(QScatterSeries::MarkerShapeRotatedRectangle);
    wrong->setMarkerSize(12);
    wrong->setColor(wrongColour);
    wrong->setBorderColor(wrongColour.darker());
    int lowest = 1;
    int highest = 5;
    if (run)
        for (const Answer& answer : run->answers) {
            path->append(answer.number, answer.level);
            (answer.right ? right : wrong)->append(answer.number, answer.level);
            lowest = std::min(lowest, answer.level);
            highest = std::max(highest, answer.level);
        }
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{path, right, wrong})
        chart->addSeries(series);
    chart->legend()->markers(path).first()->setVisible(false);
    // Right and wrong answers differ by shape too, in the legend as on the plot.
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);

    const int questions = run ? std::max(run->questions(), int(run->answers.size())) : 41;
    QValueAxis* x = valueAxis(QStringLiteral("Question"), 0.5, questions + 0.5);
    tickEvery(x, 5, 5);
    QValueAxis* y = valueAxis(QStringLiteral("Level"), lowest - 0.5, highest + 0.5);
    tickEvery(y, 1, 1);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    return chart;
}

QChart* pacingChart(const SectionRun* run)
{
    QChart* chart = newChart(sectionTitle(QStringLiteral("Pacing"), run));
    auto* seconds = new QBarSet(secondsName);
    auto* slow = new QBarSet(slowName);
    seconds->setColor(quantColour);
    slow->setColor(scoreColour);
    QStringList numbers;
    double highest = 0;
    const double pace = run ? run->pace() : evenPace(Section::Verbal);
    if (run) {
        for (const Answer& answer : run->answers) {
            numbers << QString::number(answer.number);
            const bool over = answer.seconds > 2 * pace;
            seconds->append(over ? 0 : answer.seconds);
            slow->append(over ? answer.seconds : 0);
            highest = std::max(highest, answer.seconds);
        }
        // A section that ended early keeps its full width: the questions never confirmed
        // stand empty at the end.
        while (numbers.size() < run->questions())
            numbers << QString::number(numbers.size() + 1);
    }
    auto* bars = new QStackedBarSeries;
    bars->append(seconds);
    bars->append(slow);
    bars->setBarWidth(0.8);
    chart->addSeries(bars);
    const int count = std::max<int>(int(numbers.size()), 1);
    QLineSeries* even = level(QStringLiteral("Even pace (%1 s)").arg(qRound(pace)), pace, 0.5, count + 0.5,
                              paceColour, Qt::DashLine);
    QLineSeries* twice = level(QStringLiteral("Twice the pace"), 2 * pace, 0.5, count + 0.5, scoreColour, Qt::DotLine);
    chart->addSeries(even);
    chart->addSeries(twice);

    // The bars stand on a hidden category axis, one category a question; the numbers shown
    // come from a value axis over the same span, which can space its ticks.
    auto* categories = new QBarCategoryAxis;
    categories->append(numbers.isEmpty() ? QStringList{QString()} : numbers);
    categories->setVisible(false);
    QValueAxis* x = valueAxis(QStringLiteral("Question"), 0.5, count + 0.5);
    tickEvery(x, 5, 5);
    QValueAxis* y = valueAxis(QStringLiteral("Seconds"), 0, roundUp(std::max(highest, 2 * pace) * 1.1, 60));
    tickEvery(y, 0, 60);
    chart->addAxis(categories, Qt::AlignBottom);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    bars->attachAxis(categories);
    for (QAbstractSeries* series : chart->series()) {
        if (series != bars)
            series->attachAxis(x);
        series->attachAxis(y);
    }
    return chart;
}

} // namespace kaven::progress
