#include "drive.h"

#include "app/program.h"
#include "datastore/busy_pointer.h"
#include "quant/frm_quant.h"
#include "quant/quant_text.h"
#include "shell/frm_summary.h"
#include "verbal/frm_verbal.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <map>

namespace kaven::drive {

// ---------------------------------------------------------------------------------------
// The command line.

std::optional<AnswerPattern> AnswerPattern::parse(const QString& text)
{
    AnswerPattern pattern;
    if (text == QLatin1String("right")) {
        pattern.kind_ = Kind::Right;
    } else if (text == QLatin1String("wrong")) {
        pattern.kind_ = Kind::Wrong;
    } else if (text == QLatin1String("alternate")) {
        pattern.kind_ = Kind::Alternate;
    } else if (text.startsWith(QLatin1String("random:"))) {
        bool ok = false;
        const uint seed = text.mid(7).toUInt(&ok);
        if (!ok)
            return std::nullopt;
        pattern.kind_ = Kind::Random;
        pattern.engine_.seed(seed);
    } else {
        if (text.isEmpty())
            return std::nullopt;
        for (const QChar c : text)
            if (c < QLatin1Char('1') || c > QLatin1Char('5'))
                return std::nullopt;
        pattern.kind_ = Kind::Digits;
        pattern.digits_ = text;
    }
    return pattern;
}

int AnswerPattern::choose(int number, int key)
{
    const int wrong = key % 5 + 1;
    switch (kind_) {
    case Kind::Right:
        return key;
    case Kind::Wrong:
        return wrong;
    case Kind::Alternate:
        return number % 2 == 1 ? key : wrong;
    case Kind::Random:
        // The same answers from the same seed with any standard library.
        return int(engine_() % 5) + 1;
    case Kind::Digits:
        return digits_[(number - 1) % digits_.size()].digitValue();
    }
    return key;
}

QString usage()
{
    return QStringLiteral(
        "usage: kaven-drive DATA_DIR [--tests N] [--quant PATTERN] [--verbal PATTERN]\n"
        "                   [--pace SECONDS] [--quant-end K] [--verbal-end K]\n"
        "                   [--quant-timeout K] [--verbal-timeout K] [--exit-section quant|verbal]\n"
        "PATTERN: right, wrong, alternate, random:SEED or digits 1 to 5 used in turn (default random:1)");
}

std::variant<Options, QString> parseArguments(const QStringList& arguments)
{
    if (arguments.isEmpty() || arguments.first().startsWith(QLatin1String("--")))
        return QStringLiteral("no data folder given");
    Options options;
    options.folder = arguments.first();

    const auto number = [](const QString& name, const QString& text, int low, int high)
        -> std::variant<int, QString> {
        bool ok = false;
        const int value = text.toInt(&ok);
        if (!ok || value < low || value > high)
            return QStringLiteral("%1 takes a whole number from %2 to %3, not \"%4\"")
                .arg(name).arg(low).arg(high).arg(text);
        return value;
    };
    // The option's target and the range of its value.
    struct NumberOption {
        int* target;
        int low;
        int high;
    };
    const std::map<QString, NumberOption> numbers = {
        {QStringLiteral("--tests"), {&options.tests, 1, 1000}},
        {QStringLiteral("--pace"), {&options.pace, 0, 4500}},
        {QStringLiteral("--quant-end"), {&options.quant.endAt, 1, 37}},
        {QStringLiteral("--verbal-end"), {&options.verbal.endAt, 1, 41}},
        {QStringLiteral("--quant-timeout"), {&options.quant.timeoutAt, 1, 37}},
        {QStringLiteral("--verbal-timeout"), {&options.verbal.timeoutAt, 1, 41}},
    };

    for (qsizetype i = 1; i < arguments.size(); i += 2) {
        const QString& name = arguments[i];
        if (i + 1 >= arguments.size())
            return name + QStringLiteral(" needs a value");
        const QString& value = arguments[i + 1];
        if (const auto found = numbers.find(name); found != numbers.end()) {
            const auto parsed = number(name, value, found->second.low, found->second.high);
            if (const QString* error = std::get_if<QString>(&parsed))
                return *error;
            *found->second.target = std::get<int>(parsed);
        } else if (name == QLatin1String("--quant") || name == QLatin1String("--verbal")) {
            const std::optional<AnswerPattern> pattern = AnswerPattern::parse(value);
            if (!pattern)
                return QStringLiteral("unknown answer pattern \"%1\"").arg(value);
            (name == QLatin1String("--quant") ? options.quant : options.verbal).pattern = *pattern;
        } else if (name == QLatin1String("--exit-section")) {
            if (value == QLatin1String("quant"))
                options.quant.exitAt10 = true;
            else if (value == QLatin1String("verbal"))
                options.verbal.exitAt10 = true;
            else
                return QStringLiteral("--exit-section takes quant or verbal, not \"%1\"").arg(value);
        } else {
            return QStringLiteral("unknown option %1").arg(name);
        }
    }
    for (const auto& [script, section] : {std::pair{&options.quant, "quant"}, std::pair{&options.verbal, "verbal"}}) {
        const QString name = QString::fromLatin1(section);
        if (script->endAt && script->timeoutAt)
            return QStringLiteral("--%1-end and --%1-timeout cannot both end the section").arg(name);
        if (script->exitAt10 && (script->endAt || script->timeoutAt))
            return QStringLiteral("--exit-section %1 leaves on question 10; the section cannot also end otherwise").arg(name);
    }
    return options;
}

// ---------------------------------------------------------------------------------------
// The questions on screen.

Answered questionOnScreen(const quant::frm_quant& screen)
{
    const quant::QuantSection& s = screen.section();
    Answered shown;
    shown.section = Section::Quant;
    shown.type = s.mtype;
    if (s.mtype == QLatin1String("P")) {
        const auto& q = s.problem();
        shown.q_id = q.q_id;
        shown.key = q.ans_no;
        shown.choices = {q.opt_1, q.opt_2, q.opt_3, q.opt_4, q.opt_5};
    } else {
        shown.q_id = s.dataSufficiency().q_id;
        shown.key = s.dataSufficiency().ans_no;
        const auto& fixed = quant::dataSufficiencyAnswers();
        shown.choices = QStringList(fixed.begin(), fixed.end());
    }
    shown.level = s.mlevel;
    shown.targetLevel = s.mtarget_level;
    return shown;
}

Answered questionOnScreen(const verbal::frm_verbal& screen)
{
    const verbal::VerbalSection& s = screen.section();
    Answered shown;
    shown.section = Section::Verbal;
    shown.type = s.mtype;
    const auto take = [&shown](const auto& q) {
        shown.q_id = q.q_id;
        shown.key = q.ans_no;
        shown.choices = {q.opt_1, q.opt_2, q.opt_3, q.opt_4, q.opt_5};
    };
    if (s.mtype == QLatin1String("S"))
        take(s.sentence());
    else if (s.mtype == QLatin1String("R"))
        take(s.reasoning());
    else
        take(s.compQuestion());
    shown.level = s.mlevel;
    shown.targetLevel = s.mtarget_level;
    return shown;
}

// ---------------------------------------------------------------------------------------
// The candidate.

namespace {

// The message boxes: each action says which messages it may bring and how to answer them;
// any other message is noted as a failure and answered as harmlessly as it can be.
class DriverDialogs final : public ui::Dialogs {
public:
    void allow(const QString& prompt, ui::Answer answer) { allowed_[prompt] = answer; }
    void disallowAll() { allowed_.clear(); }
    const QString& failure() const { return failure_; }

