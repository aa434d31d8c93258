// The Verbal banks: Sentence Correction, Critical Reasoning, and the reading passages with
// their questions.

#include "banks.h"

#include <QRegularExpression>

#include <algorithm>

namespace kaven::content {

namespace {

// How much room a Critical Reasoning question takes in the question label of the Verbal
// screen, counted in characters the way the label lays them out.
//
// The label is 8500 twips (567 pixels) wide and, when not tall, 1455 twips (97 pixels)
// high. In the screen's font at 10 points (DejaVu Sans on Debian, 13 pixels) it sets a line
// every 16 pixels: six lines fit, and the tall label (2200 twips, 146 pixels) holds nine.
// Laid out there, one by one, 712 paragraphs of Verbal prose never took more lines than
// their length over 82 characters, rounded up (at 84 a few did), so a line is counted as
// 82 characters. A paragraph starts on a new line, the empty line between two paragraphs
// is a line of its own, and so is each statement: each counts up to the end of its last
// line. The statements stand in rows below the argument, their text in a column about 530
// pixels wide beside the numeral, so a statement's line holds 76 characters (82 scaled to
// that width; at 82 a statement took a line more than counted). Past six lines the question
// needs the tall label. An argument whose question stands in a paragraph of its own
// reaches that from about 360 characters on.
constexpr int reasoningLineLength = 82;
constexpr int statementLineLength = 76;
constexpr int plainReasoningLines = 6;

int laidOutLines(const QString& text, int lineLength = reasoningLineLength)
{
    int lines = 0;
    for (const QString& line : text.split(QStringLiteral("\r\n")))
        lines += std::max(1, int((line.size() + lineLength - 1) / lineLength));
    return lines;
}

// Where the fifth answer of a Critical Reasoning question ends on the Verbal screen, in
// twips, by the same count of lines. A line is 16 pixels (240 twips); a statement row is 2
// pixels taller for the padding of its cells. The question label starts 450 down the
// question area and is max(tall ? 2200 : 1455, what its lines need) high; the first answer
// starts 250 below it, and the answers, wrapped at the label's width, stand 100 apart.
// The screen gives a Critical Reasoning question no scroll bar, so its fifth answer must
// end by 5200, where the screen puts the last answer of a question it scrolls; the 300
// twips left below that in the 5500 of the question area take up a line the count misses.
constexpr int lineTwips = 240;
constexpr int statementPadding = 30;
constexpr int lastAnswerFoot = 5200;

int fifthAnswerFoot(int labelLines, int statements, bool tall, const QStringList& choices)
{
    const int label = std::max(tall ? 2200 : 1455, labelLines * lineTwips + statements * statementPadding);
    int foot = 450 + label + 250 + 4 * 100;
    for (const QString& choice : choices)
        foot += laidOutLines(choice) * lineTwips;
    return foot;
}

// Braces mark the underlined part of a Sentence Correction sentence and nothing else.
void refuseBraces(const Entry& entry, const QString& except = {})
{
    for (const Field& f : entry.fields) {
        if (f.name != except && (f.value.contains(QLatin1Char('{')) || f.value.contains(QLatin1Char('}'))))
            entry.fail(f, QStringLiteral("braces { } only mark the underlined part of a sentence"));
    }
}

// The part of the sentence between its one pair of braces.
QString underlinedPart(const Entry& entry, const QString& sentence)
{
    const auto open = sentence.indexOf(QLatin1Char('{'));
    const auto close = sentence.indexOf(QLatin1Char('}'));
    if (sentence.count(QLatin1Char('{')) != 1 || sentence.count(QLatin1Char('}')) != 1 || close < open)
        entry.fail(entry.field(QStringLiteral("sentence")),
                   QStringLiteral("must mark exactly one underlined part as {...}"));
    return sentence.mid(open + 1, close - open - 1);
}

int wordCount(const QString& text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    static const QRegularExpression letterOrDigit(QStringLiteral("[\\p{L}\\p{N}]"));
    const QStringList tokens = text.split(blanks, Qt::SkipEmptyParts);
    return int(std::count_if(tokens.begin(), tokens.end(),
                             [](const QString& token) { return token.contains(letterOrDigit); }));
}

} // namespace

void addSentenceCorrection(const QString& path, Rules& rules, store::RecordBuffer<store::VsmastRecord>& bank)
{
    static const QStringList order{"id", "level", "ratings", "note", "sentence", "A", "B", "C", "D", "E",
                                   "answer", "explanation"};
    for (const Entry& entry : readEntries(path, order)) {
        store::VsmastRecord q;
        q.q_id = rules.id(entry);
        q.q_level = rules.level(entry, QStringLiteral("Sentence Correction"));
        q.q_note = entry.text(QStringLiteral("note"));
        q.q_text = entry.text(QStringLiteral("sentence")); // the screens underline the braced part
        const QString underlined = underlinedPart(entry, q.q_text);
        refuseBraces(entry, QStringLiteral("sentence"));
        const QStringList choices = rules.choices(entry, Rules::maxVerbalChoiceLength);
        if (choices[0] != underlined)
            entry.fail(entry.field(QStringLiteral("A")),
                       QStringLiteral("must repeat the underlined part exactly: %1").arg(underlined));
        setChoices(q, choices, entry);
        q.used = false;
        q.expl = rules.explanation(entry, q.q_level);
        q.rand_key = 0;
        appendEntry(bank, q, entry);
    }
}

void addCriticalReasoning(const QString& path, Rules& rules, store::RecordBuffer<store::VrmastRecord>& bank)
{
    static const QStringList order{"id", "level", "ratings", "tall", "argument", "statement1", "statement2",
                                   "statement3", "A", "B", "C", "D", "E", "answer", "explanation"};
    for (const Entry& entry : readEntries(path, order)) {
        store::VrmastRecord q;
        q.q_id = rules.id(entry);
        q.q_level = rules.level(entry, QStringLiteral("Critical Reasoning"));
        q.tall_q = entry.yesNo(QStringLiteral("tall"));
        q.q_text = entry.text(QStringLiteral("argument"));
        q.stmt_1 = entry.optionalText(QStringLiteral("statement1"));
        q.stmt_2 = entry.optionalText(QStringLiteral("statement2"));
        q.stmt_3 = entry.optionalText(QStringLiteral("statement3"));
        refuseBraces(entry);
        const QString statements[] = {q.stmt_1, q.stmt_2, q.stmt_3};
        const auto filled = std::count_if(std::begin(statements), std::end(statements),
                                          [](const QString& s) { return !s.trimmed().isEmpty(); });
        if (filled != 0 && filled != 3)
            entry.fail(entry.field(QStringLiteral("statement1")),
                       QStringLiteral("the three statements are all filled or all empty"));
        int lines = laidOutLines(q.q_text);
        for (const QString& statement : statements)
            lines += statement.isEmpty() ? 0 : laidOutLines(statement, statementLineLength);
        if (lines > plainReasoningLines && !q.tall_q)
            entry.fail(entry.field(QStringLiteral("tall")),
                       QStringLiteral("argument and statements fill %1 lines of the question label, "
                                      "which holds %2: say yes")
                           .arg(lines).arg(plainReasoningLines));
        const QStringList choices = rules.choices(entry, Rules::maxReasoningChoiceLength);
        const int foot = fifthAnswerFoot(lines, int(filled), q.tall_q, choices);
        if (foot > lastAnswerFoot) {
            const int over = (foot - lastAnswerFoot + lineTwips - 1) / lineTwips;
            entry.fail(entry.field(QStringLiteral("E")),
                       QStringLiteral("the fifth answer ends at %1 twips, %2 below the %3 the question area "
                                      "shows without a scroll bar (%4 %5): shorten the argument or the longest choices")
                           .arg(foot).arg(foot - lastAnswerFoot).arg(lastAnswerFoot).arg(over)
                           .arg(over == 1 ? QStringLiteral("line") : QStringLiteral("lines")));
        }
        setChoices(q, choices, entry);
        q.expl = rules.explanation(entry, q.q_level);
        q.used = false;
        q.rand_key = 0;
        appendEntry(bank, q, entry);
    }
}

void addReadingComprehension(const QString& path, Rules& rules, store::RecordBuffer<store::ComdetRecord>& passages,
                             store::RecordBuffer<store::VcmastRecord>& questions)
{
    static const QStringList passageOrder{"passage", "level", "ratings", "topic", "text"};
    static const QStringList questionOrder{"id", "ratings", "question", "A", "B", "C", "D", "E", "answer", "explanation"};
    static const QStringList topics{"science", "business", "social science", "humanities"};
    const QList<Entry> entries = readEntries(path, {passageOrder, questionOrder});
    if (entries.isEmpty())
        throw ContentError(path, 0, QStringLiteral("holds no passage"));
    const Entry& head = entries.first();
    if (head.fields.first().name != passageOrder.first())
        throw ContentError(path, head.line, QStringLiteral("a reading source starts with its passage"));

    store::ComdetRecord passage;
    passage.psg_id = rules.passage(head);
    passage.psg_level = rules.level(head, QStringLiteral("Reading passages"));
    const Field& topic = head.field(QStringLiteral("topic"));
    if (!topics.contains(topic.value))
        head.fail(topic, QStringLiteral("must be one of ") + topics.join(QStringLiteral(", ")));
    passage.psg_text = head.text(QStringLiteral("text"));
    const int words = wordCount(passage.psg_text);
    if (words < 250 || words > 450)
        head.fail(head.field(QStringLiteral("text")),
                  QStringLiteral("has %1 words; a passage has 250 to 450").arg(words));
    refuseBraces(head);

    for (const Entry& entry : entries.mid(1)) {
        if (entry.fields.first().name != questionOrder.first())
            throw ContentError(path, entry.line, QStringLiteral("a reading source holds one passage"));
        store::VcmastRecord q;
        q.q_id = rules.id(entry);
        rules.level(entry, QStringLiteral("Reading Comprehension"), passage.psg_level);
        q.q_text = entry.text(QStringLiteral("question"));
        refuseBraces(entry);
        const QStringList choices = rules.choices(entry, Rules::maxVerbalChoiceLength);
        setChoices(q, choices, entry);
        q.q_extra = 0;
        q.psg_id = passage.psg_id;
        q.used = false;
        q.expl = rules.explanation(entry, passage.psg_level);
        appendEntry(questions, q, entry);
    }
    passage.q_count = std::int16_t(entries.size() - 1);
    if (passage.q_count < 3 || passage.q_count > 4)
        throw ContentError(path, head.line, QStringLiteral("passage %1 has %2 questions; a passage has 3 or 4")
                                                .arg(passage.psg_id).arg(passage.q_count));
    passage.used = false;
    appendEntry(passages, passage, head);
}

} // namespace kaven::content
