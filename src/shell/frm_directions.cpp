#include "shell/frm_directions.h"

#include "shell/directions_text.h"
#include "shell/frm_summary.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

namespace kaven::shell {

namespace {

void setSelectionStart(QTextEdit* box, int position)
{
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(qMin(position, box->document()->characterCount() - 1));
    box->setTextCursor(cursor);
}

} // namespace

frmDirections::frmDirections(session::Context& context) : Screen(context.screens), context_(context)
{
    setObjectName(QStringLiteral("frmDirections"));
    setWindowTitle(QStringLiteral("   General Directions for KAVEN Diagnostic Test"));
    setFixedSize(ui::pxSize(10200, 9480));

    rtf1 = new QTextEdit(this);
    rtf1->setObjectName(QStringLiteral("rtf1"));
    rtf1->setReadOnly(true);
    rtf1->setGeometry(ui::pxRect(300, 240, 9600, 8160));
    QFont text = font();
    text.setPointSize(10);
    rtf1->setFont(text);
    rtf1->installEventFilter(this);
    rtf1->viewport()->installEventFilter(this);

    // Holds the keyboard focus so that the directions never do; it is a small, frameless,
    // empty box that blends into the screen.
    rtf2 = new QTextEdit(this);
    rtf2->setObjectName(QStringLiteral("rtf2"));
    rtf2->setReadOnly(true);
    rtf2->setFrameShape(QFrame::NoFrame);
    rtf2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rtf2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rtf2->viewport()->setAutoFillBackground(false);
    rtf2->setGeometry(ui::pxRect(300, 8640, 300, 300));
    rtf2->installEventFilter(this);
    rtf2->viewport()->setMouseTracking(true);
    rtf2->viewport()->installEventFilter(this);

    LABEL5 = new QPushButton(QStringLiteral("Click &Here to Proceed"), this);
    LABEL5->setObjectName(QStringLiteral("LABEL5"));
    LABEL5->setGeometry(ui::pxRect(3600, 8580, 3000, 540));
    connect(LABEL5, &QPushButton::clicked, this, [this] { guarded([this] { LABEL5_Click(); }); });
}

void frmDirections::load()
{
    QString shown = directionsText();
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    rtf1->setPlainText(shown);
}

void frmDirections::activate()
{
    rtf2->setFocus();
    context_.screens.hide(ui::ScreenId::Summary);
}

void frmDirections::LABEL5_Click()
{
    context_.screens.close(ui::ScreenId::Directions);
    context_.screens.open(ui::ScreenId::Quant);
}

void frmDirections::closeEvent(QCloseEvent* event)
{
    // The title-bar button leaves the series as the summary's Exit does.
    event->ignore();
    guarded([this] { exitSeries(context_, this); });
}

bool frmDirections::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        if (watched == rtf1)
            LABEL5->setFocus();
        break;
    case QEvent::MouseButtonRelease:
        if (watched == rtf1->viewport())
            rtf2->setFocus();
        break;
    case QEvent::KeyPress:
        if (watched == rtf2)
            setSelectionStart(rtf1, 1);
        break;
    case QEvent::MouseMove:
        if (watched == rtf2->viewport()) {
            setSelectionStart(rtf2, 1);
            rtf2->setFocus();
        }
        break;
    default:
        break;
    }
    return Screen::eventFilter(watched, event);
}

} // namespace kaven::shell