    ui::Answer ask(const ui::Message& message, QWidget*) override
    {
        if (const auto found = allowed_.find(message.prompt); found != allowed_.end())
            return found->second;
        if (!failure_.isEmpty())
            ;
        else if (message.prompt == QLatin1String("Please Update Your Question Bank"))
            failure_ = QStringLiteral("a draw found no question (\"%1\")").arg(message.prompt);
        else
            failure_ = QStringLiteral("unexpected message \"%1\" (%2)")
                           .arg(QString(message.prompt).replace(QLatin1String("\r\n"), QLatin1String(" / ")),
                                message.title);
        return message.buttons == ui::Buttons::Ok ? ui::Answer::Ok : ui::Answer::No;
    }

private:
    std::map<QString, ui::Answer> allowed_;
    QString failure_;
};

// What tells the two sections apart on screen.
struct SectionTraits {
    ui::ScreenId id;
    const char* name;
    const char* optionText; // the answer's text, a click on which chooses it
    const char* endButton;
    const char* endQuestion;
    const char* over;
    const char* timeOver;
    const char* exitQuestion;
};

const SectionTraits quantTraits{ui::ScreenId::Quant, "quantitative", "rtfopt%1", "cmdexitsection",
                                "Do you really want to end Quantitative Section ",
                                "Quantitative Section Over\r\nPress Ok to Continue",
                                "Time Over, Press Ok to Continue", "Are you sure you want to exit "};
const SectionTraits verbalTraits{ui::ScreenId::Verbal, "verbal", "txtoption%1", "cmdendsection",
                                 "Are you sure, you want to exit the Section?",
                                 " Verbal Section Over \r\nClick Ok to Continue",
                                 "Verbal Time Over, Press Ok to Continue",
                                 "Are you sure, you want to Exit the Test?"};

class Candidate {
public:
    Candidate(app::Program& program, DriverDialogs& dialogs, ui::ProgramEnd& end, Options& options,
              TestRun& run)
        : program_(program), dialogs_(dialogs), end_(end), options_(options), run_(run)
    {
    }

