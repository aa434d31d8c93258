#pragma once

// A scripted candidate: starts the program on a data folder as main does, takes the next test
// of the series through clicks on the real screens and answers to the real message boxes,
// and leaves with the summary's Exit. Every test is its own program run.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <random>
#include <stdexcept>
#include <variant>

namespace kaven::quant {
class frm_quant;
}
namespace kaven::verbal {
class frm_verbal;
}

namespace kaven::drive {

enum class Section { Quant, Verbal };

// Which option the candidate picks: "right", "wrong", "alternate" (right, wrong, right …),
// "random:SEED" (each answer drawn 1 to 5) or a string of digits 1 to 5 used in turn.
// Every pattern starts afresh with each section, except the random draw: each section's
// pattern keeps its own generator, which goes on from test to test.
class AnswerPattern {
public:
    static std::optional<AnswerPattern> parse(const QString& text);

    // The option for question `number` (1-based) of a section, whose key is `key`.
    int choose(int number, int key);

private:
    enum class Kind { Right, Wrong, Alternate, Random, Digits };
    Kind kind_ = Kind::Random;
    QString digits_;
    std::mt19937 engine_{1};
};

// What the candidate does in one section. Question numbers are 1-based; 0 means never.
struct SectionScript {
    AnswerPattern pattern = *AnswerPattern::parse(QStringLiteral("random:1"));
    int endAt = 0;     // End Section (Yes) on this question, the ones before it answered
    int timeoutAt = 0; // the clock runs out on this question, the ones before it answered
    bool exitAt10 = false; // Exit (Yes) on question 10: the program run ends unsaved
};

struct Options {
    QString folder;
    int tests = 1;
    int pace = 60; // seconds of ticks before each Confirm
    SectionScript quant;
    SectionScript verbal;
};

// The command line without the program name; an error text when it cannot be used.
std::variant<Options, QString> parseArguments(const QStringList& arguments);
QString usage();

// One confirmed answer as the screen showed its question.
struct Answered {
    Section section = Section::Quant;
    int number = 0; // question number in the section
    QString q_id;
    QString type;   // "P", "D", "S", "R", "C"
    int key = 0;
    int given = 0;
    int level = 0;       // the level of the question drawn
    int targetLevel = 0; // the level the section aimed at
    QStringList choices; // the five answers of the record, as the screen must show them
};

// One program run.
struct TestRun {
    int test = 0;
    bool exited = false; // left through a section's Exit: nothing of the test was saved
    QList<Answered> answers;
    // As the summary shows them after the test.
    int quantMarks = 0;
    int verbalMarks = 0;
    int score = 0;
    QString summaryText;
    QString nextCaption;  // the summary's Take Test button after the test
};

// Anything the candidate did not expect: a message, a missing screen, a control not there.
class DriveFailure : public std::runtime_error {
public:
    explicit DriveFailure(const QString& what) : std::runtime_error(what.toStdString()) {}
};

class Driver {
public:
    explicit Driver(Options options) : options_(std::move(options)) {}

    // Starts the program, takes the next test and leaves with Exit. Throws DriveFailure.
    TestRun runTest();

    // "test T: quantitative MARKS, verbal MARKS, score SCORE", or what became of an exited test.
    static QString report(const TestRun& run);

private:
    Options options_;
};

// The question on a section's screen, as the section holds it.
Answered questionOnScreen(const quant::frm_quant& screen);
Answered questionOnScreen(const verbal::frm_verbal& screen);

} // namespace kaven::drive
