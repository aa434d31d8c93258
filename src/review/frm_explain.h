#pragma once

#include "session/context.h"
#include "review/review_tables.h"
#include "review/score_sheet.h"
#include "ui/screen.h"

#include <QList>

class QLabel;
class QPushButton;
class QTextEdit;

namespace kaven::review {

// The review of one section of a finished test: a numbered button per answer, red and
// struck through where the answer was wrong, the counts of answers and right answers, and
// for the button clicked the question, its answers, both answer letters and the
// explanation, with the passage beside a Reading Comprehension question. Reads only.
class frm_Explain final : public ui::Screen {
    Q_OBJECT
public:
    explicit frm_Explain(session::Context& context);

    void load() override;
    void activate() override;

    // Element k of the button array; 0 is the hidden template, 1..n one per answer.
    QPushButton* cmdQno(int k) const { return cmdQno_.value(k); }
    int cmdQnoCount() const { return int(cmdQno_.size()); }
    // Type code and question id of the answer last clicked.
    const QString& ReviewType() const { return ReviewType_; }
    const QString& ReviewId() const { return ReviewId_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void loadButton(int k, const SheetButton& button);

    void cmdQno_Click(int k);
    void Display_Details(const Explanation& shown);
    void Display_Comp(const Explanation& shown);
    void Display_Data_Suff(const Explanation& shown);
    void showQuestion(const Explanation& shown);
    void Set_Comp();
    void Reset_Control();
    void cmdback1_Click();
    void cmdhome_Click();

    session::Context& context_;
    ReviewTables tables_;
    ScoreSheet sheet_;
    QString ReviewType_;
    QString ReviewId_;

    QLabel* lblattempted = nullptr;
    QLabel* lblright_ans = nullptr;
    QLabel* Lab_q_link = nullptr;
    QList<QPushButton*> cmdQno_;
    QTextEdit* rtf_q_explain = nullptr;
    QTextEdit* rtf_comp = nullptr;
    QPushButton* cmdback1 = nullptr;
    QPushButton* cmdhome = nullptr;
};

} // namespace kaven::review