    void take()
    {
        where_ = QStringLiteral("start-up");
        if (!program_.start()) {
            check(); // the message that said why
            failHere(QStringLiteral("the program did not start"));
        }
        auto* summary = screen<shell::frm_summary>(ui::ScreenId::Summary);
        QPushButton* takeTest = control<QPushButton>(summary, "Command1");
        if (!takeTest->isEnabled())
            failHere(QStringLiteral("no test left to take (\"%1\")").arg(takeTest->text()));
        where_ = QStringLiteral("the summary");
        click(takeTest);
        run_.test = program_.state().CurrentTest;
        // The first Quantitative question is drawn as its screen loads.
        where_ = QStringLiteral("the start of the quantitative section");
        click(control<QPushButton>(screen<QWidget>(ui::ScreenId::Directions), "LABEL5"));

        if (!sitSection(screen<quant::frm_quant>(ui::ScreenId::Quant), quantTraits, options_.quant))
            return;
        if (!sitSection(screen<verbal::frm_verbal>(ui::ScreenId::Verbal), verbalTraits, options_.verbal))
            return;

        where_ = QStringLiteral("the summary after the test");
        summary = screen<shell::frm_summary>(ui::ScreenId::Summary);
        run_.summaryText = summary->summaryText();
        run_.nextCaption = control<QPushButton>(summary, "Command1")->text();
        readMarks();
        dialogs_.allow(QStringLiteral("Do you really want to exit"), ui::Answer::Yes);
        click(control<QPushButton>(summary, "Command3"));
        if (!end_.ended())
            failHere(QStringLiteral("Exit did not end the program"));
    }

private:
    // One section, from its directions to its hand-over; false when the candidate left the
    // program through the section's Exit.
    template <class S> bool sitSection(S* screen, const SectionTraits& traits, SectionScript& script)
    {
        const auto stillOpen = [&] { return program_.screens().loaded(traits.id) == screen; };
        // As many questions as the section's plan has slots.
        const int questions = screen->section().tables.plan.size();
        where_ = QStringLiteral("the %1 directions").arg(QLatin1String(traits.name));
        click(control<QPushButton>(screen, "CMD_PROCEED"));
        for (int n = 1; n <= questions; ++n) {
            dialogs_.disallowAll();
            where_ = QStringLiteral("%1 question %2").arg(QLatin1String(traits.name)).arg(n);
            if (script.exitAt10 && n == 10) {
                dialogs_.allow(QString::fromLatin1(traits.exitQuestion), ui::Answer::Yes);
                click(control<QPushButton>(screen, "cmdexit"));
                if (!end_.ended())
                    failHere(QStringLiteral("Exit did not end the program"));
                run_.exited = true;
                return false;
            }
            if (n == script.endAt) {
                dialogs_.allow(QString::fromLatin1(traits.endQuestion), ui::Answer::Yes);
                click(control<QPushButton>(screen, traits.endButton));
                if (stillOpen())
                    failHere(QStringLiteral("End Section did not end the section"));
                return true;
            }
            // The clock may run out while the candidate reads; on the timeout question it must.
            // Only these ticks move it: nothing here runs the event loop, so the screen's own
            // one-second timer never fires and every run is exact to the second.
            dialogs_.allow(QString::fromLatin1(traits.timeOver), ui::Answer::Ok);
            const int ticks = n == script.timeoutAt ? 4500 + 1 : options_.pace;
            for (int t = 0; t < ticks && stillOpen(); ++t) {
                screen->Timer1_Timer();
                check();
            }
            if (!stillOpen()) {
                if (n == script.timeoutAt)
                    return true;
                // The clock came first: a step still to come cannot be taken, and the
                // section was recorded, which an Exit would not have allowed.
                if (script.endAt > n || script.timeoutAt > n || (script.exitAt10 && n <= 10))
                    failHere(QStringLiteral("the clock ran out before the scripted step; choose a shorter pace"));
                return true;
            }
            if (n == script.timeoutAt)
                failHere(QStringLiteral("the clock did not run out"));

            Answered shown = questionOnScreen(*screen);
            shown.number = n;
            shown.given = script.pattern.choose(n, shown.key);
            // The five answers on screen are those of the question about to be recorded.
            for (int k = 1; k <= 5; ++k) {
                auto* option = control<QLabel>(screen, qPrintable(QString::fromLatin1(traits.optionText).arg(k)));
                if (option->text() != shown.choices[k - 1])
                    failHere(QStringLiteral("answer %1 on screen is not the one of %2").arg(k).arg(shown.q_id));
            }
            click(control<QWidget>(screen, qPrintable(QString::fromLatin1(traits.optionText).arg(shown.given))));
            click(control<QPushButton>(screen, "cmdnext"));
            if (n == questions)
                dialogs_.allow(QString::fromLatin1(traits.over), ui::Answer::Ok);
            click(control<QPushButton>(screen, "cmdConfirm"));
            run_.answers.append(shown);
        }
        if (stillOpen())
            failHere(QStringLiteral("the section did not end after its last question"));
        return true;
    }

