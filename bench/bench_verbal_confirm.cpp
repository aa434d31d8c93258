// Times Confirm on the Verbal screen with full-sized banks: 500 Sentence Correction and 500
// Critical Reasoning questions, 140 passages with 490 questions, and a profile that already
// holds four tests' answers. One sample is one click on Confirm until the next question is
// painted, both bank rewrites and the profile rewrite included. Prints the median per type
// of the question drawn next, over several sections.
// Usage: bench_verbal_confirm [sections]   (default 5)

#include "confirm_bench.h"
#include "datastore/file_io.h"
#include "verbal/frm_verbal.h"

using namespace kaven;
using namespace kaven::store;

namespace {

QString text(int length)
{
    return confirm_bench::text(QStringLiteral("the committee argues that coastal rainfall has increased "), length);
}

void writeStore(const QString& folder)
{
    const auto path = [&folder](FileId id) { return dataPath(folder, id, Form::Store); };
    RecordBuffer<Temp1Record> plan;
    const QString codes = QStringLiteral("SRSRSCCCCRSRSRSRCCCSRSRSRSCCCCRSRSRSCCCRS");
    for (int k = 0; k < codes.size(); ++k)
        plan.append({k + 1, QString(codes[k])});
    rewriteFile(path(FileId::temp1), plan);

    RecordBuffer<VsmastRecord> sent;
    RecordBuffer<VrmastRecord> reas;
    for (int k = 0; k < 500; ++k) {
        const std::int16_t level = std::int16_t(k % 5 + 1);
        sent.append({QStringLiteral("VS%1").arg(k), text(120) + QStringLiteral(" {were found} ") + text(120),
                     text(40), QString(), text(40), text(40), text(40), text(40), level, 2, false,
                     text(500), 0});
        VrmastRecord r;
        r.q_id = QStringLiteral("VR%1").arg(k);
        r.q_text = text(600);
        r.opt_1 = r.opt_2 = r.opt_3 = r.opt_4 = r.opt_5 = text(90);
        r.q_level = level;
        r.ans_no = 3;
        r.expl = text(500);
        reas.append(r);
    }
    rewriteFile(path(FileId::vsmast), sent);
    rewriteFile(path(FileId::vrmast), reas);

    RecordBuffer<ComdetRecord> passages;
    RecordBuffer<VcmastRecord> questions;
    for (std::int16_t id = 1; id <= 140; ++id) {
        const std::int16_t count = id % 2 ? 4 : 3;
        passages.append({id, text(2000), count, false, std::int16_t((id - 1) / 2 % 5 + 1)});
        for (int q = 0; q < count; ++q) {
            VcmastRecord c;
            c.q_id = QStringLiteral("VC%1-%2").arg(id).arg(q);
            c.q_text = text(150);
            c.opt_1 = c.opt_2 = c.opt_3 = c.opt_4 = c.opt_5 = text(60);
            c.ans_no = 4;
            c.psg_id = id;
            c.expl = text(400);
            questions.append(c);
        }
    }
    rewriteFile(path(FileId::comdet), passages);
    rewriteFile(path(FileId::vcmast), questions);

    RecordBuffer<UserprofRecord> profile;
    for (int k = 0; k < 312; ++k)
        profile.append({QStringLiteral("QX%1").arg(k), k / 78 + 1, QStringLiteral("Verbal"), 1, 2, 40,
                        QStringLiteral("S"), 3, 0});
    rewriteFile(path(FileId::userprof), profile);
    RecordBuffer<TesgivRecord> tests;
    for (int t = 1; t <= 5; ++t)
        tests.append({t, t < 5, false});
    rewriteFile(path(FileId::tesgiv), tests);
    for (FileId id : {FileId::qtemp1, FileId::qdsmast, FileId::qpsmast, FileId::tesdet})
        rewriteFile(path(id), RecordBuffer<TesdetRecord>{});
}

} // namespace

int main(int argc, char** argv)
{
    return confirm_bench::run(argc, argv,
                              {"Verbal", writeStore, ui::ScreenId::Verbal, "txtoption2", 40,
                               [](ui::Screen* screen) { return static_cast<verbal::frm_verbal*>(screen)->section().mtype; }});
}
