// Times the data store on a full-sized data folder: eleven files of 500 records each,
// with texts of a few hundred characters. Prints the median of
//   (a) the start-up pass over all eleven files, and
//   (b) one load and one atomic rewrite of a 500-record question bank.
// Usage: bench_store [folder]   (default: a new temporary folder)

#include "datastore/file_io.h"
#include "datastore/passes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace kaven::store;

namespace {


QString prose(QRandomGenerator& random, int length)
{
    static const char* const words[] = {
        "the", "committee", "argues", "that", "rainfall", "in", "coastal", "regions", "has",
        "increased", "because", "of", "warmer", "seas,", "although", "records", "are", "incomplete",
        "and", "several", "stations", "closed", "during", "survey", "which", "therefore", "x",
        "= 3y + 2;", "percent", "of", "annual", "revenue", "was", "spent", "on", "research."};
    QString text;
    while (text.size() < length) {
        text += QLatin1String(words[random.bounded(int(std::size(words)))]);
        text += QLatin1Char(' ');
    }
    return text;
}

// Texts sized as in a real bank: questions, statements and explanations of a few hundred
// characters, passages of about three hundred words, short answer choices, empty notes.
QString textFor(QLatin1String field, int index, QRandomGenerator& random)
{
    if (field == QLatin1String("q_id"))
        return QStringLiteral("Q%1").arg(index);
    if (field == QLatin1String("psg_text"))
        return prose(random, 1500 + random.bounded(700));
    if (field.startsWith(QLatin1String("opt_")))
        return prose(random, 10 + random.bounded(140));
    if (field.startsWith(QLatin1String("q_note")))
        return QString();
    if (field == QLatin1String("q_type") || field == QLatin1String("section"))
        return QStringLiteral("Verbal");
    return prose(random, 200 + random.bounded(400));
}

template <class R> void fillFile(const QString& path, QRandomGenerator& random)
{
    RecordBuffer<R> buffer;
    for (int i = 1; i <= RecordBuffer<R>::capacity; ++i) {
        R record;
        R::fields(record, [&](const char* name, auto& value) {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, QString>)
                value = textFor(QLatin1String(name), i, random);
            else if constexpr (std::is_same_v<T, bool>)
                value = random.bounded(2) == 1;
            else if constexpr (std::is_same_v<T, StoreDate>)
                value = StoreDate{QDate(2026, 1, 1).addDays(i), QTime(0, 0)};
            else
                value = T(1 + random.bounded(5));
        });
        buffer.append(std::move(record));
    }
    rewriteFile(path, buffer);
}

template <class Work> double medianMs(int runs, Work work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();

    QRandomGenerator random(42);
    qint64 bytes = 0;
    for (FileId id : visitingOrder) {
        const QString path = dataPath(folder, id, Form::Store);
        withRecordType(id, [&](auto type) { fillFile<typename decltype(type)::type>(path, random); });
        bytes += QFileInfo(path).size();
    }
    std::printf("data folder: %s, 11 files x 500 records, %.1f MB in all\n",
                qPrintable(folder), double(bytes) / 1e6);

    NoBusyPointer pointer;
    const double startUp = medianMs(31, [&] { decript_codetext(folder, pointer); });

    RecordBuffer<VsmastRecord> bank;
    const double loadAndRewrite = medianMs(101, [&] {
        loadWorkingCopy<FileId::vsmast>(folder, bank);
        bank[1].used = !bank[1].used;
        rewriteWorkingCopy<FileId::vsmast>(folder, bank);
    });

    std::printf("(a) decript_codetext, all eleven files: median %.2f ms over 31 runs\n", startUp);
    std::printf("(b) load + atomic rewrite of a 500-record bank (%.2f MB): median %.2f ms over "
                "101 runs\n",
                double(QFileInfo(dataPath(folder, FileId::vsmast, Form::Working)).size()) / 1e6,
                loadAndRewrite);
    return 0;
}
