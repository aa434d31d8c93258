#include "progress/progress_report.h"

#include "datastore/file_io.h"
#include "rules/countdown.h"
#include "rules/section_marks.h"

#include <QTime>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace kaven::progress {

namespace {

constexpr int firstTest = 1;
constexpr int lastTest = 5;

std::optional<Section> profileSection(const QString& name)
{
    if (name == QLatin1String("Quantitative"))
        return Section::Quantitative;
    if (name == QLatin1String("Verbal"))
        return Section::Verbal;
    return std::nullopt;
}

// A type code counts as its type only in its own section.
QuestionType typeOf(const QString& code, std::optional<Section> section)
{
    static const std::map<QString, std::pair<QuestionType, Section>> codes = {
        {QStringLiteral("P"), {QuestionType::ProblemSolving, Section::Quantitative}},
        {QStringLiteral("D"), {QuestionType::DataSufficiency, Section::Quantitative}},
        {QStringLiteral("S"), {QuestionType::SentenceCorrection, Section::Verbal}},
        {QStringLiteral("R"), {QuestionType::CriticalReasoning, Section::Verbal}},
        {QStringLiteral("C"), {QuestionType::ReadingComprehension, Section::Verbal}},
    };
    const auto found = codes.find(code);
    if (found == codes.end() || !section || found->second.second != *section)
        return QuestionType::Other;
    return found->second.first;
}

void count(TypeTallies& tallies, QuestionType type, bool right, std::optional<double> seconds)
{
    TypeTally& t = tallies[std::size_t(type)];
    ++t.answered;
    t.right += right ? 1 : 0;
    if (seconds) {
        ++t.timed;
        t.seconds += *seconds;
    }
}

// a has a lower share right than b.
bool lowerShare(const TypeTally& a, const TypeTally& b)
{
    return qint64(a.right) * b.answered < qint64(b.right) * a.answered;
}

QString listed(const QStringList& names)
{
    if (names.size() == 1)
        return names.first();
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ")
        + names.last();
}

void nameWeakest(ProgressReport& report)
{
    std::optional<QuestionType> lowest;
    for (const QuestionType type : knownTypes) {
        const TypeTally& t = tally(report.allTypes, type);
        if (t.answered > 0 && (!lowest || lowerShare(t, tally(report.allTypes, *lowest))))
            lowest = type;
    }
    if (!lowest) {
        report.weakestSentence = QStringLiteral("No answers yet: the report fills in as you finish sections.");
        return;
    }
    const TypeTally& low = tally(report.allTypes, *lowest);
    QStringList names;
    for (const QuestionType type : knownTypes) {
        const TypeTally& t = tally(report.allTypes, type);
        if (t.answered > 0 && !lowerShare(low, t)) {
            report.weakest.append(type);
            names.append(typeName(type));
        }
    }
    if (low.right == low.answered)
        report.weakestSentence = QStringLiteral("Every answer so far is right: no question type has cost you points.");
    else if (report.weakest.size() == 1)
        report.weakestSentence = QStringLiteral("Your weakest type is %1: %2 of %3 right (%4%).")
                                     .arg(names.first())
                                     .arg(low.right)
                                     .arg(low.answered)
                                     .arg(low.percentRight());
    else
        report.weakestSentence = QStringLiteral("Your weakest types are %1, each with %2% right.")
                                     .arg(listed(names))
                                     .arg(low.percentRight());
}

} // namespace

QString typeName(QuestionType type)
{
    switch (type) {
    case QuestionType::ProblemSolving: return QStringLiteral("Problem Solving");
    case QuestionType::DataSufficiency: return QStringLiteral("Data Sufficiency");
    case QuestionType::SentenceCorrection: return QStringLiteral("Sentence Correction");
    case QuestionType::CriticalReasoning: return QStringLiteral("Critical Reasoning");
    case QuestionType::ReadingComprehension: return QStringLiteral("Reading Comprehension");
    case QuestionType::Other: break;
    }
    return QStringLiteral("Other");
}

QString sectionName(Section section)
{
    return section == Section::Verbal ? QStringLiteral("Verbal") : QStringLiteral("Quantitative");
}

int sectionQuestions(Section section)
{
    return section == Section::Verbal ? 41 : 37;
}

double evenPace(Section section)
{
    return double(rules::sectionSeconds) / sectionQuestions(section);
}

int TypeTally::percentRight() const
{
    return answered == 0 ? 0 : int(std::floor(100.0 * right / answered + 0.5));
}

std::optional<double> TypeTally::averageSeconds() const
{
    if (timed == 0)
        return std::nullopt;
    return seconds / timed;
}

QList<int> SectionRun::slowQuestions() const
{
    QList<int> slow;
    for (const Answer& answer : answers)
        if (answer.seconds > 2 * pace())
            slow.append(answer.number);
    return slow;
}

std::optional<int> TestResult::score() const
{
    if (!quantMarks || !verbalMarks)
        return std::nullopt;
    return rules::Actual_Score(std::int16_t(*quantMarks + *verbalMarks));
}

const SectionRun* ProgressReport::section(int test, Section which) const
{
    for (const SectionRun& run : sections)
        if (run.test == test && run.section == which)
            return &run;
    return nullptr;
}

