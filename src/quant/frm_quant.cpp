#include "quant/frm_quant.h"

#include "datastore/passes.h"
#include "quant/quant_text.h"
#include "rules/answer_keys.h"
#include "ui/click_label.h"
#include "ui/navigator.h"
#include "ui/text_lines.h"
#include "ui/twips_layout.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>

namespace kaven::quant {

namespace {


} // namespace

frm_quant::frm_quant(session::Context& context)
    : Screen(context.screens), context_(context),
      section_(context.folder, context.seams.random, context.state)
{
    setObjectName(QStringLiteral("frm_quant"));
    setWindowTitle(QStringLiteral("Section - Quantitative"));
    buildControls();
}

void frm_quant::load()
{
    const session::ModuleState& state = context_.state;
    if (state.QuantOver || state.VerbalOver)
        return;
    mdirections = quantDirections();
    rtf_instruct->setPlainText(ui::boxText(mdirections));
    setCheckBox();
    mticks = 0;
    mtimer_shown = true;
    countdown_ = {};
    section_.load();
    lab_q_no->setText(questionCaption(section_.mq_no));
    loading_ = true;
    Disp_Main_Rec();
    loading_ = false;
}

void frm_quant::activate()
{
    session::ModuleState& state = context_.state;
    section_.mC_score = 0;
    state.VerbalSeconds = 0;
    state.QuantSeconds = 0;
    countdown_ = {};
    section_.loadAnswers();
    CMD_PROCEED->setFocus();
    if (exhaustedAtLoad_) {
        exhaustedAtLoad_ = false;
        bankExhausted();
    }
}

void frm_quant::CMD_PROCEED_Click()
{
    rtf_instruct->hide();
    CMD_PROCEED->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{cmdConfirm, cmdhelp, cmdnext, cmdpause, cmdtimer,
                                                      cmdexit, cmdexitsection, lab_q_no, lab_timer, rtf_qdesc})
        w->show();
    for (std::size_t k = 0; k < 5; ++k) {
        Option[k]->show();
        rtfopt[k]->show();
        Label[k]->show();
    }
    cmdhelp->setFocus();
}

void frm_quant::cmdhelp_Click()
{
    // The figure and its labels stay; the clock runs on.
    for (QWidget* w : std::initializer_list<QWidget*>{cmdhelp, cmdConfirm, cmdnext, cmdpause, cmdtimer,
                                                      cmdexit, cmdexitsection, lab_q_no, lab_timer, rtf_qdesc})
        w->hide();
    for (std::size_t k = 0; k < 5; ++k) {
        Option[k]->hide();
        rtfopt[k]->hide();
        Label[k]->hide();
    }
    rtf_instruct->show();
    CMD_PROCEED->show();
}

void frm_quant::Option_Click(int k)
{
    if (mnext_used) {
        ui::setBackColour(cmdConfirm, ui::activeBorder(cmdConfirm));
        cmdConfirm->setEnabled(false);
        mrechosen = true;
    }
    section_.manswer = std::int16_t(k);
    ui::setBackColour(cmdnext, ui::lightYellow);
    cmdnext->setEnabled(true);
}

void frm_quant::selectOption(int k)
{
    // Checking a button in code runs no click handler of its own.
    Option[std::size_t(k - 1)]->setChecked(true);
    Option_Click(k);
}

void frm_quant::rtfopt_Click(int k)
{
    selectOption(k);
    cmdnext->setEnabled(true);
    if (k == 1)
        cmdhelp->setFocus();
}

void frm_quant::Label_Click(int k)
{
    selectOption(k);
}

void frm_quant::cmdnext_Click()
{
    ui::setBackColour(cmdConfirm, ui::lightYellow);
    ui::setBackColour(cmdnext, ui::activeBorder(cmdnext));
    cmdConfirm->setEnabled(true);
    mnext_used = true;
    cmdConfirm->setFocus();
}

void frm_quant::clearOptions()
{
    options_->setExclusive(false);
    for (QRadioButton* option : Option)
        option->setChecked(false);
    options_->setExclusive(true);
}

void frm_quant::cmdConfirm_Click()
{
    if (ended_)
        return;
    Hide_fig_labels();
    ui::setBackColour(cmdConfirm, ui::buttonFace(cmdConfirm));
    clearOptions();
    section_.recordAnswer(mticks);
    if (section_.nextSlot()) {
        sectionOver();
        return;
    }
    ++section_.mq_no;
    Disp_Main_Rec();
    if (ended_)
        return;
    lab_q_no->setText(questionCaption(section_.mq_no));
}

void frm_quant::sectionOver()
{
    mpaused = true;
    msaved_seconds = context_.state.QuantSeconds;
    ask({QStringLiteral("Quantitative Section Over\r\nPress Ok to Continue"), QStringLiteral("Good Luck "),
         ui::Buttons::Ok, ui::Icon::None});
    if (ended_)
        return;
    context_.state.QuantOver = true;
    // The seconds spent reading the message do not count.
    context_.state.QuantSeconds = msaved_seconds;
    finishSection();
}

