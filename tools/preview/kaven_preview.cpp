// Opens one section screen of the program on a data folder, for a look at it (screenshots,
// layout work): kaven_preview DATA_DIR quant|verbal [ANSWERED]
// The program starts as it always does; the section's screen is then opened directly and
// the first ANSWERED questions are answered with their keys. Not installed with the program.

#include "app/program.h"
#include "quant/frm_quant.h"
#include "datastore/busy_pointer.h"
#include "ui/click_label.h"
#include "ui/cursor_busy_pointer.h"
#include "verbal/frm_verbal.h"

#include <QApplication>
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
    if (section != QLatin1String("verbal") && section != QLatin1String("quant")) {
        std::fprintf(stderr, "usage: kaven_preview DATA_DIR quant|verbal [ANSWERED]\n");
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
    // As on the way into a test, the summary stays loaded but out of sight.
    program.screens().hide(ui::ScreenId::Summary);
    program.state().CurrentTest = 1;
    const int answered = args.size() > 3 ? args[3].toInt() : 0;
    if (section == QLatin1String("quant"))
        answer(static_cast<quant::frm_quant*>(program.screens().open(ui::ScreenId::Quant)),
               QStringLiteral("rtfopt%1"), answered);
    else
        answer(static_cast<verbal::frm_verbal*>(program.screens().open(ui::ScreenId::Verbal)),
               QStringLiteral("txtoption%1"), answered);
    return QApplication::exec();
}
