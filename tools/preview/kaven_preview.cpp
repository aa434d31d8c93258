// Opens one screen of the program on a data folder, for a look at it (screenshots, layout
// work): kaven_preview DATA_DIR verbal [ANSWERED]
// The program starts as it always does; the Verbal screen is then opened directly and the
// first ANSWERED questions are answered with their keys. Not installed with the program.

#include "app/program.h"
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

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList args = QApplication::arguments();
    if (args.size() < 3 || args[2] != QLatin1String("verbal")) {
        std::fprintf(stderr, "usage: kaven_preview DATA_DIR verbal [ANSWERED]\n");
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
    auto* screen = static_cast<verbal::frm_verbal*>(program.screens().open(ui::ScreenId::Verbal));
    press(screen, QStringLiteral("CMD_PROCEED"));
    const int answered = args.size() > 3 ? args[3].toInt() : 0;
    for (int q = 0; q < answered; ++q) {
        const int key = keyOnScreen(*screen);
        emit screen->findChild<ui::ClickLabel*>(QStringLiteral("txtoption%1").arg(key))->clicked();
        press(screen, QStringLiteral("cmdnext"));
        press(screen, QStringLiteral("cmdConfirm"));
    }
    return QApplication::exec();
}