void frm_quant::bankExhausted()
{
    if (loading_) {
        exhaustedAtLoad_ = true;
        return;
    }
    // No level has a question left: the section ends as End Section would, once.
    mpaused = true;
    msaved_seconds = context_.state.QuantSeconds;
    ask({QStringLiteral("Please Update Your Question Bank"), session::programTitle(), ui::Buttons::Ok,
         ui::Icon::None});
    if (ended_)
        return;
    context_.state.QuantSeconds = msaved_seconds;
    finishSection();
}

void frm_quant::cmdexitsection_Click()
{
    if (ended_
        || ask({QStringLiteral("Do you really want to end Quantitative Section "), QStringLiteral("Section end"),
                ui::Buttons::YesNo, ui::Icon::Question})
            != ui::Answer::Yes)
        return;
    // Time may have run out while the question was open; then its record stands.
    if (ended_)
        return;
    finishSection();
}

void frm_quant::cmdexit_Click()
{
    if (ask({QStringLiteral("Are you sure you want to exit "), QStringLiteral("Exit"), ui::Buttons::YesNo,
             ui::Icon::Question})
        != ui::Answer::Yes)
        return;
    // Nothing of the running test reaches the store, even a section the clock ended while
    // the question was open: the candidate chose to leave the test.
    store::Blank_Working_Copies(context_.folder, context_.busy());
    context_.endProgram(0);
}

void frm_quant::finishSection()
{
    ended_ = true;
    Update_Test();
    handOver();
}

void frm_quant::Update_Test()
{
    session::ModuleState& state = context_.state;
    state.QuantOver = true;
    state.VerbalOver = false;
    Timer1->stop();
    section_.Update_Test(state.QuantSeconds, context_.seams.clock.today());
}

void frm_quant::handOver()
{
    handOverWhenBoxesClosed([this] {
        context_.screens.close(ui::ScreenId::Quant);
        context_.screens.open(ui::ScreenId::Verbal);
    });
}

void frm_quant::Timer1_Timer()
{
    guarded([this] {
        session::ModuleState& state = context_.state;
        if (state.QuantOver || state.VerbalOver || ended_)
            return;
        ++state.QuantSeconds;
        ++mticks;
        if (mpaused)
            return;
        ++mticks;
        if (state.QuantSeconds == rules::sectionSeconds) {
            timeOver();
            return;
        }
        showTime(countdown_.text());
        countdown_.step();
    });
}

void frm_quant::timeOver()
{
    context_.state.QuantOver = true;
    mpaused = true;
    // From here no tick counts, so the section is recorded with its 4500 seconds however
    // long the message stays open.
    ended_ = true;
    showTime(countdown_.overText());
    Timer1->stop();
    ask({QStringLiteral("Time Over, Press Ok to Continue"), QStringLiteral("Time Over"), ui::Buttons::Ok,
         ui::Icon::Information});
    Update_Test();
    handOver();
}

void frm_quant::showTime(const QString& shown)
{
    lab_timer->setText(shown);
    lab_timer->setAccessibleName(rules::timeLeftName(shown));
}

void frm_quant::cmdtimer_Click()
{
    mtimer_shown = !mtimer_shown;
    lab_timer->setVisible(mtimer_shown);
}

void frm_quant::cmdpause_Click()
{
    if (mrechosen)
        cmdnext->setEnabled(true);
    if (mpaused)
        return;
    mpaused = true;
    msaved_seconds = context_.state.QuantSeconds;
    ask({QStringLiteral("       Test paused , Press OK to Continue \r\n(This Facility is not available in the actual KAVEN) "),
         session::programTitle(), ui::Buttons::Ok, ui::Icon::None});
    context_.state.QuantSeconds = msaved_seconds;
    mpaused = false;
}

void frm_quant::keyPressEvent(QKeyEvent* event)
{
    // A key chooses an answer as a click on its option does.
    chooseByKey(event, Option, ended_, [this](int k) { selectOption(k); });
}

void frm_quant::closeEvent(QCloseEvent* event)
{
    // The title-bar button asks the section's Exit question; on No the section goes on.
    event->ignore();
    guarded([this] { cmdexit_Click(); });
}

bool frm_quant::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && watched == rtf_instruct && CMD_PROCEED->isVisible())
        CMD_PROCEED->setFocus();
    // The question and its answers are never edited: a press there leaves the focus on Help.
    if (event->type() == QEvent::MouseButtonPress && watched != rtf_instruct)
        cmdhelp->setFocus();
    return Screen::eventFilter(watched, event);
}

} // namespace kaven::quant
