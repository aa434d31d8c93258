#pragma once

#include "session/module_state.h"
#include "datastore/record_buffer.h"
#include "datastore/records.h"
#include "ui/random_source.h"

#include <QDate>
#include <QString>

#include <cstdint>

namespace kaven::quant {

// The files the Quantitative section reads: the first four when its screen loads, the
// profile and the test details when it becomes the active screen.
struct QuantTables {
    store::RecordBuffer<store::Qtemp1Record> plan;
    store::RecordBuffer<store::QdsmastRecord> dataSuff;
    store::RecordBuffer<store::QpsmastRecord> prob;
    store::RecordBuffer<store::TesgivRecord> tesgiv;
    store::RecordBuffer<store::UserprofRecord> profile;
    store::RecordBuffer<store::TesdetRecord> tesdet;
};

enum class QuantDrawn {
    Nothing,         // no plan slot, or its code is neither "P" nor "D"
    Problem,         // problem()
    DataSufficiency, // dataSufficiency()
    BankExhausted,   // no unused question of the type at any level
};

// The Quantitative section without its widgets: the plan, the draws with their level walk,
// the recording of an answer and the closing record. Every change to a file rewrites its
// working copy at once.
class QuantSection {
public:
    QuantSection(QString folder, ui::RandomSource& random, session::ModuleState& state);

    // The plan, both banks and the series. A plan slot whose code is not exactly "P" or
    // "D", or a plan without slots, is a StoreError naming the plan's line.
    void load();
    // The profile and the test details, read afresh.
    void loadAnswers();

    // The question of plan slot mplan_pos, drawn at the level the score calls for.
    QuantDrawn drawQuestion();
    // Records answer manswer to the question on screen after `ticks`: used flag, profile
    // record, credit and running score.
    void recordAnswer(std::int32_t ticks);
    // Moves to the next plan slot; true when every slot has been answered.
    bool nextSlot();
    // Appends the section's test-details record and marks the test taken; returns the marks.
    std::int32_t Update_Test(std::int16_t seconds, const QDate& today);

    // New random keys for the unused questions of the level in the bank "Prob" or
    // "Data_suff", then the bank's file rewritten. The draw does not read the keys.
    void Shuffle_Records(const QString& name, std::int16_t level);

    const store::QpsmastRecord& problem() const { return tables.prob[mprob_pos]; }
    const store::QdsmastRecord& dataSufficiency() const { return tables.dataSuff[mds_pos]; }

    QuantTables tables;

    std::int16_t mq_no = 0;
    double mI_score = 0;
    double mC_score = 0;
    std::int16_t mtarget_level = 0;
    std::int16_t mlevel = 0;
    QString mtype;
    std::int16_t manswer = 0;
    std::int16_t mright = 0;
    std::int16_t mplan_pos = 1;
    std::int16_t mplan_count = 1;
    std::int16_t mprob_pos = 0; // the Problem Solving question last drawn
    std::int16_t mds_pos = 0;   // the Data Sufficiency question last drawn

private:
    void checkPlan() const;
    template <class Bank> bool drawFrom(Bank& bank, std::int16_t& pos, const QString& name);
    void appendProfile(const QString& id, std::int16_t rightOption, std::int32_t ticks,
                       const QString& type);

    QString folder_;
    ui::RandomSource& random_;
    session::ModuleState& state_;
};

} // namespace kaven::quant