std::vector<double> secondsOfAnswers(Section section, std::span<const std::int32_t> timeValues)
{
    std::vector<double> seconds;
    seconds.reserve(timeValues.size());
    std::int32_t before = 0;
    for (const std::int32_t value : timeValues) {
        if (section == Section::Verbal) {
            seconds.push_back(std::max(value, 0));
            continue;
        }
        seconds.push_back(value < before ? 0.0 : (qint64(value) - before) / 2.0);
        before = std::max(before, value);
    }
    return seconds;
}

ProgressReport buildProgressReport(std::span<const store::TesdetRecord> tesdet,
                                   std::span<const store::UserprofRecord> userprof)
{
    ProgressReport report;
    // The finished sections: the first test-details record of each, tests 1 to 5 only.
    std::map<std::pair<int, Section>, SectionRun> finished;
    for (const store::TesdetRecord& record : tesdet) {
        if (record.test_no < firstTest || record.test_no > lastTest)
            continue;
        const Section section =
            record.section == QLatin1String("Verbal") ? Section::Verbal : Section::Quantitative;
        finished.try_emplace({record.test_no, section},
                             SectionRun{record.test_no, section, record.marks, record.secs_used,
                                        record.done_at.date, {}});
    }
    std::map<int, TestResult> tests;
    for (const auto& [key, run] : finished) {
        TestResult& test = tests[key.first];
        test.test = key.first;
        (key.second == Section::Verbal ? test.verbalMarks : test.quantMarks) = run.marks;
    }

    // The answers of each finished section, in the order of confirmation.
    std::map<std::pair<int, Section>, std::vector<const store::UserprofRecord*>> answered;
    for (const store::UserprofRecord& record : userprof) {
        const auto test = tests.find(record.test_no);
        if (test == tests.end())
            continue; // no section of this test is finished
        const std::optional<Section> section = profileSection(record.section);
        if (!section) {
            count(test->second.types, QuestionType::Other, record.ans_no == record.given_no, std::nullopt);
            continue;
        }
        if (finished.contains({record.test_no, *section}))
            answered[{record.test_no, *section}].push_back(&record);
    }
    for (auto& [key, records] : answered) {
        SectionRun& run = finished.at(key);
        std::vector<std::int32_t> values;
        for (const store::UserprofRecord* record : records)
            values.push_back(record->time_val);
        const std::vector<double> seconds = secondsOfAnswers(key.second, values);
        for (std::size_t i = 0; i < records.size(); ++i) {
            const store::UserprofRecord& record = *records[i];
            const Answer answer{int(i) + 1, typeOf(record.q_type, key.second), record.q_level,
                                record.ans_no == record.given_no, seconds[i]};
            run.answers.push_back(answer);
            count(tests.at(key.first).types, answer.type, answer.right, answer.seconds);
        }
    }

    for (auto& [number, test] : tests) {
        for (std::size_t t = 0; t < test.types.size(); ++t) {
            TypeTally& all = report.allTypes[t];
            all.answered += test.types[t].answered;
            all.right += test.types[t].right;
            all.timed += test.types[t].timed;
            all.seconds += test.types[t].seconds;
        }
        report.tests.push_back(std::move(test));
    }
    for (auto& [key, run] : finished)
        report.sections.push_back(std::move(run));
    nameWeakest(report);
    return report;
}

QString sectionLine(const SectionRun& run)
{
    const QString used = QTime(0, 0).addSecs(std::clamp(run.secondsUsed, 0, 86399)).toString(QStringLiteral("hh:mm:ss"));
    const int answered = int(run.answers.size());
    const QString how = run.endedEarly()
        ? QStringLiteral("%1 of %2 questions answered before the section ended early").arg(answered).arg(run.questions())
        : QStringLiteral("all %1 questions answered").arg(answered);
    return QStringLiteral("Test %1, %2 section: %3; %4 marks; %5 used.")
        .arg(run.test)
        .arg(sectionName(run.section), how)
        .arg(run.marks)
        .arg(used);
}

QString slowSentence(const SectionRun& run)
{
    const int limit = int(std::floor(2 * run.pace()));
    const QList<int> slow = run.slowQuestions();
    if (run.answers.empty())
        return QStringLiteral("No answer was confirmed in this section.");
    if (slow.isEmpty())
        return QStringLiteral("No question took more than twice the even pace (%1 s).").arg(limit);
    QStringList numbers;
    for (const int number : slow)
        numbers.append(QString::number(number));
    return QStringLiteral("More than twice the even pace (over %1 s): question%2 %3.")
        .arg(limit)
        .arg(slow.size() == 1 ? QString() : QStringLiteral("s"))
        .arg(listed(numbers));
}

ProgressReport loadProgressReport(const QString& folder)
{
    store::RecordBuffer<store::TesdetRecord> tesdet;
    store::RecordBuffer<store::UserprofRecord> userprof;
    store::loadWorkingCopy<store::FileId::tesdet>(folder, tesdet);
    store::loadWorkingCopy<store::FileId::userprof>(folder, userprof);
    return buildProgressReport(tesdet.records(), userprof.records());
}

} // namespace kaven::progress
