// The Verbal screen's controls and how a question is laid out on them. Every position is
// in twips; the question label and the answers take the height their text needs, so each
// control is placed from the ones above it once their texts are set.

#include "verbal/frm_verbal.h"

#include "ui/access.h"
#include "ui/click_label.h"
#include "ui/text_lines.h"
#include "ui/twips.h"
#include "ui/twips_layout.h"
#include "rules/answer_keys.h"
#include "rules/underline_marker.h"
#include "verbal/verbal_text.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>

#include <cmath>

namespace kaven::verbal {

namespace {

using ui::setTwipsGeometry;
using ui::twipsBottom;
using ui::twipsTop;

constexpr int screenWidth = 9800;
constexpr int screenHeight = 6950;
constexpr int areaTop = 600;     // the question area and the passage beside it
constexpr int areaHeight = 5500; // leaves room below the 5200 that a scrolled answer ends at
constexpr int buttonTop = 6250;
constexpr int buttonHeight = 420;
constexpr int answerHeight = 255;

QFont readingFont(const QWidget* screen)
{
    QFont font = screen->font();
    font.setPointSize(10);
    return font;
}

} // namespace

void frm_verbal::buildControls()
{
    setFixedSize(ui::pxSize(screenWidth, screenHeight));
    const QFont reading = readingFont(this);

    lab_q_no = new QLabel(this);
    lab_q_no->setObjectName(QStringLiteral("lab_q_no"));
    QFont bold = font();
    bold.setBold(true);
    lab_q_no->setFont(bold);
    setTwipsGeometry(lab_q_no, {100, 150, 4300, 300});

    lab_timer = new QLabel(this);
    lab_timer->setObjectName(QStringLiteral("lab_timer"));
    lab_timer->setFont(bold);
    lab_timer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTwipsGeometry(lab_timer, {7300, 150, 2300, 300});

    rtf_instruct = new QTextEdit(this);
    rtf_instruct->setObjectName(QStringLiteral("rtf_instruct"));
    rtf_instruct->setReadOnly(true);
    rtf_instruct->setFont(reading);
    setTwipsGeometry(rtf_instruct, {100, areaTop, 9500, areaHeight});
    rtf_instruct->setAccessibleName(QStringLiteral("Directions"));

    rtf_comp = new QTextEdit(this);
    rtf_comp->setObjectName(QStringLiteral("rtf_comp"));
    rtf_comp->setReadOnly(true);
    rtf_comp->setFont(reading);
    setTwipsGeometry(rtf_comp, {100, areaTop, 4200, areaHeight});
    rtf_comp->setAccessibleName(QStringLiteral("Passage"));
    // The passage hands any focus it gets to Exit, so Tab must not lead into it: Tab from
    // Exit would come straight back to Exit.
    rtf_comp->setFocusPolicy(Qt::ClickFocus);

    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameShape(QFrame::NoFrame);
    setTwipsGeometry(Picture1, {100, areaTop, 9500, areaHeight});

    RTFQ_DESC = new QLabel(Picture1);
    RTFQ_DESC->setObjectName(QStringLiteral("RTFQ_DESC"));
    RTFQ_DESC->setWordWrap(true);
    RTFQ_DESC->setTextFormat(Qt::PlainText);
    RTFQ_DESC->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    RTFQ_DESC->setFont(reading);
    setTwipsGeometry(RTFQ_DESC, {500, 450, 8500, 300});

    // Two text boxes the section keeps hidden; a focus that reaches one moves on.
    RTFQ_DESC2 = new QTextEdit(Picture1);
    RTFQ_DESC2->setObjectName(QStringLiteral("RTFQ_DESC2"));
    RTFQ_DESC2->hide();
    rtf_comp1 = new QTextEdit(Picture1);
    rtf_comp1->setObjectName(QStringLiteral("rtf_comp1"));
    rtf_comp1->hide();

    options_ = new QButtonGroup(this);
    for (int k = 1; k <= 5; ++k) {
        ui::ClickLabel*& text = txtoption[std::size_t(k - 1)];
        text = new ui::ClickLabel(QString(), Picture1);
        text->setObjectName(QStringLiteral("txtoption%1").arg(k));
        text->setWordWrap(true);
        text->setTextFormat(Qt::PlainText);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        text->setFont(reading);
        setTwipsGeometry(text, {500, 0, 8500, answerHeight});
        connect(text, &ui::ClickLabel::clicked, this, [this, k] { guarded([this, k] { txtoption_Click(k); }); });

        QRadioButton*& option = Option[std::size_t(k - 1)];
        option = new QRadioButton(Picture1);
        option->setObjectName(QStringLiteral("Option%1").arg(k));
        option->setAccessibleName(rules::optionName(k, QString()));
        setTwipsGeometry(option, {200, 0, answerHeight, answerHeight});
        options_->addButton(option, k);
        text->showFocusOf(option);
        connect(option, &QRadioButton::clicked, this, [this, k] { guarded([this, k] { Option_Click(k); }); });
    }

    VScroll1 = new QScrollBar(Qt::Vertical, Picture1);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setFocusPolicy(Qt::WheelFocus); // a click or the wheel arms the step scrolling
    VScroll1->setPageStep(1);
    setTwipsGeometry(VScroll1, {4900, 0, 255, areaHeight});
    VScroll1->hide();
    connect(VScroll1, &QScrollBar::valueChanged, this, [this](int v) { guarded([this, v] { VScroll1_Change(v); }); });

    CMD_PROCEED = addButton("CMD_PROCEED", QStringLiteral("&Continue"), [this] { CMD_PROCEED_Click(); });
    setTwipsGeometry(CMD_PROCEED, {4050, buttonTop, 1700, buttonHeight});

    cmdhelp = addButton("cmdhelp", QStringLiteral("&Help"), [this] { cmdhelp_Click(); });
    cmdnext = addButton("cmdnext", QStringLiteral("&Next"), [this] { cmdnext_Click(); });
    cmdConfirm = addButton("cmdConfirm", QStringLiteral("&Confirm"), [this] { cmdConfirm_Click(); });
    cmdpause = addButton("cmdpause", QStringLiteral("&Pause"), [this] { cmdpause_Click(); });
    cmdtimer = addButton("cmdtimer", QStringLiteral("&Timer"), [this] { cmdtimer_Click(); });
    cmdendsection = addButton("cmdendsection", QStringLiteral("&End Section"), [this] { cmdendsection_Click(); });
    cmdexit = addButton("cmdexit", QStringLiteral("E&xit"), [this] { cmdexit_Click(); });
    ui::setTwipsRow({cmdhelp, cmdnext, cmdConfirm, cmdpause, cmdtimer, cmdendsection, cmdexit}, 100, buttonTop, 1250,
                    buttonHeight, 125);

    for (QWidget* watched : {static_cast<QWidget*>(rtf_comp), static_cast<QWidget*>(rtf_instruct),
                             static_cast<QWidget*>(RTFQ_DESC2), static_cast<QWidget*>(VScroll1)})
        watched->installEventFilter(this);

    setAccessibleDescription(rules::answerKeysHint());
    ui::setFocusChain({rtf_instruct, Option[0], Option[1], Option[2], Option[3], Option[4], VScroll1, CMD_PROCEED,
                       cmdhelp, cmdnext, cmdConfirm, cmdpause, cmdtimer, cmdendsection, cmdexit});

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    Timer1->start();

    Disp_instruct();
}

void frm_verbal::display_main_rec()
{
    cmdConfirm->setEnabled(false);
    const Drawn drawn = section_.drawQuestion();
    switch (drawn) {
    case Drawn::Sentence: Display_Sent(); break;
    case Drawn::Reasoning: Display_Reas(); break;
    case Drawn::NewPassage:
    case Drawn::NextInPassage:
    case Drawn::SingleSlot: display_Vcomp(drawn); break;
    case Drawn::BankExhausted: bankExhausted(); return;
    case Drawn::Nothing: break;
    }
    const QString caption = typeCaption(section_.mtype.trimmed().toUpper());
    if (section_.mq_no >= 2 && !caption.isEmpty())
        setWindowTitle(caption);
}

void frm_verbal::setAnswers(const std::array<QString, 5>& texts, int gap)
{
    // A screen reader reads each option by its answer, not by its letter alone.
    for (std::size_t k = 0; k < 5; ++k) {
        txtoption[k]->setText(texts[k]);
        Option[k]->setAccessibleName(rules::optionName(int(k + 1), texts[k]));
        ui::fitHeight(txtoption[k]);
        if (k > 0)
            ui::setTwipsTop(txtoption[k], twipsBottom(txtoption[k - 1]) + gap);
    }
}

void frm_verbal::Display_Sent()
{
    Reset_Controls();
    const store::VsmastRecord& q = section_.sentence();
    rtf_comp->hide();
    RTFQ_DESC2->hide();
    RTFQ_DESC->show();
    RTFQ_DESC->setTextFormat(Qt::RichText);
    RTFQ_DESC->setText(rules::underlineMarkup(q.q_text));
    ui::fitHeight(RTFQ_DESC);
    // The author's note (field 4) is never shown.
    setAnswers({q.opt_1, q.opt_2, q.opt_3, q.opt_4, q.opt_5}, 50);
    setCheckBox();
}

void frm_verbal::Display_Reas()
{
    QFont plain = RTFQ_DESC->font();
    plain.setUnderline(false);
    RTFQ_DESC->setFont(plain);
    Reset_Controls();
    const store::VrmastRecord& q = section_.reasoning();
    rtf_comp->hide();
    mq_text = reasoningText(q);
    RTFQ_DESC->setTextFormat(Qt::RichText);
    RTFQ_DESC->setText(reasoningMarkup(q));
    // A long argument is given the taller label; a text that needs more still gets it all.
    ui::setTwipsHeight(RTFQ_DESC, std::max(q.tall_q ? 2200 : 1455, ui::neededHeight(RTFQ_DESC)));
    ui::setTwipsTop(txtoption[0], twipsBottom(RTFQ_DESC) + 150);
    setAnswers({q.opt_1, q.opt_2, q.opt_3, q.opt_4, q.opt_5}, 50);
    setCheckBox();
}

void frm_verbal::setPassageText()
{
    const QString text = ui::boxText(section_.mcomp_head + QStringLiteral("\r\n") + section_.passage().psg_text);
    // The same passage keeps the place the candidate has scrolled it to.
    if (rtf_comp->toPlainText() != text)
        rtf_comp->setPlainText(text);
}

void frm_verbal::display_Vcomp(Drawn drawn)
{
    Comp_setting();
    if (drawn == Drawn::SingleSlot) {
        rtf_comp->show();
    } else {
        const store::VcmastRecord& q = section_.compQuestion();
        if (drawn == Drawn::NewPassage) {
            lab_q_no->setText(questionCaption(section_.mq_no));
            rtf_comp->show();
            RTFQ_DESC2->hide();
            RTFQ_DESC->show();
        }
        setPassageText();
        mq_text = q.q_text;
        RTFQ_DESC->setTextFormat(Qt::PlainText);
        RTFQ_DESC->setText(ui::boxText(q.q_text));
        ui::fitHeight(RTFQ_DESC);
        if (drawn == Drawn::NewPassage)
            ui::setTwipsTop(txtoption[0], twipsBottom(RTFQ_DESC) + 200);
        setAnswers({q.opt_1, q.opt_2, q.opt_3, q.opt_4, q.opt_5}, 50);
    }
    SET_SCROLL();
    setCheckBox();
}

void frm_verbal::Reset_Controls()
{
    rtf_comp->hide();
    Picture1->setFrameShape(QFrame::NoFrame);
    ui::setTwipsLeft(Picture1, 100);
    ui::setTwipsWidth(Picture1, 9500);
    VScroll1->hide();
    setTwipsGeometry(RTFQ_DESC, {500, 450, 8500, ui::twipsHeight(RTFQ_DESC)});
    for (std::size_t k = 0; k < 5; ++k) {
        ui::setTwipsLeft(Option[k], 200);
        ui::setTwipsLeft(txtoption[k], 500);
        ui::setTwipsWidth(txtoption[k], 8500);
    }
}

void frm_verbal::Comp_setting()
{
    ui::setTwipsLeft(VScroll1, 4900);
    ui::setTwipsLeft(Picture1, 4400);
    ui::setTwipsWidth(Picture1, 5200);
    setTwipsGeometry(RTFQ_DESC, {150, 100, 4600, ui::twipsHeight(RTFQ_DESC)});
    for (std::size_t k = 0; k < 5; ++k) {
        ui::setTwipsLeft(Option[k], 100);
        ui::setTwipsLeft(txtoption[k], 400);
        ui::setTwipsWidth(txtoption[k], 4200);
    }
    rtf_comp->show();
}

void frm_verbal::setCheckBox()
{
    ui::setTwipsTop(txtoption[0], twipsBottom(RTFQ_DESC) + 250);
    for (std::size_t k = 1; k < 5; ++k)
        ui::setTwipsTop(txtoption[k], twipsBottom(txtoption[k - 1]) + 100);
    for (std::size_t k = 0; k < 5; ++k)
        ui::setTwipsTop(Option[k], twipsTop(txtoption[k]) - 10);
}

void frm_verbal::SET_SCROLL()
{
    const int bottom = twipsBottom(txtoption[4]);
    if (bottom <= 5200) {
        VScroll1->hide();
        Picture1->setFrameShape(QFrame::NoFrame);
        return;
    }
    VScroll1->show();
    Picture1->setFrameShape(QFrame::Box);
    const int maximum = int(std::nearbyint((bottom - 5500) / 200.0 + 4));
    VScroll1->setMaximum(maximum);
    if (maximum >= 1)
        VScroll1->setValue(0);
}

void frm_verbal::VScroll1_Change(int value)
{
    if (value == 0) {
        ui::setTwipsTop(RTFQ_DESC, 50);
        setCheckBox();
    } else if (value == VScroll1->maximum()) {
        // The last answer ends at the foot of the question area.
        ui::setTwipsTop(RTFQ_DESC, twipsTop(RTFQ_DESC) - (twipsBottom(txtoption[4]) - 5200));
        setCheckBox();
    } else if (mscroll_armed) {
        if (value > mscroll_last)
            Scroll_Up();
        else
            Scroll_Down();
    }
    mscroll_last = std::int16_t(value);
}

void frm_verbal::Scroll_Up()
{
    ui::setTwipsTop(RTFQ_DESC, twipsTop(RTFQ_DESC) - 200);
    setCheckBox();
}

void frm_verbal::Scroll_Down()
{
    ui::setTwipsTop(RTFQ_DESC, twipsTop(RTFQ_DESC) + 200);
    setCheckBox();
}

void frm_verbal::show_controls()
{
    for (QWidget* w : {static_cast<QWidget*>(cmdConfirm), static_cast<QWidget*>(cmdhelp),
                       static_cast<QWidget*>(cmdnext), static_cast<QWidget*>(cmdpause),
                       static_cast<QWidget*>(cmdtimer), static_cast<QWidget*>(lab_q_no)})
        w->show();
    for (QRadioButton* option : Option)
        option->show();
    rtf_comp->setVisible(section_.mtype == QLatin1String("C"));
    RTFQ_DESC->show();
    for (ui::ClickLabel* text : txtoption)
        text->show();
    CMD_PROCEED->hide();
    rtf_instruct->hide();
    cmdexit->show();
    cmdendsection->show();
}

void frm_verbal::Disp_instruct()
{
    rtf_instruct->show();
    CMD_PROCEED->show();
    for (QWidget* w : {static_cast<QWidget*>(cmdConfirm), static_cast<QWidget*>(Picture1),
                       static_cast<QWidget*>(cmdhelp), static_cast<QWidget*>(cmdnext),
                       static_cast<QWidget*>(cmdpause), static_cast<QWidget*>(cmdexit),
                       static_cast<QWidget*>(cmdendsection), static_cast<QWidget*>(cmdtimer),
                       static_cast<QWidget*>(lab_q_no), static_cast<QWidget*>(rtf_comp),
                       static_cast<QWidget*>(RTFQ_DESC)})
        w->hide();
    for (QRadioButton* option : Option)
        option->hide();
    for (ui::ClickLabel* text : txtoption)
        text->hide();
}

} // namespace kaven::verbal
