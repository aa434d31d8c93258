#include "quant/quant_section.h"

#include "datastore/file_io.h"
#include "datastore/store_error.h"
#include "quant/quant_level.h"
#include "rules/section_marks.h"

#include <utility>

namespace kaven::quant {

using store::FileId;

QuantSection::QuantSection(QString folder, ui::RandomSource& random, session::ModuleState& state)
    : folder_(std::move(folder)), random_(random), state_(state)
{
}

void QuantSection::load()
{
    store::loadWorkingCopy<FileId::qtemp1>(folder_, tables.plan);
    store::loadWorkingCopy<FileId::qdsmast>(folder_, tables.dataSuff);
    store::loadWorkingCopy<FileId::qpsmast>(folder_, tables.prob);
    store::loadWorkingCopy<FileId::tesgiv>(folder_, tables.tesgiv);
    checkPlan();
    mplan_count = tables.plan.counter();
    mplan_pos = 1;
    mq_no = 1;
}

void QuantSection::loadAnswers()
{
    store::loadWorkingCopy<FileId::userprof>(folder_, tables.profile);
    store::loadWorkingCopy<FileId::tesdet>(folder_, tables.tesdet);
}

void QuantSection::checkPlan() const
{
    // The draw reads a code trimmed and in capitals but the answer is recorded only for
    // the exact code: a slot written "p" would be asked and then silently not recorded.
    const QString path = store::dataPath(folder_, FileId::qtemp1, store::Form::Working);
    if (tables.plan.isEmpty())
        throw store::StoreError(path, 0, 2, QStringLiteral("q_type"),
                                QStringLiteral("the Quantitative plan has no question slot"));
    for (int slot = 1; slot < tables.plan.counter(); ++slot) {
        const QString& code = tables.plan[slot].q_type;
        if (code != QLatin1String("P") && code != QLatin1String("D"))
            throw store::StoreError(
                path, slot, 2, QStringLiteral("q_type"),
                QStringLiteral("\"%1\" is not a Quantitative question type (P or D)").arg(code));
    }
}

QuantDrawn QuantSection::drawQuestion()
{
    if (mplan_pos > mplan_count)
        return QuantDrawn::Nothing;
    mtype = tables.plan[mplan_pos].q_type;
    const QString code = mtype.trimmed().toUpper();
    if (code == QLatin1String("P"))
        return drawFrom(tables.prob, mprob_pos, QStringLiteral("Prob")) ? QuantDrawn::Problem
                                                                        : QuantDrawn::BankExhausted;
    if (code == QLatin1String("D"))
        return drawFrom(tables.dataSuff, mds_pos, QStringLiteral("Data_suff"))
            ? QuantDrawn::DataSufficiency
            : QuantDrawn::BankExhausted;
    return QuantDrawn::Nothing;
}

template <class Bank> bool QuantSection::drawFrom(Bank& bank, std::int16_t& pos, const QString& name)
{
    mtarget_level = setLevel(mI_score, mC_score, mq_no).value_or(0);
    mlevel = mtarget_level;
    // Each level is tried once; a bank with nothing left anywhere cannot serve.
    bool tried[6] = {};
    for (;;) {
        Shuffle_Records(name, mlevel);
        for (pos = 1; pos < bank.counter(); ++pos)
            if (!bank[pos].used && bank[pos].q_level == mlevel)
                return true;
        if (mlevel >= 0 && mlevel <= 5)
            tried[mlevel] = true;
        const auto next = fallbackLevel(mlevel);
        if (!next || tried[*next])
            return false;
        mlevel = *next;
    }
}

void QuantSection::Shuffle_Records(const QString& name, std::int16_t level)
{
    const auto shuffle = [this, level](auto& bank) {
        for (auto& q : bank.records())
            if (q.q_level == level && !q.used)
                q.rand_key = std::int32_t(random_.fraction() * 10);
    };
    if (name == QLatin1String("Prob")) {
        shuffle(tables.prob);
        store::rewriteWorkingCopy<FileId::qpsmast>(folder_, tables.prob);
    } else if (name == QLatin1String("Data_suff")) {
        shuffle(tables.dataSuff);
        store::rewriteWorkingCopy<FileId::qdsmast>(folder_, tables.dataSuff);
    }
}

void QuantSection::appendProfile(const QString& id, std::int16_t rightOption, std::int32_t ticks,
                                 const QString& type)
{
    tables.profile.append({id, state_.CurrentTest, QStringLiteral("Quantitative"), rightOption,
                           manswer, ticks, type, mlevel, 0});
    store::rewriteWorkingCopy<FileId::userprof>(folder_, tables.profile);
}

void QuantSection::recordAnswer(std::int32_t ticks)
{
    const auto credit = [this](std::int16_t rightOption) {
        mright = rightOption == manswer ? 1 : 0;
        mI_score = (mtarget_level * 0.25 + 0.5) * mright;
    };
    if (mtype == QLatin1String("P")) {
        store::QpsmastRecord& q = tables.prob[mprob_pos];
        credit(q.ans_no);
        q.used = true;
        store::rewriteWorkingCopy<FileId::qpsmast>(folder_, tables.prob);
        appendProfile(q.q_id, q.ans_no, ticks, QStringLiteral("P"));
        // Problem Solving answers at questions 36 and 37 earn nothing.
        if (mq_no < 36)
            mC_score += mI_score;
    } else if (mtype == QLatin1String("D")) {
        store::QdsmastRecord& q = tables.dataSuff[mds_pos];
        credit(q.ans_no);
        q.used = true;
        store::rewriteWorkingCopy<FileId::qdsmast>(folder_, tables.dataSuff);
        appendProfile(q.q_id, q.ans_no, ticks, QStringLiteral("D"));
        mC_score += mI_score;
    }
}

bool QuantSection::nextSlot()
{
    if (mplan_pos < mplan_count)
        ++mplan_pos;
    return mplan_pos >= mplan_count;
}

std::int32_t QuantSection::Update_Test(std::int16_t seconds, const QDate& today)
{
    const std::int32_t marks = rules::sectionMarks(mC_score, mq_no, 37);
    tables.tesdet.append({state_.CurrentTest, QStringLiteral("Quantitative"), seconds, marks, {today}});
    store::rewriteWorkingCopy<FileId::tesdet>(folder_, tables.tesdet);
    for (store::TesgivRecord& test : tables.tesgiv.records())
        if (test.test_no == state_.CurrentTest)
            test.taken = true;
    store::rewriteWorkingCopy<FileId::tesgiv>(folder_, tables.tesgiv);
    return marks;
}

} // namespace kaven::quant
