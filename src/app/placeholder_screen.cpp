#include "app/placeholder_screen.h"

#include "ui/twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace kaven::app {

PlaceholderScreen::PlaceholderScreen(Context& context, ui::ScreenId self, const QString& caption,
                                     const QString& text)
    : Screen(context.screens), context_(context), self_(self)
{
    setWindowTitle(caption);
    setFixedSize(ui::pxSize(7200, 3000));
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("lblPlaceholder"));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(ui::pxRect(480, 480, 6240, 1200));
    auto* back = new QPushButton(QStringLiteral("&Back to the Test Summary"), this);
    back->setObjectName(QStringLiteral("cmdBack"));
    back->setGeometry(ui::pxRect(2400, 2040, 2400, 480));
    connect(back, &QPushButton::clicked, this, [this] { guarded([this] { backToSummary(); }); });
}

void PlaceholderScreen::closeEvent(QCloseEvent* event)
{
    event->ignore();
    guarded([this] { backToSummary(); });
}

void PlaceholderScreen::backToSummary()
{
    context_.screens.close(self_);
    context_.screens.open(ui::ScreenId::Summary);
}

} // namespace kaven::app
