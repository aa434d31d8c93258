#pragma once

#include "session/context.h"
#include "quant/figures.h"
#include "quant/quant_section.h"
#include "ui/screen.h"
#include "rules/countdown.h"

#include <array>
#include <map>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QTextEdit;
class QTimer;

namespace kaven::ui {
class ClickLabel;
}

namespace kaven::quant {

// The Quantitative section: 37 questions in 75 minutes, Problem Solving and Data
// Sufficiency as the plan orders them, some with a figure beside the question. It ends
// through its last question, End Section or the clock, records the section and hands over
// to the Verbal section.
class frm_quant final : public ui::Screen {
    Q_OBJECT
public:
    explicit frm_quant(session::Context& context);

    void load() override;
    void activate() override;

    // The one-second tick; the timer calls it, and tests call it directly.
    void Timer1_Timer();

    const QuantSection& section() const { return section_; }
    std::int32_t ticks() const { return mticks; }
    bool paused() const { return mpaused; }
    // The question text as the section keeps it (CR LF line ends, not trimmed).
    const QString& questionText() const { return mq_text; }
    // The lines and circles on the drawing surface, in twips.
    const Figure& drawing() const { return drawing_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Controller.
    void CMD_PROCEED_Click();
    void cmdhelp_Click();
    void Option_Click(int k);
    void rtfopt_Click(int k);
    void Label_Click(int k);
    void cmdnext_Click();
    void cmdConfirm_Click();
    void cmdexitsection_Click();
    void cmdexit_Click();
    void cmdpause_Click();
    void cmdtimer_Click();
    void sectionOver();
    void bankExhausted();
    void timeOver();
    void Update_Test();
    void finishSection();
    void handOver();
    ui::Answer ask(const ui::Message& message) { return Screen::ask(context_.dialogs(), message); }
    void selectOption(int k);
    void clearOptions();
    void showTime(const QString& shown);

    // Display.
    void buildControls();
    void Disp_Main_Rec();
    void disp_Prob_Solve();
    void Disp_Data_Suff();
    void showQuestionText(int width, int height);
    void setCheckBox();
    void setRtfBox();
    void nameOptions();
    void clearDrawing();
    void Display_Fig(std::int16_t mfig_id);
    void Hide_fig_labels();

    session::Context& context_;
    QuantSection section_;

    std::int32_t mticks = 0;
    bool mnext_used = false;
    bool mrechosen = false;
    bool mpaused = false;
    bool mtimer_shown = true;
    std::int16_t msaved_seconds = 0;
    rules::Countdown countdown_;
    QString mdirections;
    QString mq_text;
    Figure drawing_;

    // The section has been recorded: nothing may end it a second time, whatever tick or
    // answer arrives from a message box that was already open.
    bool ended_ = false;
    // The first draw happens while the screen loads; a bank that cannot serve it is
    // reported once the screen is up.
    bool loading_ = false;
    bool exhaustedAtLoad_ = false;

    QTextEdit* rtf_instruct = nullptr;
    QPushButton* CMD_PROCEED = nullptr;
    QPushButton* cmdhelp = nullptr;
    QLabel* lab_q_no = nullptr;
    QLabel* rtf_qdesc = nullptr;
    std::array<ui::ClickLabel*, 5> rtfopt{};
    std::array<QRadioButton*, 5> Option{};
    std::array<ui::ClickLabel*, 5> Label{}; // Label1 .. Label4, LABEL5
    QButtonGroup* options_ = nullptr;
    QPushButton* cmdnext = nullptr;
    QPushButton* cmdConfirm = nullptr;
    QPushButton* cmdpause = nullptr;
    QPushButton* cmdtimer = nullptr;
    QLabel* lab_timer = nullptr;
    QPushButton* cmdexitsection = nullptr;
    QPushButton* cmdexit = nullptr;
    QTimer* Timer1 = nullptr;
    std::map<QString, QLabel*> figureLabels_;
};

} // namespace kaven::quant
