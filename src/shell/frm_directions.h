#pragma once

#include "session/context.h"
#include "ui/screen.h"

class QPushButton;
class QTextEdit;

namespace kaven::shell {

// The general directions between the summary and the first section of a test.
class frmDirections final : public ui::Screen {
    Q_OBJECT
public:
    explicit frmDirections(session::Context& context);

    void load() override;
    void activate() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LABEL5_Click();

    session::Context& context_;
    QTextEdit* rtf1 = nullptr;
    QTextEdit* rtf2 = nullptr;
    QPushButton* LABEL5 = nullptr;
};

} // namespace kaven::shell
