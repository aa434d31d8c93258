#pragma once

#include "datastore/record_buffer.h"
#include "datastore/records.h"
#include "review/review_text.h"

#include <QString>

namespace kaven::review {

// The data files the review reads, loaded once when it opens; it writes none of them.
struct ReviewTables {
    store::RecordBuffer<store::UserprofRecord> userprof;
    store::RecordBuffer<store::VrmastRecord> vrmast;
    store::RecordBuffer<store::VsmastRecord> vsmast;
    store::RecordBuffer<store::ComdetRecord> comdet;
    store::RecordBuffer<store::VcmastRecord> vcmast;
    store::RecordBuffer<store::QdsmastRecord> qdsmast;
    store::RecordBuffer<store::QpsmastRecord> qpsmast;
};

// Reads the working copies, always in the same order whatever the section.
void loadReviewTables(const QString& folder, ReviewTables& tables);

// How the explanation of one answer is laid out.
enum class Layout {
    Nothing,     // a type code the program does not know: nothing to show
    Single,      // the question box across the screen
    WithPassage, // the passage on the left, the question box on the right
};

struct Explanation {
    Layout layout = Layout::Nothing;
    ExplainText text;
    QString passage;         // WithPassage only
    bool underlined = false; // the question carries the Sentence Correction underline marker
    QString ReviewType;      // the answer's type code
    QString ReviewId;        // the answer's question id
};

// The explanation of button k, whose answer is the profile record at profileIndex.
Explanation explainAnswer(const ReviewTables& tables, int profileIndex, int k);

} // namespace kaven::review
