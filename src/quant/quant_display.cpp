// The Quantitative screen's controls, how a question is laid out on them and the figures
// drawn beside it. Every position is in twips.

#include "quant/frm_quant.h"

#include "quant/quant_text.h"
#include "rules/answer_keys.h"
#include "ui/click_label.h"
#include "ui/access.h"
#include "ui/text_lines.h"
#include "ui/twips.h"
#include "ui/twips_layout.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>

namespace kaven::quant {

namespace {

using ui::setTwipsGeometry;
using ui::twipsBottom;
using ui::twipsTop;

constexpr int screenWidth = 9800;
constexpr int screenHeight = 6600;
constexpr int buttonTop = 5950;
constexpr int buttonHeight = 420;
constexpr int questionLeft = 600;
constexpr int questionTop = 840;
constexpr int questionWidth = 7575;
constexpr int plainHeight = 1800;   // a Data Sufficiency question that is not tall
constexpr int tallStep = 600;       // what a tall one adds to the height it finds
constexpr int figureLeft = 7700;    // the leftmost point of any figure or its labels
constexpr int answerLeft = 960;
constexpr int answerWidth = 8535;
constexpr int answerHeight = 250;
// The tallest question label that leaves the fifth answer above the buttons.
constexpr int tallestQuestion = buttonTop - 100 - questionTop - 200 - 4 * (answerHeight + 100) - answerHeight;

QString withoutOuterSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

} // namespace

void frm_quant::buildControls()
{
    setFixedSize(ui::pxSize(screenWidth, screenHeight));
    QFont reading = font();
    reading.setPointSize(10);
    QFont answers = font();
    answers.setPointSize(9);
    QFont bold = font();
    bold.setBold(true);

    lab_q_no = new QLabel(this);
    lab_q_no->setObjectName(QStringLiteral("lab_q_no"));
    lab_q_no->setFont(bold);
    setTwipsGeometry(lab_q_no, {720, 240, 3600, 300});

    lab_timer = new QLabel(this);
    lab_timer->setObjectName(QStringLiteral("lab_timer"));
    lab_timer->setFont(bold);
    lab_timer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTwipsGeometry(lab_timer, {7440, 50, 1600, 220});

    rtf_qdesc = new QLabel(this);
    rtf_qdesc->setObjectName(QStringLiteral("rtf_qdesc"));
    rtf_qdesc->setTextFormat(Qt::PlainText);
    rtf_qdesc->setWordWrap(true);
    rtf_qdesc->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    rtf_qdesc->setFont(reading);
    setTwipsGeometry(rtf_qdesc, {questionLeft, questionTop, questionWidth, plainHeight});
    rtf_qdesc->installEventFilter(this);

    options_ = new QButtonGroup(this);
    for (int k = 1; k <= 5; ++k) {
        const std::size_t i = std::size_t(k - 1);
        rtfopt[i] = new ui::ClickLabel(QString(), this);
        rtfopt[i]->setObjectName(QStringLiteral("rtfopt%1").arg(k));
        rtfopt[i]->setTextFormat(Qt::PlainText);
        rtfopt[i]->setFont(answers);
        rtfopt[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setTwipsGeometry(rtfopt[i], {answerLeft, 0, answerWidth, answerHeight});
        rtfopt[i]->installEventFilter(this);
        connect(rtfopt[i], &ui::ClickLabel::clicked, this, [this, k] { guarded([this, k] { rtfopt_Click(k); }); });

        Option[i] = new QRadioButton(this);
        Option[i]->setObjectName(QStringLiteral("Option%1").arg(k));
        Option[i]->setAccessibleName(rules::optionName(k, QString()));
        setTwipsGeometry(Option[i], {questionLeft, 0, 255, 495});
        options_->addButton(Option[i], k);
        rtfopt[i]->showFocusOf(Option[i]);
        connect(Option[i], &QRadioButton::clicked, this, [this, k] { guarded([this, k] { Option_Click(k); }); });

        // A caption-less click area in the gap between the option and its answer.
        Label[i] = new ui::ClickLabel(QString(), this);
        Label[i]->setObjectName(k < 5 ? QStringLiteral("Label%1").arg(k) : QStringLiteral("LABEL5"));
        setTwipsGeometry(Label[i], {questionLeft + 255, 0, answerLeft - questionLeft - 255, answerHeight});
        connect(Label[i], &ui::ClickLabel::clicked, this, [this, k] { guarded([this, k] { Label_Click(k); }); });
    }

    for (const auto& [name, caption] : figureLabels()) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(name);
        label->setFont(reading);
        label->adjustSize();
        label->hide();
        figureLabels_[name] = label;
    }

    // The directions cover the question area; they come last so they lie on top.
    rtf_instruct = new QTextEdit(this);
    rtf_instruct->setObjectName(QStringLiteral("rtf_instruct"));
    rtf_instruct->setReadOnly(true);
    rtf_instruct->setFont(reading);
    setTwipsGeometry(rtf_instruct, {240, 360, 8055, 5415});
    rtf_instruct->installEventFilter(this);
    rtf_instruct->setAccessibleName(QStringLiteral("Directions"));

    CMD_PROCEED = addButton("CMD_PROCEED", QStringLiteral("&Continue"), [this] { CMD_PROCEED_Click(); });
    setTwipsGeometry(CMD_PROCEED, {4050, buttonTop, 1700, buttonHeight});

    cmdhelp = addButton("cmdhelp", QStringLiteral("&Help"), [this] { cmdhelp_Click(); });
    cmdnext = addButton("cmdnext", QStringLiteral("&Next"), [this] { cmdnext_Click(); });
    cmdConfirm = addButton("cmdConfirm", QStringLiteral("Confirm"), [this] { cmdConfirm_Click(); });
    cmdpause = addButton("cmdpause", QStringLiteral("&Pause"), [this] { cmdpause_Click(); });
    cmdtimer = addButton("cmdtimer", QStringLiteral("&Timer"), [this] { cmdtimer_Click(); });
    cmdexitsection = addButton("cmdexitsection", QStringLiteral("&End Section"), [this] { cmdexitsection_Click(); });
    cmdexit = addButton("cmdexit", QStringLiteral("E&xit"), [this] { cmdexit_Click(); });
    ui::setTwipsRow({cmdhelp, cmdnext, cmdConfirm, cmdpause, cmdtimer, cmdexitsection, cmdexit}, 100, buttonTop, 1250,
                    buttonHeight, 125);

    // The screen opens on its directions.
    for (QWidget* w : std::initializer_list<QWidget*>{cmdhelp, cmdnext, cmdConfirm, cmdpause, cmdtimer,
                                                      cmdexitsection, cmdexit, lab_q_no, rtf_qdesc})
        w->hide();
    for (std::size_t k = 0; k < 5; ++k) {
        Option[k]->hide();
        rtfopt[k]->hide();
        Label[k]->hide();
    }
    cmdnext->setEnabled(false);
    cmdConfirm->setEnabled(false);

    setAccessibleDescription(rules::answerKeysHint());
    ui::setFocusChain({rtf_instruct, Option[0], Option[1], Option[2], Option[3], Option[4], CMD_PROCEED, cmdhelp,
                       cmdnext, cmdConfirm, cmdpause, cmdtimer, cmdexitsection, cmdexit});

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    Timer1->start();
}

void frm_quant::Disp_Main_Rec()
{
    cmdConfirm->setEnabled(false);
    cmdnext->setEnabled(false);
    switch (section_.drawQuestion()) {
    case QuantDrawn::Problem: disp_Prob_Solve(); break;
    case QuantDrawn::DataSufficiency: Disp_Data_Suff(); break;
    case QuantDrawn::BankExhausted: bankExhausted(); break;
    case QuantDrawn::Nothing: break;
    }
}

void frm_quant::showQuestionText(int width, int height)
{
    ui::setTwipsWidth(rtf_qdesc, width);
    // With a figure beside it the text wraps before the figure begins.
    const int overlap = drawing_.isEmpty() ? 0 : std::max(0, questionLeft + width - (figureLeft - 100));
    rtf_qdesc->setContentsMargins(0, 0, ui::px(overlap), 0);
    // The layout rules give the height; a text that needs more still gets it all.
    ui::setTwipsHeight(rtf_qdesc, height);
    ui::setTwipsHeight(rtf_qdesc, std::max(height, ui::neededHeight(rtf_qdesc)));
}

void frm_quant::disp_Prob_Solve()
{
    const store::QpsmastRecord& q = section_.problem();
    mq_text = q.q_text;
    clearDrawing();
    // The first question of the section is shown without its figure.
    if (q.fig_id != 0 && section_.mq_no != 1)
        Display_Fig(q.fig_id);
    const std::array<const QString*, 5> texts{&q.opt_1, &q.opt_2, &q.opt_3, &q.opt_4, &q.opt_5};
    for (std::size_t k = 0; k < 5; ++k)
        rtfopt[k]->setText(*texts[k]);
    rtf_qdesc->setText(ui::boxText(mq_text));
    nameOptions();
    // Width and height stay as the question before left them.
    const QRect shown = ui::twipsGeometry(rtf_qdesc);
    showQuestionText(shown.width(), shown.height());
    setCheckBox();
}

void frm_quant::Disp_Data_Suff()
{
    const store::QdsmastRecord& d = section_.dataSufficiency();
    clearDrawing();
    Hide_fig_labels();
    mq_text = dataSufficiencyText(d);
    const int width = d.fig_id != 0 ? 6915 : 7500;
    if (d.fig_id != 0 && section_.mq_no != 1)
        Display_Fig(d.fig_id);
    for (std::size_t k = 0; k < 5; ++k)
        rtfopt[k]->setText(dataSufficiencyAnswers()[k]);
    rtf_qdesc->setText(ui::boxText(withoutOuterSpaces(mq_text)));
    nameOptions();
    // A tall question grows by a step on the height it finds, but never pushes the answers
    // under the buttons.
    const int height = d.tall_q ? std::min(ui::twipsHeight(rtf_qdesc) + tallStep, tallestQuestion) : plainHeight;
    showQuestionText(width, height);
    setRtfBox();
    setCheckBox();
}

void frm_quant::nameOptions()
{
    // A screen reader reads each option by its answer, not by its letter alone.
    for (std::size_t k = 0; k < 5; ++k)
        Option[k]->setAccessibleName(rules::optionName(int(k + 1), rtfopt[k]->text()));
}

void frm_quant::setCheckBox()
{
    ui::setTwipsTop(rtfopt[0], twipsBottom(rtf_qdesc) + 200);
    for (std::size_t k = 1; k < 5; ++k)
        ui::setTwipsTop(rtfopt[k], twipsBottom(rtfopt[k - 1]) + 100);
    for (std::size_t k = 0; k < 5; ++k) {
        ui::setTwipsTop(Option[k], twipsTop(rtfopt[k]) - (k < 4 ? 80 : 90));
        ui::setTwipsTop(Label[k], twipsTop(rtfopt[k]));
    }
}

void frm_quant::setRtfBox()
{
    ui::setTwipsTop(rtfopt[0], twipsBottom(rtf_qdesc) + 200);
    for (std::size_t k = 0; k < 5; ++k) {
        ui::setTwipsHeight(rtfopt[k], answerHeight);
        if (k > 0)
            ui::setTwipsTop(rtfopt[k], twipsBottom(rtfopt[k - 1]) + 100);
    }
}

void frm_quant::clearDrawing()
{
    drawing_ = {};
    update();
}

void frm_quant::Display_Fig(std::int16_t mfig_id)
{
    Figure figure = quant::Display_Fig(mfig_id);
    if (figure.isEmpty())
        return;
    clearDrawing();
    for (const QString& name : figure.hidden)
        figureLabels_.at(name)->hide();
    for (const auto& [name, at] : figure.placed) {
        QLabel* label = figureLabels_.at(name);
        label->move(ui::px(at.x()), ui::px(at.y()));
        label->show();
    }
    drawing_ = std::move(figure);
    update();
}

void frm_quant::Hide_fig_labels()
{
    clearDrawing();
    for (const auto& [name, label] : figureLabels_)
        label->hide();
}

void frm_quant::paintEvent(QPaintEvent* event)
{
    Screen::paintEvent(event);
    if (drawing_.lines.empty() && drawing_.circles.empty())
        return;
    // Kept as shapes and painted here, so the figure survives being covered and uncovered.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    const auto at = [](const QPoint& p) { return QPointF(p.x() / double(ui::twipsPerPixel), p.y() / double(ui::twipsPerPixel)); };
    for (const QLine& line : drawing_.lines)
        painter.drawLine(at(line.p1()), at(line.p2()));
    for (const Circle& circle : drawing_.circles) {
        const double r = circle.radius / double(ui::twipsPerPixel);
        painter.drawEllipse(at(circle.centre), r, r);
    }
}

} // namespace kaven::quant
