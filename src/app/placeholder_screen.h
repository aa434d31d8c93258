#pragma once

#include "app/context.h"
#include "ui/screen.h"

namespace kaven::app {

// Stands in for a screen that this version of the program does not have yet: it says so
// and leads back to a freshly loaded test summary.
class PlaceholderScreen final : public ui::Screen {
    Q_OBJECT
public:
    PlaceholderScreen(Context& context, ui::ScreenId self, const QString& caption,
                      const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void backToSummary();

    Context& context_;
    ui::ScreenId self_;
};

} // namespace kaven::app
