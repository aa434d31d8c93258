#include "shell/frm_summary.h"

#include "datastore/file_io.h"
#include "datastore/passes.h"
#include "shell/summary_report.h"
#include "shell/test_series.h"
#include "ui/access.h"
#include "ui/click_label.h"
#include "ui/text_lines.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace kaven::shell {

namespace {

using ui::px;
using ui::pxRect;

const QString header = QStringLiteral(
    " Test         Section         Time Taken             Marks       Date         Explanation");

// Layout of the screen, in twips.
constexpr int screenWidth = 11400;
constexpr int screenHeight = 7800;
constexpr int tableLeft = 300;
constexpr int headerTop = 1020;
constexpr int summaryTop = 1320;
constexpr int summaryHeight = 3720;
constexpr int lineHeightTwips = 240; // the Click Here labels step 450 and 240: two lines, one line
constexpr int textMarginPx = 4;

QFont tableFont()
{
    // Monospaced, so that the blanks of the column header and the tab stops of the
    // summary text below it keep one grid.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(9);
    return font;
}

// Where each heading of the column header starts, in pixels from the header's left.
qreal headingX(const QFontMetricsF& metrics, const QString& heading)
{
    return metrics.horizontalAdvance(header.left(header.indexOf(heading)));
}

} // namespace

void exitSeries(session::Context& context, QWidget* parent)
{
    const ui::Message question{QStringLiteral("Do you really want to exit"),
                               QStringLiteral("KAVEN Main Series"), ui::Buttons::YesNo,
                               ui::Icon::Exclamation};
    if (!context.dialogs().confirmed(question, parent))
        return;
    store::Save_And_Blank_Working_Copies(context.folder, context.busy());
    context.endProgram(0);
}

frm_summary::frm_summary(session::Context& context) : Screen(context.screens), context_(context)
{
    setObjectName(QStringLiteral("frm_summary"));
    setWindowTitle(QStringLiteral("KAVEN Test Series"));
    setFixedSize(ui::pxSize(screenWidth, screenHeight));
    buildControls();
}

