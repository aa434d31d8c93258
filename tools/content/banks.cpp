#include "banks.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

#include <stdexcept>

namespace kaven::content {

namespace {

// Beyond this much text a Data Sufficiency stem and its statements need the tall layout.
constexpr int plainDataSufficiencyLength = 380;

// The lowercase points each figure labels.
QString pointsOf(int figure)
{
    switch (figure) {
    case 1: return QStringLiteral("o");
    case 2: return QStringLiteral("ox");
    case 3:
    case 5: return QStringLiteral("abcd");
    case 4: return QStringLiteral("abc");
    default: return {};
    }
}

} // namespace

QString Rules::id(const Entry& entry)
{
    static const QRegularExpression shape(QStringLiteral("^[A-Z]{2}[0-9]{3}$"));
    const Field& f = entry.field(QStringLiteral("id"));
    if (!shape.match(f.value).hasMatch())
        entry.fail(f, QStringLiteral("must be two capital letters and three digits"));
    if (ids_.contains(f.value))
        entry.fail(f, QStringLiteral("%1 is used by another question").arg(f.value));
    ids_.insert(f.value);
    return f.value;
}

std::int16_t Rules::level(const Entry& entry, const QString& bank, int passageLevel)
{
    const Field& rated = entry.field(QStringLiteral("ratings"));
    QList<int> ratings;
    bool valid = true;
    for (const QString& word : rated.value.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        ratings.append(word.toInt(&ok));
        valid = valid && ok && ratings.last() >= 0 && ratings.last() <= 5;
    }
    if (!valid || ratings.size() < 2)
        entry.fail(rated, QStringLiteral("at least two blind ratings, whole numbers from 0 to 5 separated by blanks"));
    std::sort(ratings.begin(), ratings.end());
    const auto n = ratings.size();
    const double median = n % 2 ? ratings[n / 2] : (ratings[n / 2 - 1] + ratings[n / 2]) / 2.0;
    if (median < 1)
        entry.fail(rated, QStringLiteral("the median rating %1 is below the exam's floor (1)").arg(median));
    const int level = passageLevel ? passageLevel : entry.number(QStringLiteral("level"), 1, 5);
    if (std::abs(level - median) > 1)
        entry.fail(passageLevel ? rated : entry.field(QStringLiteral("level")),
                   QStringLiteral("%1 %2 is more than one away from the median rating %3")
                       .arg(passageLevel ? QStringLiteral("the passage's level") : QStringLiteral("level"))
                       .arg(level).arg(median));
    calibration_.append({bank, level, median});
    return std::int16_t(level);
}

std::int16_t Rules::passage(const Entry& entry)
{
    const int number = entry.number(QStringLiteral("passage"), 1, 32767);
    if (passages_.contains(number))
        entry.fail(entry.field(QStringLiteral("passage")),
                   QStringLiteral("%1 is the number of another passage").arg(number));
    passages_.insert(number);
    return std::int16_t(number);
}

QString Rules::explanation(const Entry& entry, int level) const
{
    // A sentence ends at . ! or ? before a capital or the end (so 'n! - 2' goes on).
    static const QRegularExpression sentenceEnd(QStringLiteral("[.!?](?=\\s+[A-Z(]|\\s*$)"));
    const QString text = entry.text(QStringLiteral("explanation"));
    const auto sentences = text.count(sentenceEnd);
    if (sentences < 2 || sentences > 6)
        entry.fail(entry.field(QStringLiteral("explanation")),
                   QStringLiteral("has %1 sentences; an explanation has two to six").arg(sentences));
    static const QRegularExpression trap(QStringLiteral("\\btrap\\b"), QRegularExpression::CaseInsensitiveOption);
    if (level >= 4 && !text.contains(trap))
        entry.fail(entry.field(QStringLiteral("explanation")),
                   QStringLiteral("at level %1 names its trap ('The trap is choice C, which ...')").arg(level));
    return text;
}

QStringList Rules::choices(const Entry& entry, int maxLength) const
{
    QStringList texts;
    for (const char* name : {"A", "B", "C", "D", "E"}) {
        const QString key = QString::fromLatin1(name);
        const QString text = entry.text(key);
        const Field& f = entry.field(key);
        if (text.size() > maxLength || text.contains(QLatin1Char('\n')))
            entry.fail(f, QStringLiteral("a choice is one line of at most %1 characters").arg(maxLength));
        if (texts.contains(text))
            entry.fail(f, QStringLiteral("repeats another choice"));
        texts.append(text);
    }
    return texts;
}

void Rules::figureText(const Entry& entry, const QString& text, int figure) const
{
    if (figure == 0)
        return;
    const Field& f = entry.field(QStringLiteral("question"));
    // Names of points and segments: words made only of the letters any figure uses.
    // The article 'a' is left out of the single letters.
    static const QRegularExpression point(QStringLiteral("\\b([abcdox]{1,4})\\b"));
    const QString drawn = pointsOf(figure);
    bool namesPoint = false;
    for (auto match = point.globalMatch(text); match.hasNext();) {
        const QString name = match.next().captured(1);
        if (name == QLatin1String("a"))
            continue;
        for (const QChar letter : name) {
            if (!drawn.contains(letter))
                entry.fail(f, QStringLiteral("names '%1', but figure %2 labels only %3")
                                  .arg(name).arg(figure).arg(drawn.split(QString(), Qt::SkipEmptyParts).join(QStringLiteral(", "))));
        }
        namesPoint = true;
    }
    if (!namesPoint)
        entry.fail(f, QStringLiteral("names none of the points of figure %1").arg(figure));
}

void addProblemSolving(const QString& path, Rules& rules, store::RecordBuffer<store::QpsmastRecord>& bank)
{
    static const QStringList order{"id", "level", "ratings", "figure", "question", "A", "B", "C", "D", "E",
                                   "answer", "explanation"};
    for (const Entry& entry : readEntries(path, order)) {
        store::QpsmastRecord q;
        q.q_id = rules.id(entry);
        q.q_level = rules.level(entry, QStringLiteral("Problem Solving"));
        q.fig_id = std::int16_t(entry.number(QStringLiteral("figure"), 0, 5));
        q.q_text = entry.text(QStringLiteral("question"));
        rules.figureText(entry, q.q_text, q.fig_id);
        const QStringList choices = rules.choices(entry);
        setChoices(q, choices, entry);
        q.expl = rules.explanation(entry, q.q_level);
        q.used = false;
        q.rand_key = 0;
        appendEntry(bank, q, entry);
    }
}

void addDataSufficiency(const QString& path, Rules& rules, store::RecordBuffer<store::QdsmastRecord>& bank)
{
    static const QStringList order{"id", "level", "ratings", "figure", "tall", "question", "statement1",
                                   "statement2", "answer", "explanation"};
    for (const Entry& entry : readEntries(path, order)) {
        store::QdsmastRecord q;
        q.rand_key = 0;
        q.q_id = rules.id(entry);
        q.q_level = rules.level(entry, QStringLiteral("Data Sufficiency"));
        q.fig_id = std::int16_t(entry.number(QStringLiteral("figure"), 0, 5));
        q.tall_q = entry.yesNo(QStringLiteral("tall"));
        q.q_text = entry.text(QStringLiteral("question"));
        q.stmt_1 = entry.text(QStringLiteral("statement1"));
        q.stmt_2 = entry.text(QStringLiteral("statement2"));
        rules.figureText(entry, q.q_text, q.fig_id);
        const auto length = q.q_text.size() + q.stmt_1.size() + q.stmt_2.size();
        if (length > plainDataSufficiencyLength && !q.tall_q)
            entry.fail(entry.field(QStringLiteral("tall")),
                       QStringLiteral("stem and statements run to %1 characters: say yes").arg(length));
        q.ans_no = std::int16_t(entry.letter(QStringLiteral("answer")));
        q.used = false;
        q.expl = rules.explanation(entry, q.q_level);
        appendEntry(bank, q, entry);
    }
}

void readPlan(const QString& path, const QString& codes, store::RecordBuffer<store::PlanRecord>& plan,
              QChar passageCode)
{
    int run = 0;      // passage slots in a row so far
    int runLine = 0;  // the line the run starts on
    auto endRun = [&] {
        if (run != 0 && run != 3 && run != 4)
            throw ContentError(path, runLine, QStringLiteral("a run of %1 slots is %2 long; a passage has 3 or 4 questions")
                                                  .arg(passageCode).arg(run));
        run = 0;
    };
    for (const auto& [code, line] : readList(path)) {
        if (code.size() != 1 || !codes.contains(code))
            throw ContentError(path, line, QStringLiteral("a slot is one of the codes %1").arg(codes));
        if (plan.isFull())
            throw ContentError(path, line, QStringLiteral("a plan holds at most 500 slots"));
        plan.append({plan.counter(), code});
        if (!passageCode.isNull() && code[0] == passageCode) {
            if (run++ == 0)
                runLine = line;
        } else {
            endRun();
        }
    }
    endRun();
}

void fillSeries(store::RecordBuffer<store::TesgivRecord>& series)
{
    for (int test = 1; test <= 5; ++test)
        series.append({test, false, false});
}

} // namespace kaven::content
