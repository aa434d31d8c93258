#pragma once

// One record type per data file. Each lists its fields in file order through
// fields(record, visit), which the reader and the writer walk; the field names are the
// ones error messages show.

#include "datastore/field_codec.h"

#include <QString>

#include <cstdint>

namespace kaven::store {

// temp1 (Verbal plan) and qtemp1 (Quantitative plan): one record per question slot.
struct PlanRecord {
    std::int32_t slot_no = 0;
    QString q_type; // "S", "R", "C" in the Verbal plan; "P", "D" in the Quantitative plan

    bool operator==(const PlanRecord&) const = default;
    template <class Self, class Visit> static void fields(Self& r, Visit&& v)
    {
        v("slot_no", r.slot_no);
        v("q_type", r.q_type);
    }
};
using Temp1Record = PlanRecord;
using Qtemp1Record = PlanRecord;

// vsmast: Sentence Correction bank. The choice shown as (B) is field 5, not field 4.
struct VsmastRecord {
    QString q_id;
    QString q_text;
    QString opt_1;
    QString q_note; // never shown
    QString opt_2;
    QString opt_3;
    QString opt_4;
    QString opt_5;
    std::int16_t q_level = 0;
    std::int16_t ans_no = 0;
    bool used = false;
    QString expl;
    std::int32_t rand_key = 0;

    bool operator==(const VsmastRecord&) const = default;
    template <class Self, class Visit> static void fields(Self& r, Visit&& v)
    {
        v("q_id", r.q_id);
        v("q_text", r.q_text);
        v("opt_1", r.opt_1);
        v("q_note", r.q_note);
        v("opt_2", r.opt_2);
        v("opt_3", r.opt_3);
        v("opt_4", r.opt_4);
        v("opt_5", r.opt_5);
        v("q_level", r.q_level);
        v("ans_no", r.ans_no);
        v("used", r.used);
        v("expl", r.expl);
        v("rand_key", r.rand_key);
    }
};

// vrmast: Critical Reasoning bank.
struct VrmastRecord {
    QString q_id;
    QString q_text;
    QString opt_1;
    QString opt_2;
    QString opt_3;
    QString opt_4;
    QString opt_5;
    std::int16_t q_level = 0;
    std::int16_t ans_no = 0;
    QString expl;
    bool used = false;
    QString stmt_1; // statements I to III, added to the question text when not empty
    QString stmt_2;
    QString stmt_3;
    QString q_note_1;
    QString q_note_2;
    std::int32_t rand_key = 0;
    bool tall_q = false;

    bool operator==(const VrmastRecord&) const = default;
    template <class Self, class Visit> static void fields(Self& r, Visit&& v)
    {
        v("q_id", r.q_id);
        v("q_text", r.q_text);
        v("opt_1", r.opt_1);
        v("opt_2", r.opt_2);
        v("opt_3", r.opt_3);
        v("opt_4", r.opt_4);
        v("opt_5", r.opt_5);
        v("q_level", r.q_level);
        v("ans_no", r.ans_no);
        v("expl", r.expl);
        v("used", r.used);
        v("stmt_1", r.stmt_1);
        v("stmt_2", r.stmt_2);
        v("stmt_3", r.stmt_3);
        v("q_note_1", r.q_note_1);
        v("q_note_2", r.q_note_2);
        v("rand_key", r.rand_key);
        v("tall_q", r.tall_q);
    }
};

// vcmast: Reading Comprehension questions.
struct VcmastRecord {
    QString q_id;
    QString q_text;
    QString opt_1;
    QString opt_2;
    QString opt_3;
    QString opt_4;
    QString opt_5;
    std::int16_t q_extra = 0;
    std::int16_t ans_no = 0;
    std::int16_t psg_id = 0; // comdet psg_id
    bool used = false;
    QString expl;
    QString q_note_1;
    QString q_note_2;
    QString q_note_3;
    QString q_note_4;
    QString q_note_5;

    bool operator==(const VcmastRecord&) const = default;
    template <class Self, class Visit> static void fields(Self& r, Visit&& v)
    {
        v("q_id", r.q_id);
        v("q_text", r.q_text);
        v("opt_1", r.opt_1);
        v("opt_2", r.opt_2);
        v("opt_3", r.opt_3);
        v("opt_4", r.opt_4);
        v("opt_5", r.opt_5);
        v("q_extra", r.q_extra);
        v("ans_no", r.ans_no);
        v("psg_id", r.psg_id);
        v("used", r.used);
        v("expl", r.expl);
        v("q_note_1", r.q_note_1);
        v("q_note_2", r.q_note_2);
        v("q_note_3", r.q_note_3);
        v("q_note_4", r.q_note_4);
        v("q_note_5", r.q_note_5);
    }
};

// comdet: reading passages.
struct ComdetRecord {
    std::int16_t psg_id = 0;
    QString psg_text;
    std::int16_t q_count = 0; // questions that go with the passage
    bool used = false;
    std::int16_t psg_level = 0;

