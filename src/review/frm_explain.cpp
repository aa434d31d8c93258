#include "review/frm_explain.h"

#include "ui/access.h"
#include "ui/text_lines.h"
#include "ui/twips.h"
#include "rules/underline_marker.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

namespace kaven::review {

namespace {

using ui::pxRect;

// Layout of the screen, in twips. The buttons fill two rows from the top (the Verbal
// section's 41 answers need both); the counts and the texts lie below them.
constexpr int screenWidth = 9800;
constexpr int screenHeight = 8880;
constexpr int countsTop = 1200;
constexpr int textTop = 1900;
constexpr int textHeight = 6000;
constexpr int backTop = 8160;

QTextEdit* textBox(const char* name, QWidget* parent)
{
    auto* box = new QTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setAcceptRichText(false);
    QFont text = box->font();
    text.setPointSize(10);
    box->setFont(text);
    return box;
}

} // namespace

frm_Explain::frm_Explain(session::Context& context) : Screen(context.screens), context_(context)
{
    setObjectName(QStringLiteral("frm_Explain"));
    setWindowTitle(QStringLiteral("Explanation"));
    setFixedSize(ui::pxSize(screenWidth, screenHeight));
    buildControls();
}

void frm_Explain::buildControls()
{
    // Template of the button array: never shown, every answer's button is a copy of it.
    auto* templ = new QPushButton(this);
    templ->setObjectName(QStringLiteral("cmdQno"));
    templ->setProperty("index", 0);
    QFont small = templ->font();
    small.setPointSize(8);
    templ->setFont(small);
    templ->setGeometry(pxRect(500, 300, buttonSize, buttonSize));
    templ->hide();
    cmdQno_.append(templ);

    lblattempted = new QLabel(this);
    lblattempted->setObjectName(QStringLiteral("lblattempted"));
    lblattempted->setTextFormat(Qt::PlainText);
    lblattempted->setGeometry(pxRect(500, countsTop, 3600, 270));

    lblright_ans = new QLabel(this);
    lblright_ans->setObjectName(QStringLiteral("lblright_ans"));
    lblright_ans->setTextFormat(Qt::PlainText);
    lblright_ans->setGeometry(pxRect(500, countsTop + 300, 3600, 270));

    Lab_q_link = new QLabel(QStringLiteral("Click here to display Explanations"), this);
    Lab_q_link->setObjectName(QStringLiteral("Lab_q_link"));
    Lab_q_link->setTextFormat(Qt::PlainText);
    Lab_q_link->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Lab_q_link->setGeometry(pxRect(4700, countsTop + 150, 4600, 270));

    rtf_comp = textBox("rtf_comp", this);
    rtf_q_explain = textBox("rtf_q_explain", this);
    // The texts are only to be read: whatever gives them the focus hands it on to Back to
    // Score Sheet.
    rtf_comp->installEventFilter(this);
    rtf_q_explain->installEventFilter(this);
    // Tab passes them by: one would hand the focus straight back to Back to Score Sheet.
    rtf_comp->setFocusPolicy(Qt::ClickFocus);
    rtf_q_explain->setFocusPolicy(Qt::ClickFocus);
    rtf_comp->setAccessibleName(QStringLiteral("Passage"));
    rtf_q_explain->setAccessibleName(QStringLiteral("Question and explanation"));
    Reset_Control();
    rtf_q_explain->hide(); // until a button is clicked

    cmdback1 = new QPushButton(QStringLiteral("&Back"), this);
    cmdback1->setObjectName(QStringLiteral("cmdback1"));
    cmdback1->setGeometry(pxRect(2100, backTop, 2400, 450));
    connect(cmdback1, &QPushButton::clicked, this, [this] { guarded([this] { cmdback1_Click(); }); });

    cmdhome = new QPushButton(QStringLiteral("&Back to Score Sheet"), this);
    cmdhome->setObjectName(QStringLiteral("cmdhome"));
    cmdhome->setGeometry(pxRect(5100, backTop, 2600, 450));
    connect(cmdhome, &QPushButton::clicked, this, [this] { guarded([this] { cmdhome_Click(); }); });
}

void frm_Explain::load()
{
    loadReviewTables(context_.folder, tables_);
}

void frm_Explain::activate()
{
    session::ModuleState& state = context_.state;
    cmdQno_.first()->hide();
    sheet_ = buildScoreSheet(tables_.userprof, state.CurrentTest, state.SectionCode);
    for (int k = 1; k <= sheet_.attempted(); ++k)
        loadButton(k, sheet_.buttons[k - 1]);
    // The summary set the count to 0 before it opened this screen.
    state.ReviewCorrect = std::int16_t(state.ReviewCorrect + sheet_.correct);
    lblattempted->setText(attemptedCaption(sheet_.attempted()));
    lblright_ans->setText(correctCaption(state.ReviewCorrect));
    // Tab goes through the answers in order, then to the two ways back.
    QList<QWidget*> chain(cmdQno_.begin() + 1, cmdQno_.end());
    chain << cmdback1 << cmdhome;
    ui::setFocusChain(chain);
}

void frm_Explain::loadButton(int k, const SheetButton& button)
{
    const QPushButton* templ = cmdQno_.first();
    auto* element = new QPushButton(QString::number(k), this);
    element->setObjectName(templ->objectName());
    element->setProperty("index", k);
    element->setToolTip(button.toolTip);
    // Read as "Question 7, wrong"; the tooltip's type becomes its description.
    element->setAccessibleName(sheetButtonName(k, button.wrong));
    QFont font = templ->font();
    if (button.wrong) {
        font.setStrikeOut(true);
        // The widget style pales a button's face colour into a pink gradient; a wrong answer
        // is to stand out in pure red, so its face is painted flat.
        QPalette red = element->palette();
        red.setColor(QPalette::Button, QColor(255, 0, 0));
        element->setPalette(red);
        element->setStyleSheet(QStringLiteral(
            "QPushButton { background-color: rgb(255, 0, 0); border: 1px solid palette(dark);"
            " border-radius: 2px; }"
            "QPushButton:pressed { background-color: rgb(192, 0, 0); }"
            // A style sheet of its own paints no focus frame: the border shows the focus.
            "QPushButton:focus { border: 2px solid palette(highlight); }"));
    }
    element->setFont(font);
    element->setGeometry(pxRect(button.left, button.top, buttonSize, buttonSize));
    element->show();
    connect(element, &QPushButton::clicked, this, [this, k] { guarded([this, k] { cmdQno_Click(k); }); });
    cmdQno_.append(element);
}

void frm_Explain::cmdQno_Click(int k)
{
    for (int i = 1; i < cmdQno_.size(); ++i)
        cmdQno_[i]->show();
    rtf_q_explain->setGeometry(pxRect(300, textTop, 9000, textHeight));
    const Explanation shown = explainAnswer(tables_, sheet_.buttons[k - 1].profileIndex, k);
    ReviewType_ = shown.ReviewType;
    ReviewId_ = shown.ReviewId;
    switch (shown.layout) {
    case Layout::WithPassage:
        Display_Comp(shown);
        break;
    case Layout::Single:
        if (ReviewType_ == u"D")
            Display_Data_Suff(shown);
        else
            Display_Details(shown);
        break;
    case Layout::Nothing:
        // No text belongs to a type the program does not know; nor does the last one shown.
        Reset_Control();
        rtf_q_explain->clear();
        rtf_q_explain->hide();
        break;
    }
}

void frm_Explain::Display_Details(const Explanation& shown)
{
    Reset_Control();
    showQuestion(shown);
}

void frm_Explain::Display_Comp(const Explanation& shown)
{
    Set_Comp();
    rtf_comp->setPlainText(ui::boxText(shown.passage));
    showQuestion(shown);
}

void frm_Explain::Display_Data_Suff(const Explanation& shown)
{
    // A Quantitative section has no passages, so the passage box is left as it is.
    showQuestion(shown);
}

void frm_Explain::showQuestion(const Explanation& shown)
{
    rtf_q_explain->clear();
    QTextCursor cursor(rtf_q_explain->document());
    const QTextCharFormat plain;
    cursor.insertText(ui::boxText(shown.text.head), plain);
    if (shown.underlined) {
        // The sentence's underline marker becomes an underline; its braces never show.
        cursor.insertHtml(QStringLiteral("<span style=\"white-space: pre-wrap\">")
                          + rules::underlineMarkup(shown.text.question) + QStringLiteral("</span>"));
    } else {
        cursor.insertText(ui::boxText(shown.text.question), plain);
    }
    cursor.insertText(ui::boxText(shown.text.tail), plain);
    rtf_q_explain->moveCursor(QTextCursor::Start);
    rtf_q_explain->show();
}

void frm_Explain::Set_Comp()
{
    rtf_comp->setGeometry(pxRect(300, textTop, 4400, textHeight));
    rtf_comp->show();
    rtf_q_explain->setGeometry(pxRect(4700, textTop, 4500, textHeight));
}

void frm_Explain::Reset_Control()
{
    rtf_comp->hide();
    rtf_q_explain->setGeometry(pxRect(300, textTop, 9000, textHeight));
}

void frm_Explain::cmdback1_Click()
{
    // The summary was closed when this screen opened, so it loads afresh.
    context_.screens.close(ui::ScreenId::Explain);
    context_.screens.open(ui::ScreenId::Summary);
}

void frm_Explain::cmdhome_Click()
{
    // Both ways lead back to a summary loaded afresh.
    cmdback1_Click();
}

void frm_Explain::closeEvent(QCloseEvent* event)
{
    // The title-bar button leaves the review as Back does.
    event->ignore();
    guarded([this] { cmdback1_Click(); });
}

bool frm_Explain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && (watched == rtf_q_explain || watched == rtf_comp))
        cmdhome->setFocus();
    return Screen::eventFilter(watched, event);
}

} // namespace kaven::review
