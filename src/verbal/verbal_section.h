#pragma once

#include "session/module_state.h"
#include "datastore/record_buffer.h"
#include "datastore/records.h"
#include "ui/random_source.h"
#include "verbal/verbal_level.h"

#include <QDate>
#include <QString>

#include <cstdint>

namespace kaven::verbal {

// The files the Verbal section reads when its screen loads, in the order it reads them.
struct VerbalTables {
    store::RecordBuffer<store::Temp1Record> plan;
    store::RecordBuffer<store::VrmastRecord> reas;
    store::RecordBuffer<store::VsmastRecord> sent;
    store::RecordBuffer<store::ComdetRecord> passages;
    store::RecordBuffer<store::VcmastRecord> comp;
    store::RecordBuffer<store::TesdetRecord> tesdet;
};

// What a draw put on the screen.
enum class Drawn {
    Nothing,       // the slot's code is none of "S", "R", "C"
    Sentence,      // sentence()
    Reasoning,     // reasoning()
    NewPassage,    // passage() with its first question, compQuestion()
    NextInPassage, // the next question of the passage on screen
    SingleSlot,    // a run of one "C" slot: nothing to ask
    BankExhausted, // no unused question (or passage) of the type at any level
};

// The Verbal section without its widgets: the plan, the draws of the three kinds of
// question with their level walks, the recording of an answer and the section's marks.
// Every change to a file rewrites its working copy at once.
class VerbalSection {
public:
    VerbalSection(QString folder, ui::RandomSource& random, session::ModuleState& state);

    // Reads the plan, the banks, the passages and the test details. A plan the banks cannot
    // serve (a code other than "S", "R", "C", a run of one "C" slot, a run longer than every
    // passage) is a StoreError that names the plan's line.
    void load();

    // The question of plan slot mplan_pos: counts it (mq_no) and draws it.
    Drawn drawQuestion();
    // Records the answer manswer to the question on screen, spent `ticks` seconds on:
    // used flag, profile record, credit and running score.
    void recordAnswer(std::int16_t ticks);
    // Moves to the next plan slot; true when the plan is over.
    bool nextSlot();
    // Appends the section's test-details record and rewrites the file; returns the marks.
    std::int32_t writeTestDetails(std::int16_t seconds, const QDate& today);

    // The random keys of the unused level-1 questions of a bank ("Sent" or "Reas"), then
    // the bank's file rewritten. The level is not used; the keys are only stored.
    void Shuffle_Records(const QString& name, std::int16_t level);
    // The number of "C" slots from mplan_pos on; 0 while a passage is in progress.
    std::int16_t checkcomp_Tot();

    const store::VsmastRecord& sentence() const { return tables.sent[msent_pos]; }
    const store::VrmastRecord& reasoning() const { return tables.reas[mreas_pos]; }
    const store::ComdetRecord& passage() const { return tables.passages[mcomp_shown_pos]; }
    const store::VcmastRecord& compQuestion() const { return tables.comp[mcomp_shown_q]; }

    VerbalTables tables;

    // The section.
    std::int16_t mq_no = 0;
    double mI_score = 0;
    double mC_score = 0;
    std::int16_t mtarget_level = 0;
    std::int16_t mlevel = 0;
    std::int16_t mright = 0;
    std::int16_t manswer = 0;
    QString mtype;
    QString mq_id;
    std::int16_t mplan_pos = 1;
    std::int16_t mplan_count = 1;

    // The draws.
    LevelState level;
    std::int16_t msent_pos = 0;
    std::int16_t mreas_pos = 0;
    bool mcomp_active = false;
    std::int16_t mcomp_total = 0;
    std::int16_t mcomp_left = 0;
    std::int16_t mcomp_pos = 0;
    std::int16_t mcomp_q = 0;
    QString mcomp_head;

private:
    void checkPlan() const;
    // The first unused question of the level in file order; a level that has run dry
    // passes to the fallback's next level until every level has been tried.
    template <class Bank>
    bool drawFrom(Bank& bank, std::int16_t& pos, const QString& name,
                  std::int16_t (*fallback)(std::int16_t));
    bool drawSentence();
    bool drawReasoning();
    Drawn drawComprehension();
    int choosePassage() const;
    bool passageServable(int index) const;
    void appendProfile(const QString& id, std::int16_t rightOption, std::int16_t ticks,
                       const QString& type);
    void credit(std::int16_t rightOption);

    QString folder_;
    ui::RandomSource& random_;
    session::ModuleState& state_;
    // The passage and the question on screen (the draw moves mcomp_pos and mcomp_q on).
    std::int16_t mcomp_shown_pos = 0;
    std::int16_t mcomp_shown_q = 0;
    store::RecordBuffer<store::UserprofRecord> profile_;
};

} // namespace kaven::verbal
