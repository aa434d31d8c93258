#pragma once

// The numbers of the progress report, computed from the records of the answers file and
// the test details; no widgets. The screen and the PDF only lay them out.

#include "datastore/records.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace kaven::progress {

enum class Section { Quantitative, Verbal };

// The five question types, and Other for an answer whose type or section the program does
// not know (or whose type belongs to the other section).
enum class QuestionType {
    ProblemSolving,
    DataSufficiency,
    SentenceCorrection,
    CriticalReasoning,
    ReadingComprehension,
    Other,
};
inline constexpr int typeCount = 6;
inline constexpr std::array<QuestionType, 5> knownTypes = {
    QuestionType::ProblemSolving, QuestionType::DataSufficiency, QuestionType::SentenceCorrection,
    QuestionType::CriticalReasoning, QuestionType::ReadingComprehension};

QString typeName(QuestionType type);
QString sectionName(Section section);
// Questions of a full section: 37 Quantitative, 41 Verbal.
int sectionQuestions(Section section);
// The even pace: the section's 4500 seconds spread over its questions.
double evenPace(Section section);

// Answers and right answers of one type, and the seconds of those whose time is known.
struct TypeTally {
    int answered = 0;
    int right = 0;
    int timed = 0;
    double seconds = 0;

    // Whole percent, halves up; 0 with no answer.
    int percentRight() const;
    // Seconds per timed answer; empty when none is timed.
    std::optional<double> averageSeconds() const;
};
using TypeTallies = std::array<TypeTally, typeCount>;
inline const TypeTally& tally(const TypeTallies& tallies, QuestionType type)
{
    return tallies[std::size_t(type)];
}

// One confirmed answer of a finished section, numbered in the order of confirmation.
struct Answer {
    int number = 0;
    QuestionType type = QuestionType::Other;
    int level = 0;
    bool right = false;
    double seconds = 0; // on this question, see secondsOfAnswers
};

// A finished section: its test-details record and its answers.
struct SectionRun {
    int test = 0;
    Section section = Section::Quantitative;
    int marks = 0;
    int secondsUsed = 0;
    QDate doneAt;
    std::vector<Answer> answers;

    int questions() const { return sectionQuestions(section); }
    double pace() const { return evenPace(section); }
    // Fewer answers than questions: End Section or the clock ended it.
    bool endedEarly() const { return int(answers.size()) < questions(); }
    // Numbers of the questions that took more than twice the even pace.
    QList<int> slowQuestions() const;
};

// A test with at least one finished section.
struct TestResult {
    int test = 0;
    std::optional<int> quantMarks;
    std::optional<int> verbalMarks;
    TypeTallies types{};

    // The converted score, once both sections are finished.
    std::optional<int> score() const;
};

struct ProgressReport {
    std::vector<TestResult> tests;     // by test number, 1 to 5
    std::vector<SectionRun> sections;  // by test, the Quantitative section first
    TypeTallies allTypes{};            // every finished test together
    QList<QuestionType> weakest;       // lowest share right among the answered types; ties all named
    QString weakestSentence;

    const SectionRun* section(int test, Section which) const;
};

// The seconds spent on each answer of one section, from the time values in the order of
// confirmation. A Verbal value is the seconds on that question already. A Quantitative
// value is the section's tick counter at Confirm, which counts two a second while the
// clock runs and one while it is paused, from the directions page on: each answer gets
// half the growth since the answer before (the first, half its own value). A value below
// the one before (not written by this program) gives 0.
std::vector<double> secondsOfAnswers(Section section, std::span<const std::int32_t> timeValues);

ProgressReport buildProgressReport(std::span<const store::TesdetRecord> tesdet,
                                   std::span<const store::UserprofRecord> userprof);

// One line about a finished section: answers, marks, time used, and how it ended.
QString sectionLine(const SectionRun& run);
// Which questions took more than twice the even pace, as a sentence.
QString slowSentence(const SectionRun& run);

// Reads the working copies of the test details and the answers file afresh; writes nothing.
// StoreError when one cannot be read.
ProgressReport loadProgressReport(const QString& folder);

} // namespace kaven::progress