void frm_summary::buildControls()
{
    const QFont table = tableFont();

    Label1 = new QLabel(QStringLiteral("Test Summary"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont title = font();
    title.setPointSize(15);
    title.setBold(true);
    Label1->setFont(title);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(pxRect(0, 300, screenWidth, 540));

    rtf_summary = new QTextEdit(this);
    rtf_summary->setObjectName(QStringLiteral("rtf_summary"));
    rtf_summary->setReadOnly(true);
    rtf_summary->setFont(table);
    rtf_summary->setLineWrapMode(QTextEdit::NoWrap);
    rtf_summary->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rtf_summary->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rtf_summary->document()->setDocumentMargin(textMarginPx);
    rtf_summary->viewport()->installEventFilter(this);

    // The columns of the summary text start where their headings start.
    const QFontMetricsF metrics(table);
    const qreal section = headingX(metrics, QStringLiteral("Section"));
    const qreal time = headingX(metrics, QStringLiteral("Time Taken"));
    const qreal marks = headingX(metrics, QStringLiteral("Marks"));
    const qreal date = headingX(metrics, QStringLiteral("Date"));
    const qreal explanation = headingX(metrics, QStringLiteral("Explanation"));
    // A Verbal line reaches the time column with two tabs after its section, a
    // Quantitative line with one, and the total line with three after "Total Score : ":
    // the stop between lies past "Verbal" but before the end of "Quantitative".
    const qreal afterSection =
        section + (metrics.horizontalAdvance(QStringLiteral("Verbal"))
                   + metrics.horizontalAdvance(QStringLiteral("Quantitative")))
            / 2;
    const qreal afterTime =
        (time + metrics.horizontalAdvance(QStringLiteral("00:00:00")) + marks) / 2;
    for (const qreal stop : {section, afterSection, time, afterTime, marks, date})
        tabStops_.append(QTextOption::Tab(stop, QTextOption::LeftTab));

    const int frame = rtf_summary->frameWidth();
    const int textLeftPx = px(tableLeft) + frame + textMarginPx;
    const int summaryWidthPx = int(explanation) - 2 * textMarginPx;
    rtf_summary->setGeometry(px(tableLeft), px(summaryTop), summaryWidthPx + 2 * frame
                                 + 2 * textMarginPx,
                             px(summaryHeight));

    Label2 = new QLabel(header, this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(table);
    Label2->setTextFormat(Qt::PlainText);
    Label2->setGeometry(textLeftPx, px(headerTop), px(screenWidth) - textLeftPx, px(300));

    // Template of the "Click Here" array: never shown; the first line's label lies one
    // step of 450 below it, level with the first line of the summary text.
    const int firstLinePx = px(summaryTop) + frame + textMarginPx;
    templateTopTwips_ = ui::twips(firstLinePx) - 450;
    auto* templ = new ui::ClickLabel(QStringLiteral("Click Here"), this);
    templ->setObjectName(QStringLiteral("Label3"));
    templ->setProperty("index", 0);
    templ->setFont(table);
    templ->setCursor(Qt::PointingHandCursor);
    QPalette link = templ->palette();
    link.setColor(QPalette::WindowText, QColor(0, 0, 192));
    templ->setPalette(link);
    templ->setKeyboardActivation(true);
    templ->setGeometry(textLeftPx + int(explanation), px(templateTopTwips_),
                       px(screenWidth) - textLeftPx - int(explanation), px(lineHeightTwips));
    templ->hide();
    Label3_.append(templ);

    Label4 = new QLabel(QStringLiteral("The Zentor tests are full-length tests. You have to "
                                       "complete both the sections in one sitting."),
                        this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignCenter);
    QFont notice = font();
    notice.setPointSize(11);
    Label4->setFont(notice);
    Label4->setGeometry(pxRect(tableLeft, 2100, screenWidth - 2 * tableLeft, 900));
    Label4->hide();

    LABEL5 = new QLabel(QStringLiteral("Important: Zentor tests are low scoring and designed to "
                                       "give you practice. Your score in the acual KAVEN would "
                                       "be more than your score in the Zentor tests. "),
                        this);
    LABEL5->setObjectName(QStringLiteral("LABEL5"));
    LABEL5->setWordWrap(true);
    LABEL5->setAlignment(Qt::AlignCenter);
    LABEL5->setGeometry(pxRect(tableLeft, 5340, screenWidth - 2 * tableLeft, 720));

    Command1 = new QPushButton(QStringLiteral("Take Test"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(pxRect(2700, 6540, 2700, 540));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, [this] { guarded([this] { Command1_Click(); }); });

    Command3 = new QPushButton(QStringLiteral("E&xit"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setGeometry(pxRect(6000, 6540, 2700, 540));
    connect(Command3, &QPushButton::clicked, this, [this] { guarded([this] { Command3_Click(); }); });

    // Beside Exit, in the row's free right end, so that nothing else moves.
    cmdProgress = addButton("cmdProgress", QStringLiteral("&Progress"), [this] { cmdProgress_Click(); });
    cmdProgress->setGeometry(pxRect(9000, 6540, 2100, 540));
    cmdProgress->setToolTip(QStringLiteral("Your scores, answers by question type, difficulty and pacing"));
}

void frm_summary::load()
{
    session::ModuleState& state = context_.state;
    if (state.TestStarted)
        Command1->setEnabled(false);
    state.CurrentTest = CheckTestNo(context_.folder, state);
    if (state.CurrentTest == 1) {
        // A new series starts with an empty summary and an empty profile.
        store::emptyWorkingCopy(context_.folder, store::FileId::tesdet);
        store::emptyWorkingCopy(context_.folder, store::FileId::userprof);
    }
    Label1->setText(QStringLiteral("Test Summary "));
    store::loadWorkingCopy<store::FileId::tesdet>(context_.folder, tesdet_);
    cmdProgress->setEnabled(!tesdet_.isEmpty());
    if (tesdet_.isEmpty()) {
        rtf_summary->hide();
        Label1->hide();
        Label2->hide();
        Label4->show();
    } else {
        const SummaryReport report = buildSummary(tesdet_.records());
        int top = templateTopTwips_;
        for (int k = 1; k <= report.labelOffsets.size(); ++k) {
            top += report.labelOffsets[k - 1];
            loadLabel3(k, top);
        }
        summaryText_ = report.text;
        showSummary();
    }
    const std::int16_t next = CheckTestNo(context_.folder, state);
    if (next == 0) {
        Command1->setText(QStringLiteral("Test Series Over"));
        Command1->setEnabled(false);
    } else {
        Command1->setText(QStringLiteral("Take Test ") + QString::number(next));
    }
    // Tab reads down the screen: the summary, each line's Click Here, then the buttons.
    QList<QWidget*> chain{rtf_summary};
    chain.append(QList<QWidget*>(Label3_.begin() + 1, Label3_.end()));
    chain << Command1 << Command3;
    ui::setFocusChain(chain);
}

void frm_summary::loadLabel3(int k, int topTwips)
{
    const ui::ClickLabel* templ = Label3_.first();
    auto* label = new ui::ClickLabel(templ->text(), this);
    label->setObjectName(templ->objectName());
    label->setProperty("index", k);
    label->setFont(templ->font());
    label->setCursor(templ->cursor());
    label->setPalette(templ->palette());
    label->setKeyboardActivation(true);
    label->setAccessibleName(reviewLinkName(k));
    label->setGeometry(templ->x(), px(topTwips), templ->width(), templ->height());
    label->show();
    connect(label, &ui::ClickLabel::clicked, this, [this, k] { guarded([this, k] { Label3_Click(k); }); });
    connect(label, &ui::ClickLabel::mouseMoved, this, [this, k] { Label3_MouseMove(k); });
    Label3_.append(label);
}

void frm_summary::showSummary()
{
    // The text box shows line ends as paragraphs; the text itself keeps its CR LFs.
    QString shown = ui::boxText(summaryText_);
    if (shown.endsWith(QLatin1Char('\n')))
        shown.chop(1);
    rtf_summary->setPlainText(shown);
    // Tab stops under the headings, and line heights that keep every line level with its Click Here label: a Quantitative
    // line is one label step (240) above the Verbal line, and the Verbal and total lines
    // share the next step of 450.
    QTextCursor cursor(rtf_summary->document());
    int line = 0;
    for (QTextBlock block = rtf_summary->document()->begin(); block.isValid();
         block = block.next(), ++line) {
        QTextBlockFormat format = block.blockFormat();
        const int heightTwips = line % 3 == 0 ? 240 : 225;
        format.setLineHeight(heightTwips / qreal(ui::twipsPerPixel), QTextBlockFormat::FixedHeight);
        format.setTabPositions(tabStops_);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
    rtf_summary->show();
}

void frm_summary::Command1_Click()
{
    session::ModuleState& state = context_.state;
    state.TestStarted = true;
    state.QuantOver = false;
    state.VerbalOver = false;
    state.VerbalSeconds = 0;
    state.QuantSeconds = 0;
    // The tests-given file may have changed since the caption was set: then the click
    // no longer means what the caption says and is ignored.
    if (Command1->text()
        != QStringLiteral("Take Test ") + QString::number(CheckTestNo(context_.folder, state)))
        return;
    Command1->setToolTip(QStringLiteral("Click to Start Test ") + QString::number(state.CurrentTest));
    const std::int16_t next = CheckTestNo(context_.folder, state);
    state.CurrentTest = CheckTestNo(context_.folder, state);
    if (next != 0) {
        context_.screens.open(ui::ScreenId::Directions);
        state.CurrentTest = next;
    }
}

void frm_summary::Command3_Click()
{
    exitSeries(context_, this);
}

void frm_summary::cmdProgress_Click()
{
    // Like the review: the summary closes, and loads afresh when the report hands back.
    context_.screens.close(ui::ScreenId::Summary);
    context_.screens.open(ui::ScreenId::Progress);
}

void frm_summary::Label3_Click(int k)
{
    ui::ClickLabel* label = Label3(k);
    QPalette red = label->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    label->setPalette(red);
    context_.state.ReviewCorrect = 0;
    const ReviewTarget target = reviewTarget(k);
    if (target.test == 0)
        return;
    context_.state.CurrentTest = target.test;
    context_.state.SectionCode = target.section;
    context_.screens.close(ui::ScreenId::Summary);
    context_.screens.open(ui::ScreenId::Explain);
}

void frm_summary::Label3_MouseMove(int k)
{
    ui::ClickLabel* label = Label3(k);
    QFont underlined = label->font();
    underlined.setUnderline(true);
    label->setFont(underlined);
}

void frm_summary::closeEvent(QCloseEvent* event)
{
    // The title-bar button asks the Exit question; on No the summary stays open.
    event->ignore();
    guarded([this] { Command3_Click(); });
}

bool frm_summary::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == rtf_summary->viewport() && event->type() == QEvent::MouseButtonPress)
        Command3->setFocus();
    return Screen::eventFilter(watched, event);
}

} // namespace kaven::shell
