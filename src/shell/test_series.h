#pragma once

#include "session/module_state.h"
#include "datastore/records.h"

#include <QString>

#include <cstdint>
#include <span>

namespace kaven::shell {

// The smallest test number whose taken flag is false, in whatever order the records come;
// 0 when every test has been taken (or there is no record).
std::int16_t nextTestNo(std::span<const store::TesgivRecord> tests);

// Reads the tests-given working copy afresh and returns the next test. When there is one it
// also becomes CurrentTest; when the series is over CurrentTest is left as it was.
std::int16_t CheckTestNo(const QString& folder, session::ModuleState& state);

// The section that summary line k reviews. Lines pair up by position: line 2t - 1 is taken
// to be test t's Quantitative section and line 2t its Verbal section; lines past the tenth
// review nothing (test 0).
struct ReviewTarget {
    std::int16_t test = 0;
    QString section;
};
ReviewTarget reviewTarget(int line);

// What a screen reader announces for the "Click Here" of line k: "Review test 2, Verbal
// section"; a line that reviews nothing keeps its caption.
QString reviewLinkName(int line);

} // namespace kaven::shell
