#include "verbal/frm_verbal.h"

#include "datastore/passes.h"
#include "rules/answer_keys.h"
#include "ui/click_label.h"
#include "ui/navigator.h"
#include "ui/text_lines.h"
#include "ui/twips_layout.h"
#include "verbal/verbal_text.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>

namespace kaven::verbal {

namespace {


ui::Message question(const char* prompt)
{
    return {QString::fromLatin1(prompt), QStringLiteral("Confirmation"), ui::Buttons::YesNo,
            ui::Icon::Question};
}

} // namespace

frm_verbal::frm_verbal(session::Context& context)
    : Screen(context.screens), context_(context),
      section_(context.folder, context.seams.random, context.state)
{
    setObjectName(QStringLiteral("frm_verbal"));
    setWindowTitle(QStringLiteral("   Verbal Instructions"));
    buildControls();
}

void frm_verbal::load()
{
    mdirections = verbalDirections();
    rtf_instruct->setPlainText(ui::boxText(mdirections));
    setCheckBox();
    mstarted = false;
    mtimer_shown = true;
    mticks = 1;
    lab_q_no->setText(firstQuestionCaption());
    mpaused = false;
    countdown_ = {};
    section_.load();
    cmdnext->setEnabled(false);
}

void frm_verbal::activate()
{
    context_.state.VerbalSeconds = 0;
    context_.state.QuantSeconds = 0;
    countdown_ = {};
    CMD_PROCEED->setFocus();
}

void frm_verbal::CMD_PROCEED_Click()
{
    Picture1->show();
    show_controls();
    if (!mstarted) {
        display_main_rec();
        mstarted = true;
    }
}

void frm_verbal::cmdhelp_Click()
{
    Disp_instruct();
}

void frm_verbal::Option_Click(int k)
{
    if (mnext_used) {
        cmdConfirm->setEnabled(false);
        ui::setBackColour(cmdConfirm, ui::activeBorder(cmdConfirm));
        mrechosen = true;
    }
    ui::setBackColour(cmdnext, ui::lightYellow);
    section_.manswer = std::int16_t(k);
    cmdnext->setEnabled(true);
}

void frm_verbal::txtoption_Click(int k)
{
    Option[std::size_t(k - 1)]->setChecked(true);
    Option_Click(k);
    ui::setBackColour(cmdnext, ui::lightYellow);
    cmdnext->setEnabled(true);
}

void frm_verbal::cmdnext_Click()
{
    cmdConfirm->setEnabled(true);
    mnext_used = true;
    cmdConfirm->setFocus();
    ui::setBackColour(cmdConfirm, ui::lightYellow);
    ui::setBackColour(cmdnext, ui::activeBorder(cmdnext));
}

void frm_verbal::clearOptions()
{
    options_->setExclusive(false);
    for (QRadioButton* option : Option)
        option->setChecked(false);
    options_->setExclusive(true);
}

void frm_verbal::cmdConfirm_Click()
{
    if (ended_)
        return;
    ui::setBackColour(cmdConfirm, ui::buttonFace(cmdConfirm));
    clearOptions();
    section_.recordAnswer(mticks);
    if (section_.nextSlot())
        sectionOver();
    else
        display_main_rec();
    if (ended_)
        return;
    mticks = 0;
    cmdnext->setEnabled(false);
    lab_q_no->setText(questionCaption(section_.mq_no));
}

void frm_verbal::sectionOver()
{
    mpaused = true;
    msaved_seconds = context_.state.VerbalSeconds;
    ask({QStringLiteral(" Verbal Section Over \r\nClick Ok to Continue"), QStringLiteral("Good Luck"),
         ui::Buttons::Ok, ui::Icon::Information});
    if (ended_)
        return;
    context_.state.VerbalOver = true;
    // The seconds spent reading the message do not count.
    context_.state.VerbalSeconds = msaved_seconds;
    finishSection();
}

void frm_verbal::bankExhausted()
{
    // No level has a question left: the section ends as End Section would, once.
    mpaused = true;
    msaved_seconds = context_.state.VerbalSeconds;
    ask({QStringLiteral("Please Update Your Question Bank"), session::programTitle(), ui::Buttons::Ok,
         ui::Icon::None});
    if (ended_)
        return;
    context_.state.VerbalSeconds = msaved_seconds;
    finishSection();
}

void frm_verbal::cmdendsection_Click()
{
    if (ended_ || ask(question("Are you sure, you want to exit the Section?")) != ui::Answer::Yes)
        return;
    // Time may have run out while the question was open; then its record stands.
    if (ended_)
        return;
    finishSection();
}

void frm_verbal::cmdexit_Click()
{
    if (ask(question("Are you sure, you want to Exit the Test?")) != ui::Answer::Yes)
        return;
    // Time ran out while the question was open: the finished section is kept.
    if (ended_)
        return;
    store::Blank_Working_Copies(context_.folder, context_.busy());
    context_.endProgram(0);
}

void frm_verbal::finishSection()
{
    ended_ = true;
    Update_Test();
    store::Save_Working_Copies(context_.folder, context_.busy());
    handBack();
}

void frm_verbal::Update_Test()
{
    Timer1->stop();
    session::ModuleState& state = context_.state;
    section_.writeTestDetails(state.VerbalSeconds, context_.seams.clock.today());
    state.VerbalSeconds = 0;
    section_.mC_score = 0;
    state.QuantOver = true;
    state.VerbalOver = true;
}

void frm_verbal::handBack()
{
    handOverWhenBoxesClosed([this] {
        context_.screens.close(ui::ScreenId::Verbal);
        context_.screens.open(ui::ScreenId::Summary);
    });
}

void frm_verbal::Timer1_Timer()
{
    guarded([this] {
        session::ModuleState& state = context_.state;
        if (state.VerbalOver || ended_)
            return;
        ++state.VerbalSeconds;
        ++mticks;
        if (mpaused)
            return;
        showTime(countdown_.text());
        if (state.VerbalSeconds == rules::sectionSeconds) {
            timeOver();
            return;
        }
        countdown_.step();
    });
}

void frm_verbal::timeOver()
{
    mpaused = true;
    showTime(countdown_.overText());
    // From here no tick counts, so the section is recorded with its 4500 seconds however
    // long the message stays open.
    ended_ = true;
    ask({QStringLiteral("Verbal Time Over, Press Ok to Continue"), QStringLiteral("Time Over"),
         ui::Buttons::Ok, ui::Icon::Information});
    Update_Test();
    // The finished test goes to the store now, as the other two ends do: it must not
    // depend on the candidate leaving through the summary's Exit.
    store::Save_Working_Copies(context_.folder, context_.busy());
    handBack();
}

void frm_verbal::showTime(const QString& shown)
{
    lab_timer->setText(shown);
    lab_timer->setAccessibleName(rules::timeLeftName(shown));
}

void frm_verbal::cmdtimer_Click()
{
    mtimer_shown = !mtimer_shown;
    lab_timer->setVisible(mtimer_shown);
}

void frm_verbal::cmdpause_Click()
{
    if (mrechosen)
        cmdnext->setEnabled(true);
    if (mpaused) {
        mpaused = false;
        return;
    }
    mpaused = true;
    msaved_seconds = context_.state.VerbalSeconds;
    ask({QStringLiteral("       Test paused , Press OK to Continue \r\n(This Facility is not available in the actual KAVEN) "),
         session::programTitle(), ui::Buttons::Ok, ui::Icon::None});
    context_.state.VerbalSeconds = msaved_seconds;
    cmdpause_Click();
}

void frm_verbal::keyPressEvent(QKeyEvent* event)
{
    // A key chooses an answer as a click on its text does.
    chooseByKey(event, Option, ended_, [this](int k) { txtoption_Click(k); });
}

void frm_verbal::closeEvent(QCloseEvent* event)
{
    // The title-bar button asks the section's Exit question; on No the section goes on.
    event->ignore();
    guarded([this] { cmdexit_Click(); });
}

bool frm_verbal::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == rtf_comp)
            cmdexit->setFocus();
        else if (watched == rtf_instruct && CMD_PROCEED->isVisible())
            CMD_PROCEED->setFocus();
        else if (watched == RTFQ_DESC2)
            cmdhelp->setFocus();
        else if (watched == VScroll1)
            mscroll_armed = true;
    }
    return Screen::eventFilter(watched, event);
}

} // namespace kaven::verbal
