// Times Confirm on the Quantitative screen with full-sized banks: 500 Problem Solving and
// 500 Data Sufficiency questions (a fifth of them with a figure) and a profile that already
// holds four tests' answers. One sample is one click on Confirm until the next question is
// painted, both bank rewrites and the profile rewrite included. Prints the median per type
// of the question drawn next, over several sections.
// Usage: bench_quant_confirm [sections]   (default 5)

#include "confirm_bench.h"
#include "datastore/file_io.h"
#include "quant/frm_quant.h"

using namespace kaven;
using namespace kaven::store;

namespace {

QString text(int length)
{
    return confirm_bench::text(QStringLiteral("a train leaves the station at noon and travels "), length);
}

void writeStore(const QString& folder)
{
    const auto path = [&folder](FileId id) { return dataPath(folder, id, Form::Store); };
    RecordBuffer<Qtemp1Record> plan;
    const QString codes = QStringLiteral("PDPDPPDPDPDPPDPDPDPPDPDPDPPDPDPDPPDPP");
    for (int k = 0; k < codes.size(); ++k)
        plan.append({k + 1, QString(codes[k])});
    rewriteFile(path(FileId::qtemp1), plan);

    RecordBuffer<QpsmastRecord> ps;
    RecordBuffer<QdsmastRecord> ds;
    for (int k = 0; k < 500; ++k) {
        const std::int16_t level = std::int16_t(k % 5 + 1);
        const std::int16_t figure = std::int16_t(k % 5 == 0 ? k / 5 % 5 + 1 : 0);
        ps.append({QStringLiteral("QP%1").arg(k), text(400), text(20), text(20), text(20), text(20),
                   text(20), level, 3, figure, false, text(500), 0});
        ds.append({0, QStringLiteral("QD%1").arg(k), text(250), level, 4, false, text(60), text(60),
                   text(500), figure, k % 7 == 0});
    }
    rewriteFile(path(FileId::qpsmast), ps);
    rewriteFile(path(FileId::qdsmast), ds);

    RecordBuffer<UserprofRecord> profile;
    for (int k = 0; k < 312; ++k)
        profile.append({QStringLiteral("QX%1").arg(k), k / 78 + 1, QStringLiteral("Quantitative"), 1, 2,
                        40, QStringLiteral("P"), 3, 0});
    rewriteFile(path(FileId::userprof), profile);
    RecordBuffer<TesgivRecord> tests;
    for (int t = 1; t <= 5; ++t)
        tests.append({t, t < 5, false});
    rewriteFile(path(FileId::tesgiv), tests);
    for (FileId id : {FileId::temp1, FileId::vsmast, FileId::vrmast, FileId::comdet, FileId::vcmast,
                      FileId::tesdet})
        rewriteFile(path(id), RecordBuffer<TesdetRecord>{});
}

} // namespace

int main(int argc, char** argv)
{
    return confirm_bench::run(argc, argv,
                              {"Quantitative", writeStore, ui::ScreenId::Quant, "rtfopt3", 36,
                               [](ui::Screen* screen) { return static_cast<quant::frm_quant*>(screen)->section().mtype; }});
}
