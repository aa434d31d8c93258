#include "review/review_tables.h"

#include "datastore/file_io.h"

#include <algorithm>
#include <ranges>

namespace kaven::review {

namespace {

template <class R, class Match> const R* firstRecord(const store::RecordBuffer<R>& buffer, Match match)
{
    const auto records = buffer.records();
    const auto found = std::ranges::find_if(records, match);
    return found == records.end() ? nullptr : &*found;
}

// Where a file holds an id twice, a Reading Comprehension question and its passage are taken
// from the end of their files, every other question from the start.
template <class R, class Match> const R* lastRecord(const store::RecordBuffer<R>& buffer, Match match)
{
    const auto records = buffer.records() | std::views::reverse;
    const auto found = std::ranges::find_if(records, match);
    return found == records.end() ? nullptr : &*found;
}

template <class R> auto hasId(const QString& id)
{
    return [&id](const R& record) { return record.q_id == id; };
}

} // namespace

void loadReviewTables(const QString& folder, ReviewTables& tables)
{
    using store::FileId;
    store::loadWorkingCopy<FileId::userprof>(folder, tables.userprof);
    store::loadWorkingCopy<FileId::vrmast>(folder, tables.vrmast);
    store::loadWorkingCopy<FileId::vsmast>(folder, tables.vsmast);
    store::loadWorkingCopy<FileId::comdet>(folder, tables.comdet);
    store::loadWorkingCopy<FileId::vcmast>(folder, tables.vcmast);
    store::loadWorkingCopy<FileId::qdsmast>(folder, tables.qdsmast);
    store::loadWorkingCopy<FileId::qpsmast>(folder, tables.qpsmast);
}

Explanation explainAnswer(const ReviewTables& tables, int profileIndex, int k)
{
    // The candidate's answer is read from this button's own profile record, so an id that
    // comes up in two tests still shows the answer given in the test under review.
    const store::UserprofRecord& answer = tables.userprof[profileIndex];
    Explanation shown;
    shown.ReviewType = answer.q_type;
    shown.ReviewId = answer.q_id;
    const QString& id = shown.ReviewId;
    const std::int16_t chosen = answer.given_no;

    auto single = [&](const auto* record) {
        if (!record)
            return;
        shown.layout = Layout::Single;
        shown.text = Display_Details_Text(k, choiceQuestion(*record), chosen);
    };
    if (shown.ReviewType == u"C") {
        if (const auto* question = lastRecord(tables.vcmast, hasId<store::VcmastRecord>(id))) {
            const auto* passage = lastRecord(tables.comdet, [question](const store::ComdetRecord& p) {
                return p.psg_id == question->psg_id;
            });
            shown.layout = Layout::WithPassage;
            shown.text = Display_Comp_Text(k, choiceQuestion(*question), chosen);
            shown.passage = passage ? passage->psg_text : QString();
        }
    } else if (shown.ReviewType == u"R") {
        single(firstRecord(tables.vrmast, hasId<store::VrmastRecord>(id)));
    } else if (shown.ReviewType == u"S") {
        single(firstRecord(tables.vsmast, hasId<store::VsmastRecord>(id)));
        shown.underlined = shown.layout != Layout::Nothing;
    } else if (shown.ReviewType == u"P") {
        single(firstRecord(tables.qpsmast, hasId<store::QpsmastRecord>(id)));
    } else if (shown.ReviewType == u"D") {
        if (const auto* question = firstRecord(tables.qdsmast, hasId<store::QdsmastRecord>(id))) {
            shown.layout = Layout::Single;
            shown.text = Display_Data_Suff_Text(k, *question, chosen);
        }
    } else {
        return shown;
    }
    if (shown.layout == Layout::Nothing) {
        // A known type whose question has left its bank.
        shown.layout = Layout::Single;
        shown.text = missingQuestionText(k, answer);
    }
    return shown;
}

} // namespace kaven::review
