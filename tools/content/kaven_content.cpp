// Compiles the question sources of content/ into the delivered store files:
//
//   kaven_content CONTENT_DIR OUT_DIR
//
// CONTENT_DIR/quant/plan.txt                         the Quantitative plan, one type code a line
// CONTENT_DIR/quant/problem-solving/*.txt            the Problem Solving bank
// CONTENT_DIR/quant/data-sufficiency/*.txt           the Data Sufficiency bank
// CONTENT_DIR/verbal/plan.txt                        the Verbal plan
// CONTENT_DIR/verbal/sentence-correction/*.txt       the Sentence Correction bank
// CONTENT_DIR/verbal/critical-reasoning/*.txt        the Critical Reasoning bank
// CONTENT_DIR/verbal/reading-comprehension/*.txt     one passage and its questions a file
// and the five tests of a series, none taken. Every source that breaks a rule is reported
// as FILE:LINE: problem, and nothing is written.

#include "banks.h"
#include "datastore/file_io.h"
#include "datastore/store_error.h"

#include <QCoreApplication>
#include <QDir>

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

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: kaven_content CONTENT_DIR OUT_DIR\n");
        return 2;
    }
    const QDir content(QString::fromLocal8Bit(argv[1]));
    const QString out = QString::fromLocal8Bit(argv[2]);

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

    try {
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
