#pragma once

#include "session/context.h"
#include "ui/screen.h"
#include "rules/countdown.h"
#include "verbal/verbal_section.h"

#include <array>

class QButtonGroup;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTextEdit;
class QTimer;

namespace kaven::ui {
class ClickLabel;
}

namespace kaven::verbal {

// The Verbal section: 41 questions in 75 minutes, Sentence Correction, Critical Reasoning
// and Reading Comprehension as the plan orders them. It ends through its last question,
// End Section or the clock, records the section and hands back to a fresh test summary.
class frm_verbal final : public ui::Screen {
    Q_OBJECT
public:
    explicit frm_verbal(session::Context& context);

    void load() override;
    void activate() override;

    // The one-second tick; the timer calls it, and tests call it directly.
    void Timer1_Timer();

    const VerbalSection& section() const { return section_; }
    std::int16_t ticksOnQuestion() const { return mticks; }
    bool paused() const { return mpaused; }
    // The question text as the section keeps it (statements included, CR LF line ends).
    const QString& questionText() const { return mq_text; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Controller.
    void CMD_PROCEED_Click();
    void cmdhelp_Click();
    void Option_Click(int k);
    void txtoption_Click(int k);
    void cmdnext_Click();
    void cmdConfirm_Click();
    void cmdendsection_Click();
    void cmdexit_Click();
    void cmdpause_Click();
    void cmdtimer_Click();
    void sectionOver();
    void bankExhausted();
    void timeOver();
    void Update_Test();
    void finishSection();
    void handBack();
    ui::Answer ask(const ui::Message& message) { return Screen::ask(context_.dialogs(), message); }
    void clearOptions();
    void showTime(const QString& shown);

    // Display.
    void buildControls();
    void display_main_rec();
    void Display_Sent();
    void Display_Reas();
    void display_Vcomp(Drawn drawn);
    void Reset_Controls();
    void Comp_setting();
    void setCheckBox();
    void SET_SCROLL();
    void Scroll_Up();
    void Scroll_Down();
    void VScroll1_Change(int value);
    void show_controls();
    void Disp_instruct();
    void setAnswers(const std::array<QString, 5>& texts, int gap);
    void setPassageText();

    session::Context& context_;
    VerbalSection section_;

    std::int16_t mticks = 0;
    bool mstarted = false;
    bool mnext_used = false;
    bool mrechosen = false;
    bool mpaused = false;
    bool mtimer_shown = true;
    std::int16_t msaved_seconds = 0;
    rules::Countdown countdown_;
    QString mdirections;
    QString mq_text;
    bool mscroll_armed = false;
    std::int16_t mscroll_last = 0;

    // The section has been recorded: nothing may end it a second time, whatever tick or
    // answer arrives from a message box that was already open.
    bool ended_ = false;

    QTextEdit* rtf_instruct = nullptr;
    QPushButton* CMD_PROCEED = nullptr;
    QPushButton* cmdhelp = nullptr;
    QLabel* lab_q_no = nullptr;
    QFrame* Picture1 = nullptr;
    QLabel* RTFQ_DESC = nullptr;
    QTextEdit* rtf_comp = nullptr;
    QTextEdit* RTFQ_DESC2 = nullptr;
    QTextEdit* rtf_comp1 = nullptr;
    std::array<ui::ClickLabel*, 5> txtoption{};
    std::array<QRadioButton*, 5> Option{};
    QButtonGroup* options_ = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QPushButton* cmdnext = nullptr;
    QPushButton* cmdConfirm = nullptr;
    QPushButton* cmdpause = nullptr;
    QPushButton* cmdtimer = nullptr;
    QLabel* lab_timer = nullptr;
    QPushButton* cmdendsection = nullptr;
    QPushButton* cmdexit = nullptr;
    QTimer* Timer1 = nullptr;
};

} // namespace kaven::verbal
