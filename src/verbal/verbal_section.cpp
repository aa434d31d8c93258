#include "verbal/verbal_section.h"

#include "datastore/file_io.h"
#include "datastore/store_error.h"
#include "rules/section_marks.h"
#include "verbal/verbal_text.h"

#include <algorithm>

namespace kaven::verbal {

using store::FileId;

namespace {

// Every level is tried once before a bank counts as unable to serve.
constexpr int levelCount = 5;

// A Sentence Correction level that has run dry falls to the one below, 1 wrapping to 5.
std::int16_t sentenceFallback(std::int16_t level)
{
    return level == 0 ? 3 : level == 1 ? 5 : std::int16_t(level - 1);
}

// A Critical Reasoning level that has run dry climbs to the one above, 5 wrapping to 1.
std::int16_t reasoningFallback(std::int16_t level)
{
    return level == 5 ? 1 : std::int16_t(level + 1);
}

QString upperTrimmed(const QString& code)
{
    return code.trimmed().toUpper();
}

} // namespace

VerbalSection::VerbalSection(QString folder, ui::RandomSource& random, session::ModuleState& state)
    : folder_(std::move(folder)), random_(random), state_(state)
{
}

void VerbalSection::load()
{
    store::loadWorkingCopy<FileId::temp1>(folder_, tables.plan);
    store::loadWorkingCopy<FileId::vrmast>(folder_, tables.reas);
    store::loadWorkingCopy<FileId::vsmast>(folder_, tables.sent);
    store::loadWorkingCopy<FileId::comdet>(folder_, tables.passages);
    store::loadWorkingCopy<FileId::vcmast>(folder_, tables.comp);
    store::loadWorkingCopy<FileId::tesdet>(folder_, tables.tesdet);
    // Every earlier answer of the series, the Quantitative ones of this test included;
    // nothing else writes the file while the section runs.
    store::loadWorkingCopy<FileId::userprof>(folder_, profile_);
    checkPlan();
    mplan_count = tables.plan.counter();
    mplan_pos = 1;
    mtype = tables.plan[1].q_type;
}

void VerbalSection::checkPlan() const
{
    const QString path = store::dataPath(folder_, FileId::temp1, store::Form::Working);
    const auto fail = [&path](int slot, const QString& problem) {
        throw store::StoreError(path, slot, 2, QStringLiteral("q_type"), problem);
    };
    if (tables.plan.isEmpty())
        fail(0, QStringLiteral("the Verbal plan has no question slot"));
    std::int16_t longestPassage = 0;
    for (const store::ComdetRecord& passage : tables.passages.records())
        longestPassage = std::max(longestPassage, passage.q_count);
    for (int slot = 1; slot < tables.plan.counter(); ++slot) {
        const QString& code = tables.plan[slot].q_type;
        if (code != QLatin1String("S") && code != QLatin1String("R") && code != QLatin1String("C"))
            fail(slot, QStringLiteral("\"%1\" is not a Verbal question type (S, R or C)").arg(code));
        if (code != QLatin1String("C") || (slot > 1 && tables.plan[slot - 1].q_type == code))
            continue;
        int run = 0;
        while (slot + run < tables.plan.counter() && tables.plan[slot + run].q_type == code)
            ++run;
        if (run < 2)
            fail(slot, QStringLiteral("a reading passage needs at least two C slots in a row"));
        if (run > longestPassage)
            fail(slot, QStringLiteral("%1 C slots in a row, but no passage has that many questions")
                           .arg(run));
    }
}

Drawn VerbalSection::drawQuestion()
{
    ++mq_no;
    if (mplan_pos >= mplan_count)
        return Drawn::Nothing;
    mtype = tables.plan[mplan_pos].q_type;
    const QString code = upperTrimmed(mtype);
    if (code == QLatin1String("C"))
        return drawComprehension();
    if (code == QLatin1String("S"))
        return drawSentence() ? Drawn::Sentence : Drawn::BankExhausted;
    if (code == QLatin1String("R"))
        return drawReasoning() ? Drawn::Reasoning : Drawn::BankExhausted;
    return Drawn::Nothing;
}

template <class Bank>
bool VerbalSection::drawFrom(Bank& bank, std::int16_t& pos, const QString& name,
                             std::int16_t (*fallback)(std::int16_t))
{
    mtarget_level = setLevel(level, mC_score, mq_no, mright, mI_score);
    mlevel = mtarget_level;
    for (int tried = 0; tried < levelCount; ++tried) {
        Shuffle_Records(name, mlevel);
        for (pos = 1; pos < bank.counter(); ++pos)
            if (!bank[pos].used && bank[pos].q_level == mlevel)
                return true;
        mlevel = fallback(mlevel);
    }
    return false;
}

bool VerbalSection::drawSentence()
{
    return drawFrom(tables.sent, msent_pos, QStringLiteral("Sent"), sentenceFallback);
}

bool VerbalSection::drawReasoning()
{
    return drawFrom(tables.reas, mreas_pos, QStringLiteral("Reas"), reasoningFallback);
}

void VerbalSection::Shuffle_Records(const QString& name, std::int16_t)
{
    // Only the unused questions of level 1 get new keys, whatever level is asked for.
    const auto shuffle = [this](auto& bank, auto key) {
        for (auto& q : bank.records())
            if (!q.used && q.q_level == 1)
                q.*key = std::int32_t(random_.fraction() * 10);
    };
    if (name == QLatin1String("Sent")) {
        shuffle(tables.sent, &store::VsmastRecord::rand_key);
        store::rewriteWorkingCopy<FileId::vsmast>(folder_, tables.sent);
    } else if (name == QLatin1String("Reas")) {
        shuffle(tables.reas, &store::VrmastRecord::rand_key);
        store::rewriteWorkingCopy<FileId::vrmast>(folder_, tables.reas);
    }
}

std::int16_t VerbalSection::checkcomp_Tot()
{
    if (mcomp_active)
        return 0;
    std::int16_t count = 0;
    for (int slot = mplan_pos; slot < mplan_count && tables.plan[slot].q_type == QLatin1String("C");
         ++slot)
        ++count;
    mcomp_active = true;
    return count;
}

bool VerbalSection::passageServable(int index) const
{
    // A passage of three or fewer questions is never marked used, so its questions are
    // asked too: a passage is served only while none of them has been asked, and only
    // when it has a question at all.
    const store::ComdetRecord& p = tables.passages[index];
    if (p.used || p.q_count != mcomp_total || p.psg_level != mlevel)
        return false;
    bool any = false;
    for (const store::VcmastRecord& q : tables.comp.records()) {
        if (q.psg_id != p.psg_id)
            continue;
        if (q.used)
            return false;
        any = true;
    }
    return any;
}

int VerbalSection::choosePassage() const
{
    // The smallest id; of several with that id, the last in the file.
    int chosen = 0;
    for (int index = 1; index < tables.passages.counter(); ++index)
        if (passageServable(index)
            && (chosen == 0 || tables.passages[index].psg_id <= tables.passages[chosen].psg_id))
            chosen = index;
    return chosen;
}

Drawn VerbalSection::drawComprehension()
{
    mtarget_level = setLevel(level, mC_score, mq_no, mright, mI_score);
    mlevel = mtarget_level;
    Drawn drawn = Drawn::NextInPassage;
    if (!mcomp_active) {
        mcomp_total = checkcomp_Tot();
        mcomp_left = std::int16_t(mcomp_total - 1);
        if (mcomp_total < 2) {
            drawn = Drawn::SingleSlot;
        } else {
            mcomp_head = passageHeading(mq_no, mcomp_total);
            int chosen = choosePassage();
            for (int tried = 1; chosen == 0 && tried < levelCount; ++tried) {
                mlevel = ResetLevel(mlevel);
                chosen = choosePassage();
            }
            if (chosen == 0) {
                mcomp_active = false;
                return Drawn::BankExhausted;
            }
            mcomp_pos = std::int16_t(chosen);
            const std::int16_t id = tables.passages[mcomp_pos].psg_id;
            for (int index = 1; index < tables.comp.counter(); ++index)
                if (tables.comp[index].psg_id == id && !tables.comp[index].used) {
                    mcomp_q = std::int16_t(index);
                    break;
                }
            drawn = Drawn::NewPassage;
        }
    } else {
        --mcomp_left;
        // The passage's next question in file order, going round to the first record.
        const std::int16_t id = tables.passages[mcomp_pos].psg_id;
        int index = mcomp_q;
        for (int stepped = 0; stepped <= tables.comp.size(); ++stepped, ++index) {
            if (index >= tables.comp.counter())
                index = 1;
            if (tables.comp[index].psg_id == id)
                break;
        }
        mcomp_q = std::int16_t(index);
    }
    if (drawn != Drawn::SingleSlot) {
        mq_id = tables.comp[mcomp_q].q_id;
        mcomp_shown_pos = mcomp_pos;
        mcomp_shown_q = mcomp_q;
    }
    // Move on: mcomp_q one past the question on screen; after the passage's last question
    // the passage index moves on as well.
    if (mcomp_q <= tables.comp.counter() - 1) {
        ++mcomp_q;
        if (mcomp_left < 1)
            ++mcomp_pos;
    } else {
        mcomp_active = false;
    }
    if (mcomp_left == 0)
        mcomp_active = false;
    return drawn;
}

void VerbalSection::appendProfile(const QString& id, std::int16_t rightOption,
                                  std::int16_t ticks, const QString& type)
{
    profile_.append({id, state_.CurrentTest, QStringLiteral("Verbal"), rightOption, manswer,
                     ticks, type, mlevel, 0});
    store::rewriteWorkingCopy<FileId::userprof>(folder_, profile_);
}

void VerbalSection::credit(std::int16_t rightOption)
{
    if (manswer == rightOption) {
        mright = 1;
        mI_score = 0.25 * mtarget_level + 0.25;
    } else {
        mright = 0;
        mI_score = 0;
    }
    mC_score += mI_score;
}

void VerbalSection::recordAnswer(std::int16_t ticks)
{
    if (mtype == QLatin1String("C")) {
        const store::VcmastRecord* onScreen = nullptr;
        for (store::VcmastRecord& q : tables.comp.records())
            if (q.q_id == mq_id) {
                q.used = true;
                onScreen = &q;
                break;
            }
        store::rewriteWorkingCopy<FileId::vcmast>(folder_, tables.comp);
        const store::VcmastRecord& q = onScreen ? *onScreen : compQuestion();
        appendProfile(q.q_id, q.ans_no, ticks, QStringLiteral("C"));
        credit(q.ans_no);
        // A passage of four or more questions is marked used with its first answer.
        store::ComdetRecord& shown = tables.passages[mcomp_shown_pos];
        if (mcomp_left >= 3 && !shown.used) {
            shown.used = true;
            store::rewriteWorkingCopy<FileId::comdet>(folder_, tables.passages);
        }
    } else if (mtype == QLatin1String("S")) {
        store::VsmastRecord& q = tables.sent[msent_pos];
        q.used = true;
        store::rewriteWorkingCopy<FileId::vsmast>(folder_, tables.sent);
        appendProfile(q.q_id, q.ans_no, ticks, QStringLiteral("S"));
        credit(q.ans_no);
    } else if (upperTrimmed(mtype) == QLatin1String("R")) {
        store::VrmastRecord& q = tables.reas[mreas_pos];
        q.used = true;
        store::rewriteWorkingCopy<FileId::vrmast>(folder_, tables.reas);
        appendProfile(q.q_id, q.ans_no, ticks, QStringLiteral("R"));
        credit(q.ans_no);
    }
}

bool VerbalSection::nextSlot()
{
    ++mplan_pos;
    return mplan_pos >= mplan_count;
}

std::int32_t VerbalSection::writeTestDetails(std::int16_t seconds, const QDate& today)
{
    const std::int32_t marks = rules::sectionMarks(mC_score, mq_no, 41);
    tables.tesdet.append({state_.CurrentTest, QStringLiteral("Verbal"), seconds, marks, {today}});
    store::rewriteWorkingCopy<FileId::tesdet>(folder_, tables.tesdet);
    return marks;
}

} // namespace kaven::verbal
