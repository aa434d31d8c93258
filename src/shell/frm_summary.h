#pragma once

#include "session/context.h"
#include "datastore/record_buffer.h"
#include "datastore/records.h"
#include "ui/screen.h"

#include <QList>
#include <QTextOption>

class QLabel;
class QPushButton;
class QTextEdit;

namespace kaven::ui {
class ClickLabel;
}

namespace kaven::shell {

// The hub of the test series: the finished sections with their scores, a "Click Here" link
// to the review of each, the button that starts the next test, and Exit.
class frm_summary final : public ui::Screen {
    Q_OBJECT
public:
    explicit frm_summary(session::Context& context);

    void load() override;

    // Element k of the "Click Here" array; 0 is the hidden template, 1..n one per line.
    ui::ClickLabel* Label3(int k) const { return Label3_.value(k); }
    int Label3Count() const { return int(Label3_.size()); }
    // The summary text as built, with its TABs and CR LFs.
    const QString& summaryText() const { return summaryText_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Command1_Click();
    void Command3_Click();
    void cmdProgress_Click();
    void Label3_Click(int k);
    void Label3_MouseMove(int k);

    void buildControls();
    void showSummary();
    void loadLabel3(int k, int topTwips);

    session::Context& context_;
    store::RecordBuffer<store::TesdetRecord> tesdet_;
    QString summaryText_;
    int templateTopTwips_ = 0;
    QList<QTextOption::Tab> tabStops_;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QTextEdit* rtf_summary = nullptr;
    QList<ui::ClickLabel*> Label3_;
    QLabel* Label4 = nullptr;
    QLabel* LABEL5 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* cmdProgress = nullptr;
};

// Exit from the series: asks, and on Yes saves every working copy into the store, blanks
// the working copies and ends the program. The summary and the directions share it.
void exitSeries(session::Context& context, QWidget* parent);

} // namespace kaven::shell
