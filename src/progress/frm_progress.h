#pragma once

#include "progress/progress_report.h"
#include "session/context.h"
#include "ui/screen.h"

class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace kaven::progress {

// The progress report: the score trend, the answers by question type, and the difficulty
// path and pacing of one chosen section. Reads the working copies when it loads and writes
// none of them; Back and the title-bar button return to a summary loaded afresh.
class frm_progress final : public ui::Screen {
    Q_OBJECT
public:
    explicit frm_progress(session::Context& context);

    void load() override;

    const ProgressReport& report() const { return report_; }
    // Writes the whole report to a PDF file at `path`; tells the candidate how it went.
    void savePdf(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void showTypes();
    void fillSections();
    void showSection();
    void cmdPdf_Click();
    void cmdBack_Click();

    session::Context& context_;
    ProgressReport report_;

    QChartView* chartTrend = nullptr;
    QComboBox* cboTypeTest = nullptr;
    QTableWidget* tblTypes = nullptr;
    QLabel* lblWeakest = nullptr;
    QComboBox* cboTest = nullptr;
    QComboBox* cboSection = nullptr;
    QLabel* lblSection = nullptr;
    QChartView* chartLevels = nullptr;
    QChartView* chartPacing = nullptr;
    QLabel* lblSlow = nullptr;
    QPushButton* cmdPdf = nullptr;
    QPushButton* cmdBack = nullptr;
};

} // namespace kaven::progress
