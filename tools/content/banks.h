#pragma once

// Turns the question sources into the records of the delivered store files, refusing any
// question that breaks a rule of the banks.

#include "datastore/record_buffer.h"
#include "datastore/records.h"
#include "source_reader.h"

#include <QSet>

namespace kaven::content {

// Where a question or passage sits on the exam's difficulty scale: the level it is asked
// at and the median of its blind ratings.
struct Calibration {
    QString bank;
    int level = 0;
    double median = 0;
};

// Rules every question shares: unique ids across all banks, five different one-line
// choices, an explanation of two to six sentences, a level that its blind ratings bear out;
// and passages with unique numbers.
class Rules {
public:
    QString id(const Entry& entry);
    // The entry's level, held to its ratings: at least two blind ratings on the exam's
    // scale (0 below its floor, 1 its easiest questions, 3 its median, 5 its hardest tenth),
    // a median of at least 1, and a level no more than one away from that median. A reading
    // question has no level of its own: it is held to its passage's.
    std::int16_t level(const Entry& entry, const QString& bank, int passageLevel = 0);
    const QList<Calibration>& calibration() const { return calibration_; }
    std::int16_t passage(const Entry& entry);
    // Two to six sentences; at levels 4 and 5 it names the trap the question sets.
    QString explanation(const Entry& entry, int level) const;
    QStringList choices(const Entry& entry, int maxLength = maxChoiceLength) const;
    // A figure question names points of its figure, and only points that figure labels.
    void figureText(const Entry& entry, const QString& text, int figure) const;

    static constexpr int maxChoiceLength = 45;        // a Quantitative choice
    static constexpr int maxVerbalChoiceLength = 160; // Sentence Correction, Reading Comprehension
    static constexpr int maxReasoningChoiceLength = 200;

private:
    QSet<QString> ids_;
    QSet<int> passages_;
    QList<Calibration> calibration_;
};

// The five checked choices into a record's fields opt_1 .. opt_5 and its key from the
// entry's answer letter.
template <class R> void setChoices(R& record, const QStringList& choices, const Entry& entry)
{
    record.opt_1 = choices[0];
    record.opt_2 = choices[1];
    record.opt_3 = choices[2];
    record.opt_4 = choices[3];
    record.opt_5 = choices[4];
    record.ans_no = std::int16_t(entry.letter(QStringLiteral("answer")));
}

// Adds the record an entry compiles to; a full bank refuses it.
template <class R> void appendEntry(store::RecordBuffer<R>& bank, const R& record, const Entry& entry)
{
    if (bank.isFull())
        throw ContentError(entry.file, entry.line, QStringLiteral("a bank holds at most 500 entries"));
    bank.append(record);
}

void addProblemSolving(const QString& path, Rules& rules, store::RecordBuffer<store::QpsmastRecord>& bank);
void addDataSufficiency(const QString& path, Rules& rules, store::RecordBuffer<store::QdsmastRecord>& bank);

void addSentenceCorrection(const QString& path, Rules& rules, store::RecordBuffer<store::VsmastRecord>& bank);
void addCriticalReasoning(const QString& path, Rules& rules, store::RecordBuffer<store::VrmastRecord>& bank);
// One passage per file: the passage, then its three or four questions in the order asked.
void addReadingComprehension(const QString& path, Rules& rules, store::RecordBuffer<store::ComdetRecord>& passages,
                             store::RecordBuffer<store::VcmastRecord>& questions);

// A section plan: one type code per line, each from the allowed codes. When a passage code
// is given, every run of it is three or four slots long: the screens serve a passage's
// questions in one run, and passages have three or four.
void readPlan(const QString& path, const QString& codes, store::RecordBuffer<store::PlanRecord>& plan,
              QChar passageCode = {});

// The five tests of a series, none taken.
void fillSeries(store::RecordBuffer<store::TesgivRecord>& series);

} // namespace kaven::content
