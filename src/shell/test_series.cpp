#include "shell/test_series.h"

#include "datastore/file_io.h"

namespace kaven::shell {

std::int16_t nextTestNo(std::span<const store::TesgivRecord> tests)
{
    bool found = false;
    std::int32_t next = 0;
    for (const store::TesgivRecord& test : tests) {
        if (!test.taken && (!found || test.test_no < next)) {
            found = true;
            next = test.test_no;
        }
    }
    return found ? std::int16_t(next) : std::int16_t(0);
}

std::int16_t CheckTestNo(const QString& folder, session::ModuleState& state)
{
    store::RecordBuffer<store::TesgivRecord> tests;
    store::loadWorkingCopy<store::FileId::tesgiv>(folder, tests);
    const std::int16_t next = nextTestNo(tests.records());
    if (next != 0)
        state.CurrentTest = next;
    return next;
}

ReviewTarget reviewTarget(int line)
{
    if (line < 1 || line > 10)
        return {};
    return {std::int16_t((line + 1) / 2),
            line % 2 == 1 ? QStringLiteral("Quantitative") : QStringLiteral("Verbal")};
}

QString reviewLinkName(int line)
{
    const ReviewTarget target = reviewTarget(line);
    if (target.test == 0)
        return QStringLiteral("Click Here");
    return QStringLiteral("Review test %1, %2 section").arg(target.test).arg(target.section);
}

} // namespace kaven::shell
