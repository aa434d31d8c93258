// Compiles the question sources of content/ into the delivered store files:
//
//   kaven_content CONTENT_DIR OUT_DIR
//
// CONTENT_DIR/quant/plan.txt               the Quantitative plan, one type code a line
// CONTENT_DIR/quant/problem-solving/*.txt  the Problem Solving bank
// CONTENT_DIR/quant/data-sufficiency/*.txt the Data Sufficiency bank
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
    } catch (const store::StoreError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    std::printf("kaven_content: %d plan slots, %d problem solving, %d data sufficiency questions\n",
                quantPlan.size(), problemSolving.size(), dataSufficiency.size());
    return 0;
}
