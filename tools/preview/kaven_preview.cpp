// Opens one screen of the program on a data folder, for a look at it (screenshots, layout
// work): kaven_preview DATA_DIR summary | quant [ANSWERED] | verbal [ANSWERED]
//                                  | review [LINE [QUESTION]] | progress [TEST [SECTION]] | pdf FILE
// The program starts as it always does. For a section, its screen is then opened directly
// and the first ANSWERED questions are answered with their keys; for the review, the
// summary's "Click Here" of line LINE (default 1) is clicked, then the button of QUESTION
// when one is given; for the progress report, the summary's Progress is clicked, then test
// TEST and section SECTION (quant or verbal) chosen; pdf writes that report's PDF to FILE and ends. Not installed with the program.

#include "app/program.h"
#include "progress/frm_progress.h"
#include "progress/progress_pdf.h"
#include "quant/frm_quant.h"
#include "review/frm_explain.h"
#include "shell/frm_summary.h"
#include "datastore/busy_pointer.h"
#include "ui/click_label.h"
#include "ui/cursor_busy_pointer.h"
#include "verbal/frm_verbal.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>

#include <cstdio>

using namespace kaven;

namespace {

void press(QWidget* screen, const QString& name)
{
    if (auto* button = screen->findChild<QPushButton*>(name))
        button->click();
}

int keyOnScreen(const quant::frm_quant& screen)
{
    const quant::QuantSection& s = screen.section();
    return s.mtype == QLatin1String("P") ? s.problem().ans_no : s.dataSufficiency().ans_no;
}

int keyOnScreen(const verbal::frm_verbal& screen)
{
    const verbal::VerbalSection& s = screen.section();
    if (s.mtype == QLatin1String("S"))
        return s.sentence().ans_no;
    if (s.mtype == QLatin1String("R"))
        return s.reasoning().ans_no;
    return s.compQuestion().ans_no;
}

} // namespace

template <class S> void answer(S* screen, const QString& textBox, int answered)
{
    press(screen, QStringLiteral("CMD_PROCEED"));
    for (int q = 0; q < answered; ++q) {
        emit screen->template findChild<ui::ClickLabel*>(textBox.arg(keyOnScreen(*screen)))->clicked();
        press(screen, QStringLiteral("cmdnext"));
        press(screen, QStringLiteral("cmdConfirm"));
    }
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList args = QApplication::arguments();
    const QString section = args.size() > 2 ? args[2] : QString();
    if (!QStringList{"summary", "quant", "verbal", "review", "progress", "pdf"}.contains(section)) {
        std::fprintf(stderr, "usage: kaven_preview DATA_DIR summary | quant [ANSWERED] | verbal [ANSWERED] | review [LINE [QUESTION]] | progress [TEST [quant|verbal]] | pdf FILE\n");
        return 2;
    }
    ui::MessageBoxDialogs dialogs;
    ui::SystemClock clock;
    ui::StandardRandom random;
    ui::CursorBusyPointer busy;
    ui::ProgramEnd end(true);
    app::Program program(args[1], {dialogs, clock, random, busy, end});
    if (!program.start())
        return end.status();
    const int number = args.size() > 3 ? args[3].toInt() : 0;
    if (section == QLatin1String("summary"))
        return QApplication::exec();
    if (section == QLatin1String("pdf")) {
        const QString failure = progress::writeProgressPdf(progress::loadProgressReport(args[1]), args.value(3));
        if (!failure.isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(failure));
        return failure.isEmpty() ? 0 : 1;
    }
    if (section == QLatin1String("progress")) {
        press(program.screens().loaded(ui::ScreenId::Summary), QStringLiteral("cmdProgress"));
        auto* report = program.screens().loadedAs<progress::frm_progress>(ui::ScreenId::Progress);
        if (!report) {
            std::fprintf(stderr, "the summary did not open the progress report\n");
            return 1;
        }
        auto* tests = report->findChild<QComboBox*>(QStringLiteral("cboTest"));
        if (number > 0)
            tests->setCurrentIndex(tests->findData(number));
        auto* sections = report->findChild<QComboBox*>(QStringLiteral("cboSection"));
        if (args.size() > 4)
            sections->setCurrentIndex(sections->findData(int(args[4] == QLatin1String("quant")
                                                                 ? progress::Section::Quantitative
                                                                 : progress::Section::Verbal)));
        return QApplication::exec();
    }
    if (section == QLatin1String("review")) {
        auto* summary = program.screens().loadedAs<shell::frm_summary>(ui::ScreenId::Summary);
        ui::ClickLabel* line = summary->Label3(std::max(number, 1));
        if (!line) {
            std::fprintf(stderr, "the summary has no line %d\n", std::max(number, 1));
            return 1;
        }
        emit line->clicked();
        auto* review = program.screens().loadedAs<review::frm_Explain>(ui::ScreenId::Explain);
        const int question = args.size() > 4 ? args[4].toInt() : 0;
        if (review && question > 0 && review->cmdQno(question))
            review->cmdQno(question)->click();
        return QApplication::exec();
    }
    // As on the way into a test, the summary stays loaded but out of sight.
    program.screens().hide(ui::ScreenId::Summary);
    program.state().CurrentTest = 1;
    if (section == QLatin1String("quant"))
        answer(static_cast<quant::frm_quant*>(program.screens().open(ui::ScreenId::Quant)),
               QStringLiteral("rtfopt%1"), number);
    else
        answer(static_cast<verbal::frm_verbal*>(program.screens().open(ui::ScreenId::Verbal)),
               QStringLiteral("txtoption%1"), number);
    return QApplication::exec();
}