    bool operator==(const ComdetRecord&) const = default;
    template <class Self, class Visit> static void fields(Self& r, Visit&& v)
    {
        v("psg_id", r.psg_id);
        v("psg_text", r.psg_text);
        v("q_count", r.q_count);
        v("used", r.used);
        v("psg_level", r.psg_level);
    }
};

// qpsmast: Problem Solving bank.
struct QpsmastRecord {
    QString q_id;
    QString q_text;
    QString opt_1;
    QString opt_2;
    QString opt_3;
    QString opt_4;
    QString opt_5;
    std::int16_t q_level = 0;
    std::int16_t ans_no = 0;
    std::int16_t fig_id = 0; // 0 none, 1 to 5 a figure drawn beside the question
    bool used = false;
    QString expl;
    std::int32_t rand_key = 0;

    bool operator==(const QpsmastRecord&) const = default;
    template <class Self, class Visit> static void fields(Self& r, Visit&& v)
    {
        v("q_id", r.q_id);
        v("q_text", r.q_text);
        v("opt_1", r.opt_1);
        v("opt_2", r.opt_2);
        v("opt_3", r.opt_3);
        v("opt_4", r.opt_4);
        v("opt_5", r.opt_5);
        v("q_level", r.q_level);
        v("ans_no", r.ans_no);
        v("fig_id", r.fig_id);
        v("used", r.used);
        v("expl", r.expl);
        v("rand_key", r.rand_key);
    }
};

// qdsmast: Data Sufficiency bank; its random key comes first.
struct QdsmastRecord {
    std::int32_t rand_key = 0;
    QString q_id;
    QString q_text;
    std::int16_t q_level = 0;
    std::int16_t ans_no = 0;
    bool used = false;
    QString stmt_1; // empty when there is no statement
    QString stmt_2;
    QString expl;
    std::int16_t fig_id = 0;
    bool tall_q = false;

    bool operator==(const QdsmastRecord&) const = default;
    template <class Self, class Visit> static void fields(Self& r, Visit&& v)
    {
        v("rand_key", r.rand_key);
        v("q_id", r.q_id);
        v("q_text", r.q_text);
        v("q_level", r.q_level);
        v("ans_no", r.ans_no);
        v("used", r.used);
        v("stmt_1", r.stmt_1);
        v("stmt_2", r.stmt_2);
        v("expl", r.expl);
        v("fig_id", r.fig_id);
        v("tall_q", r.tall_q);
    }
};

// userprof: one record per confirmed answer, in the order of confirmation.
struct UserprofRecord {
    QString q_id;
    std::int32_t test_no = 0;
    QString section; // "Verbal" or "Quantitative"
    std::int16_t ans_no = 0;
    std::int16_t given_no = 0;
    std::int32_t time_val = 0;
    QString q_type;
    std::int32_t q_level = 0;
    std::int16_t q_seq = 0; // always 0

    bool operator==(const UserprofRecord&) const = default;
    template <class Self, class Visit> static void fields(Self& r, Visit&& v)
    {
        v("q_id", r.q_id);
        v("test_no", r.test_no);
        v("section", r.section);
        v("ans_no", r.ans_no);
        v("given_no", r.given_no);
        v("time_val", r.time_val);
        v("q_type", r.q_type);
        v("q_level", r.q_level);
        v("q_seq", r.q_seq);
    }
};

// tesdet: one record per finished section, in the order in which the sections ended.
struct TesdetRecord {
    std::int32_t test_no = 0;
    QString section; // anything other than "Verbal" counts as the Quantitative section
    std::int32_t secs_used = 0;
    std::int32_t marks = 0;
    StoreDate done_at;

    bool operator==(const TesdetRecord&) const = default;
    template <class Self, class Visit> static void fields(Self& r, Visit&& v)
    {
        v("test_no", r.test_no);
        v("section", r.section);
        v("secs_used", r.secs_used);
        v("marks", r.marks);
        v("done_at", r.done_at);
    }
};

// tesgiv: one record per test of the series.
struct TesgivRecord {
    std::int32_t test_no = 0;
    bool taken = false;
    bool extra_flag = false; // carried unchanged

    bool operator==(const TesgivRecord&) const = default;
    template <class Self, class Visit> static void fields(Self& r, Visit&& v)
    {
        v("test_no", r.test_no);
        v("taken", r.taken);
        v("extra_flag", r.extra_flag);
    }
};

} // namespace kaven::store
