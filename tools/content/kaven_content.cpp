// Compiles the question sources of content/ into the delivered store files:
//
//   kaven_content CONTENT_DIR OUT_DIR
//   kaven_content --calibration CONTENT_DIR
//
// CONTENT_DIR/quant/plan.txt                         the Quantitative plan, one type code a line
// CONTENT_DIR/quant/problem-solving/*.txt            the Problem Solving bank
// CONTENT_DIR/quant/data-sufficiency/*.txt           the Data Sufficiency bank
// CONTENT_DIR/verbal/plan.txt                        the Verbal plan
// CONTENT_DIR/verbal/sentence-correction/*.txt       the Sentence Correction bank
// CONTENT_DIR/verbal/critical-reasoning/*.txt        the Critical Reasoning bank
// CONTENT_DIR/verbal/reading-comprehension/*.txt     one passage and its questions a file
// and the five tests of a series, none taken. Every source that breaks a rule is reported
// as FILE:LINE: problem, and nothing is written. With --calibration nothing is written
// either: the sources are checked and each bank's levels are set against the medians of
// their blind ratings, as a table.

#include "banks.h"
#include "datastore/file_io.h"
#include "datastore/store_error.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QMap>

#include <cstdio>

using namespace kaven;

namespace {

// The sources of a folder, in name order; a folder without any is refused.
QStringList sourcesIn(const QString& folder)
{
    QStringList paths;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    if (paths.isEmpty())
        throw content::ContentError(folder, 0, QStringLiteral("holds no question source (*.txt)"));
    return paths;
}

// Per bank and level: how many, the mean of their median ratings, and how many have each
// median, as a Markdown table.
void printCalibration(const QList<content::Calibration>& rated)
{
    QStringList banks;
    QMap<std::pair<QString, int>, QList<double>> medians;
    for (const auto& c : rated) {
        if (!banks.contains(c.bank))
            banks << c.bank;
        medians[{c.bank, c.level}] << c.median;
    }
    std::printf("| bank | level | count | mean median |");
    for (int half = 2; half <= 10; ++half)
        std::printf(" %s |", qPrintable(QString::number(half / 2.0)));
    std::printf("\n|---|---|---|---|%s\n", qPrintable(QStringLiteral("---|").repeated(9)));
    for (const QString& bank : banks)
        for (int level = 1; level <= 5; ++level) {
            const QList<double> at = medians.value({bank, level});
            double sum = 0;
            for (const double m : at)
                sum += m;
            std::printf("| %s | %d | %d | %.2f |", qPrintable(bank), level, int(at.size()), at.isEmpty() ? 0.0 : sum / at.size());
            for (int half = 2; half <= 10; ++half)
                std::printf(" %d |", int(at.count(half / 2.0)));
            std::printf("\n");
        }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Compiles the question sources into the delivered store files."));
    parser.addHelpOption();
    const QCommandLineOption calibration(QStringLiteral("calibration"),
                                         QStringLiteral("Check the sources and print their levels against their ratings."));
    parser.addOption(calibration);
    parser.addPositionalArgument(QStringLiteral("CONTENT_DIR"), QStringLiteral("The question sources."));
    parser.addPositionalArgument(QStringLiteral("OUT_DIR"), QStringLiteral("Where the store files go."));
    parser.process(app);
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() != (parser.isSet(calibration) ? 1 : 2)) {
        std::fprintf(stderr, "usage: kaven_content CONTENT_DIR OUT_DIR | --calibration CONTENT_DIR\n");
        return 2;
    }
    const QDir content(arguments[0]);

    content::Rules rules;
    store::RecordBuffer<store::PlanRecord> quantPlan;
    store::RecordBuffer<store::QpsmastRecord> problemSolving;
    store::RecordBuffer<store::QdsmastRecord> dataSufficiency;
    store::RecordBuffer<store::TesgivRecord> series;
    store::RecordBuffer<store::PlanRecord> verbalPlan;
    store::RecordBuffer<store::VsmastRecord> sentenceCorrection;
    store::RecordBuffer<store::VrmastRecord> criticalReasoning;
    store::RecordBuffer<store::ComdetRecord> passages;
    store::RecordBuffer<store::VcmastRecord> passageQuestions;
    int errors = 0;
    auto compile = [&](auto&& step) {
        try {
            step();
        } catch (const content::ContentError& error) {
            std::fprintf(stderr, "%s\n", qPrintable(error.message()));
            ++errors;
        }
    };

    compile([&] { content::readPlan(content.filePath("quant/plan.txt"), QStringLiteral("PD"), quantPlan); });
    compile([&] {
        for (const QString& path : sourcesIn(content.filePath("quant/problem-solving")))
            compile([&] { content::addProblemSolving(path, rules, problemSolving); });
    });
    compile([&] {
        for (const QString& path : sourcesIn(content.filePath("quant/data-sufficiency")))
            compile([&] { content::addDataSufficiency(path, rules, dataSufficiency); });
    });
    compile([&] { content::readPlan(content.filePath("verbal/plan.txt"), QStringLiteral("SRC"), verbalPlan, u'C'); });
    compile([&] {
        for (const QString& path : sourcesIn(content.filePath("verbal/sentence-correction")))
            compile([&] { content::addSentenceCorrection(path, rules, sentenceCorrection); });
    });
    compile([&] {
        for (const QString& path : sourcesIn(content.filePath("verbal/critical-reasoning")))
            compile([&] { content::addCriticalReasoning(path, rules, criticalReasoning); });
    });
    compile([&] {
        for (const QString& path : sourcesIn(content.filePath("verbal/reading-comprehension")))
            compile([&] { content::addReadingComprehension(path, rules, passages, passageQuestions); });
    });
    content::fillSeries(series);
    if (errors > 0) {
        std::fprintf(stderr, "kaven_content: %d source(s) refused; no store file written\n", errors);
        return 1;
    }
    if (parser.isSet(calibration)) {
        printCalibration(rules.calibration());
        return 0;
    }

    try {
        const QString out = arguments[1];
        QDir().mkpath(out);
        using store::FileId;
        using store::Form;
        store::rewriteFile(store::dataPath(out, FileId::qtemp1, Form::Store), quantPlan);
        store::rewriteFile(store::dataPath(out, FileId::qpsmast, Form::Store), problemSolving);
        store::rewriteFile(store::dataPath(out, FileId::qdsmast, Form::Store), dataSufficiency);
        store::rewriteFile(store::dataPath(out, FileId::tesgiv, Form::Store), series);
        store::rewriteFile(store::dataPath(out, FileId::temp1, Form::Store), verbalPlan);
        store::rewriteFile(store::dataPath(out, FileId::vsmast, Form::Store), sentenceCorrection);
        store::rewriteFile(store::dataPath(out, FileId::vrmast, Form::Store), criticalReasoning);
        store::rewriteFile(store::dataPath(out, FileId::comdet, Form::Store), passages);
        store::rewriteFile(store::dataPath(out, FileId::vcmast, Form::Store), passageQuestions);
    } catch (const store::StoreError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    std::printf("kaven_content: %d plan slots, %d problem solving, %d data sufficiency questions\n",
                quantPlan.size(), problemSolving.size(), dataSufficiency.size());
    std::printf("kaven_content: %d plan slots, %d sentence correction, %d critical reasoning questions, "
                "%d passages with %d questions\n",
                verbalPlan.size(), sentenceCorrection.size(), criticalReasoning.size(), passages.size(),
                passageQuestions.size());
    return 0;
}