    // The test's two section lines and its total, the last three lines of the summary.
    void readMarks()
    {
        const QStringList lines = run_.summaryText.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        if (lines.size() < 3)
            failHere(QStringLiteral("the summary does not show the test"));
        const auto field = [this](const QString& line, int index, const char* expected) {
            const QStringList fields = line.split(QLatin1Char('\t'));
            bool ok = false;
            const int value = fields.value(index).toInt(&ok);
            if (!ok || !line.contains(QLatin1String(expected)))
                failHere(QStringLiteral("the summary line \"%1\" is not the %2 line").arg(line, QLatin1String(expected)));
            return value;
        };
        const qsizetype last = lines.size() - 1;
        run_.quantMarks = field(lines[last - 2], 4, "Quantitative");
        run_.verbalMarks = field(lines[last - 1], 5, "Verbal");
        run_.score = field(lines[last], 4, "Total Score : ");
        if (lines[last - 1].section(QLatin1Char('\t'), 0, 0).toInt() != run_.test)
            failHere(QStringLiteral("the summary's last test is not test %1").arg(run_.test));
    }

    template <class S> S* screen(ui::ScreenId id)
    {
        S* shown = program_.screens().loadedAs<S>(id);
        if (!shown || !shown->isVisible())
            failHere(QStringLiteral("an expected screen is not shown"));
        return shown;
    }

    template <class W> W* control(QWidget* screen, const char* name)
    {
        W* widget = screen->findChild<W*>(QString::fromLatin1(name));
        if (!widget || !widget->isVisible())
            failHere(QStringLiteral("no control %1 on screen").arg(QLatin1String(name)));
        return widget;
    }

    void click(QWidget* widget)
    {
        if (!widget->isEnabled())
            failHere(QStringLiteral("%1 is not enabled").arg(widget->objectName()));
        QTest::mouseClick(widget, Qt::LeftButton);
        check();
    }

    void check()
    {
        if (!dialogs_.failure().isEmpty())
            failHere(dialogs_.failure());
    }

    [[noreturn]] void failHere(const QString& what)
    {
        const QString place = run_.test ? QStringLiteral("test %1, %2").arg(run_.test).arg(where_) : where_;
        throw DriveFailure(place.isEmpty() ? what : QStringLiteral("%1: %2").arg(place, what));
    }

    app::Program& program_;
    DriverDialogs& dialogs_;
    ui::ProgramEnd& end_;
    Options& options_;
    TestRun& run_;
    QString where_;
};

} // namespace

TestRun Driver::runTest()
{
    DriverDialogs dialogs;
    ui::SystemClock clock;
    ui::StandardRandom random;
    store::NoBusyPointer busy;
    ui::ProgramEnd end(false);
    TestRun run;
    {
        app::Program program(options_.folder, {dialogs, clock, random, busy, end});
        Candidate(program, dialogs, end, options_, run).take();
    }
    // The screens closed during the run go now, not at some later turn of an event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return run;
}

QString Driver::report(const TestRun& run)
{
    if (run.exited)
        return QStringLiteral("test %1: left through a section's Exit, nothing saved").arg(run.test);
    return QStringLiteral("test %1: quantitative %2, verbal %3, score %4")
        .arg(run.test).arg(run.quantMarks).arg(run.verbalMarks).arg(run.score);
}

} // namespace kaven::drive
