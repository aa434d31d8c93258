#include "progress/frm_progress.h"

#include "progress/progress_charts.h"
#include "progress/progress_pdf.h"

#include <QChartView>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace kaven::progress {

namespace {

QChartView* chartView(const char* name, QWidget* parent)
{
    auto* view = new QChartView(parent);
    view->setObjectName(QLatin1String(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(420, 260);
    return view;
}

// Replaces the chart a view shows; the view owns the old one and deletes it.
void showChart(QChartView* view, QChart* chart)
{
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}

QLabel* label(const char* name, QWidget* parent)
{
    auto* shown = new QLabel(parent);
    shown->setObjectName(QLatin1String(name));
    shown->setWordWrap(true);
    shown->setTextFormat(Qt::PlainText);
    return shown;
}

QComboBox* combo(const char* name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
}

// A caption whose mnemonic moves the focus to `buddy`.
QLabel* caption(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* shown = new QLabel(text, parent);
    shown->setBuddy(buddy);
    return shown;
}

} // namespace

frm_progress::frm_progress(session::Context& context) : Screen(context.screens), context_(context)
{
    setObjectName(QStringLiteral("frm_progress"));
    setWindowTitle(QStringLiteral("KAVEN Progress Report"));
    resize(1180, 820);
    buildControls();
}

void frm_progress::buildControls()
{
    auto* grid = new QGridLayout(this);
    auto* title = new QLabel(QStringLiteral("Progress Report"), this);
    QFont big = title->font();
    big.setPointSize(15);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    grid->addWidget(title, 0, 0, 1, 2);

    chartTrend = chartView("chartTrend", this);
    grid->addWidget(chartTrend, 1, 0);

    auto* types = new QVBoxLayout;
    auto* typesRow = new QHBoxLayout;
    cboTypeTest = combo("cboTypeTest", this);
    typesRow->addWidget(caption(QStringLiteral("Answers by question type, &of:"), cboTypeTest, this));
    typesRow->addWidget(cboTypeTest);
    typesRow->addStretch();
    types->addLayout(typesRow);
    tblTypes = new QTableWidget(0, 5, this);
    tblTypes->setObjectName(QStringLiteral("tblTypes"));
    tblTypes->setHorizontalHeaderLabels({QStringLiteral("Question type"), QStringLiteral("Answered"),
                                         QStringLiteral("Right"), QStringLiteral("% right"),
                                         QStringLiteral("Seconds per answer")});
    tblTypes->verticalHeader()->hide();
    tblTypes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblTypes->setSelectionMode(QAbstractItemView::NoSelection);
    tblTypes->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblTypes->horizontalHeader()->setStretchLastSection(true);
    types->addWidget(tblTypes);
    lblWeakest = label("lblWeakest", this);
    QFont bold = lblWeakest->font();
    bold.setBold(true);
    lblWeakest->setFont(bold);
    types->addWidget(lblWeakest);
    grid->addLayout(types, 1, 1);

    auto* chooser = new QHBoxLayout;
    cboTest = combo("cboTest", this);
    cboSection = combo("cboSection", this);
    chooser->addWidget(caption(QStringLiteral("&Test:"), cboTest, this));
    chooser->addWidget(cboTest);
    chooser->addWidget(caption(QStringLiteral("&Section:"), cboSection, this));
    chooser->addWidget(cboSection);
    lblSection = label("lblSection", this);
    chooser->addWidget(lblSection, 1);
    grid->addLayout(chooser, 2, 0, 1, 2);

    chartLevels = chartView("chartLevels", this);
    chartPacing = chartView("chartPacing", this);
    grid->addWidget(chartLevels, 3, 0);
    grid->addWidget(chartPacing, 3, 1);
    lblSlow = label("lblSlow", this);
    grid->addWidget(lblSlow, 4, 0, 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdPdf = addButton("cmdPdf", QStringLiteral("Save as &PDF…"), [this] { cmdPdf_Click(); });
    cmdBack = addButton("cmdBack", QStringLiteral("&Back"), [this] { cmdBack_Click(); });
    cmdBack->setDefault(true);
    buttons->addWidget(cmdPdf);
    buttons->addWidget(cmdBack);
    grid->addLayout(buttons, 5, 0, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    connect(cboTypeTest, &QComboBox::currentIndexChanged, this, [this] { showTypes(); });
    connect(cboTest, &QComboBox::currentIndexChanged, this, [this] { fillSections(); });
    connect(cboSection, &QComboBox::currentIndexChanged, this, [this] { showSection(); });
}

void frm_progress::load()
{
    report_ = loadProgressReport(context_.folder);
    showChart(chartTrend, trendChart(report_));
    lblWeakest->setText(report_.weakestSentence);

    const QSignalBlocker typesQuiet(cboTypeTest);
    const QSignalBlocker testsQuiet(cboTest);
    cboTypeTest->clear();
    cboTypeTest->addItem(QStringLiteral("All tests"), 0);
    cboTest->clear();
    for (const TestResult& test : report_.tests) {
        cboTypeTest->addItem(QStringLiteral("Test %1").arg(test.test), test.test);
        cboTest->addItem(QStringLiteral("Test %1").arg(test.test), test.test);
    }
    showTypes();
    // The latest finished section first.
    cboTest->setCurrentIndex(cboTest->count() - 1);
    fillSections();
    if (cboSection->count() > 0)
        cboSection->setCurrentIndex(cboSection->count() - 1);
    cmdPdf->setEnabled(!report_.sections.empty());
}

void frm_progress::showTypes()
{
    const int test = cboTypeTest->currentData().toInt();
    const TypeTallies* tallies = &report_.allTypes;
    for (const TestResult& result : report_.tests)
        if (result.test == test)
            tallies = &result.types;
    QList<QuestionType> rows(knownTypes.begin(), knownTypes.end());
    if (tally(*tallies, QuestionType::Other).answered > 0)
        rows.append(QuestionType::Other);
    TypeTally total;
    tblTypes->setRowCount(int(rows.size()) + 1);
    auto put = [this](int row, const QString& name, const TypeTally& t) {
        const std::optional<double> seconds = t.averageSeconds();
        const QStringList cells{name, QString::number(t.answered), QString::number(t.right),
                                t.answered ? QString::number(t.percentRight()) : QStringLiteral("–"),
                                seconds ? QString::number(qRound(*seconds)) : QStringLiteral("–")};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            tblTypes->setItem(row, column, item);
        }
    };
    for (int row = 0; row < rows.size(); ++row) {
        const TypeTally& t = tally(*tallies, rows[row]);
        put(row, typeName(rows[row]), t);
        total.answered += t.answered;
        total.right += t.right;
        total.timed += t.timed;
        total.seconds += t.seconds;
    }
    put(int(rows.size()), QStringLiteral("All types"), total);
    QFont bold = tblTypes->font();
    bold.setBold(true);
    for (int column = 0; column < tblTypes->columnCount(); ++column)
        tblTypes->item(int(rows.size()), column)->setFont(bold);
}

void frm_progress::fillSections()
{
    const QSignalBlocker quiet(cboSection);
    cboSection->clear();
    const int test = cboTest->currentData().toInt();
    for (const SectionRun& run : report_.sections)
        if (run.test == test)
            cboSection->addItem(sectionName(run.section), int(run.section));
    showSection();
}

void frm_progress::showSection()
{
    const SectionRun* run = cboSection->currentIndex() < 0
        ? nullptr
        : report_.section(cboTest->currentData().toInt(), Section(cboSection->currentData().toInt()));
    showChart(chartLevels, levelChart(run));
    showChart(chartPacing, pacingChart(run));
    lblSection->setText(run ? sectionLine(*run) : QStringLiteral("No section is finished yet."));
    lblSlow->setText(run ? slowSentence(*run) : QString());
}

void frm_progress::savePdf(const QString& path)
{
    const QString failure = writeProgressPdf(report_, path);
    if (failure.isEmpty())
        ask(context_.dialogs(), {QStringLiteral("The progress report is saved in %1.").arg(QDir::toNativeSeparators(path)),
                                 session::programTitle(), ui::Buttons::Ok, ui::Icon::Information});
    else
        ask(context_.dialogs(), {failure, session::programTitle(), ui::Buttons::Ok, ui::Icon::Critical});
}

void frm_progress::cmdPdf_Click()
{
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save the progress report"),
                                                QDir::home().filePath(QStringLiteral("kaven-progress.pdf")),
                                                QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QLatin1String(".pdf");
    savePdf(path);
}

void frm_progress::cmdBack_Click()
{
    // The summary was closed when this screen opened, so it loads afresh.
    context_.screens.close(ui::ScreenId::Progress);
    context_.screens.open(ui::ScreenId::Summary);
}

void frm_progress::closeEvent(QCloseEvent* event)
{
    // The title-bar button leaves the report as Back does.
    event->ignore();
    guarded([this] { cmdBack_Click(); });
}

} // namespace kaven::progress
