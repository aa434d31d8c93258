#pragma once

// Turns the question sources into the records of the delivered store files, refusing any
// question that breaks a rule of the banks.

#include "datastore/record_buffer.h"
#include "datastore/records.h"
#include "source_reader.h"

#include <QSet>

namespace kaven::content {

// Rules every question shares: unique ids across all banks, five different one-line
// choices, an explanation of two to six sentences.
class Rules {
public:
    QString id(const Entry& entry);
    QString explanation(const Entry& entry) const;
    QStringList choices(const Entry& entry) const;
    // A figure question names points of its figure, and only points that figure labels.
    void figureText(const Entry& entry, const QString& text, int figure) const;

    static constexpr int maxChoiceLength = 45;

private:
    QSet<QString> ids_;
};

void addProblemSolving(const QString& path, Rules& rules, store::RecordBuffer<store::QpsmastRecord>& bank);
void addDataSufficiency(const QString& path, Rules& rules, store::RecordBuffer<store::QdsmastRecord>& bank);

// A section plan: one type code per line, each from the allowed codes.
void readPlan(const QString& path, const QString& codes, store::RecordBuffer<store::PlanRecord>& plan);

// The five tests of a series, none taken.
void fillSeries(store::RecordBuffer<store::TesgivRecord>& series);

} // namespace kaven::content
