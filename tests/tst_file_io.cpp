// Whole files in and out of record buffers: sizes at the edges, byte-exact rewrites and
// failures that must leave the file as it was.

#include "datastore/file_io.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kaven::store;

namespace {

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray userprofLines(int count)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "\"QP" + QByteArray::number(i) + "\",1,\"Quantitative\",2,3," + QByteArray::number(i)
               + ",\"P\",4,0\r\n";
    return bytes;
}

} // namespace

class FileIoTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(dir_.isValid()); }
    void sizesAtTheEdges_data();
    void sizesAtTheEdges();
    void the501stRecordIsRefused();
    void appendingToAFullBufferThrows();
    void rewriteReproducesTheWritersBytes();
    void workingCopiesFollowThePathRule();
    void missingFileIsNamed();
    void failedRewriteLeavesTheFileAsItWas();

private:
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir_;
};

void FileIoTest::sizesAtTheEdges_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("records");
    QTest::addColumn<QByteArray>("rewritten");
    QTest::newRow("zero length") << QByteArray() << 0 << QByteArray();
    QTest::newRow("the blank line of a blanked copy") << QByteArray("\r\n") << 0 << QByteArray();
    QTest::newRow("one record") << userprofLines(1) << 1 << userprofLines(1);
    QTest::newRow("exactly 500") << userprofLines(500) << 500 << userprofLines(500);
}

void FileIoTest::sizesAtTheEdges()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, records);
    QFETCH(QByteArray, rewritten);
    put(path("f.enc"), bytes);

    RecordBuffer<UserprofRecord> buffer;
    loadFile(path("f.enc"), buffer);
    QCOMPARE(buffer.size(), records);
    QCOMPARE(int(buffer.counter()), records + 1);
    if (records > 0)
        QCOMPARE(buffer[records].time_val, records);

    rewriteFile(path("f.enc"), buffer);
    QCOMPARE(contentOf(path("f.enc")), rewritten);
}

void FileIoTest::the501stRecordIsRefused()
{
    put(path("f.enc"), userprofLines(501));
    RecordBuffer<UserprofRecord> buffer;
    try {
        loadFile(path("f.enc"), buffer);
        QFAIL("a 501st record was accepted");
    } catch (const StoreError& error) {
        QCOMPARE(error.line(), 501);
        QVERIFY(error.problem().contains(QStringLiteral("at most 500 records")));
    }
    QCOMPARE(buffer.size(), 0);
}

void FileIoTest::appendingToAFullBufferThrows()
{
    RecordBuffer<TesgivRecord> buffer;
    for (int i = 1; i <= 500; ++i)
        buffer.append(TesgivRecord{i, false, false});
    QVERIFY(buffer.isFull());
    QVERIFY_THROWS_EXCEPTION(std::length_error, buffer.append(TesgivRecord{501, false, false}));
    QCOMPARE(int(buffer.counter()), 501);
}

void FileIoTest::rewriteReproducesTheWritersBytes()
{
    const QByteArray passages(
        "1,\"First paragraph, with a comma.\r\nSecond paragraph.\r\n\r\nThird.\",4,#FALSE#,2\r\n"
        "2,\"\",3,#TRUE#,5\r\n");
    put(path("c.enc"), passages);
    RecordBuffer<ComdetRecord> buffer;
    loadFile(path("c.enc"), buffer);
    QCOMPARE(buffer.size(), 2);
    QCOMPARE(buffer[1].psg_text.count(QStringLiteral("\r\n")), 3);
    rewriteFile(path("c.enc"), buffer);
    QCOMPARE(contentOf(path("c.enc")), passages);
}

void FileIoTest::workingCopiesFollowThePathRule()
{
    const QString folder = dir_.path();
    put(folder + "/tesgivxq42.enc", "1,#FALSE#,#FALSE#\r\n2,#TRUE#,#FALSE#\r\n");
    put(folder + "/tesgivxq42.dll", "9,#FALSE#,#FALSE#\r\n");

    RecordBuffer<RecordFor<FileId::tesgiv>> given;
    loadWorkingCopy<FileId::tesgiv>(folder, given);
    QCOMPARE(given.size(), 2);
    given[1].taken = true;
    given.append(TesgivRecord{3, false, true});
    rewriteWorkingCopy<FileId::tesgiv>(folder, given);
    QCOMPARE(contentOf(folder + "/tesgivxq42.enc"),
             QByteArray("1,#TRUE#,#FALSE#\r\n2,#TRUE#,#FALSE#\r\n3,#FALSE#,#TRUE#\r\n"));
    QCOMPARE(contentOf(folder + "/tesgivxq42.dll"), QByteArray("9,#FALSE#,#FALSE#\r\n"));

    emptyWorkingCopy(folder, FileId::tesgiv);
    QCOMPARE(contentOf(folder + "/tesgivxq42.enc"), QByteArray());
}

void FileIoTest::missingFileIsNamed()
{
    RecordBuffer<PlanRecord> plan;
    try {
        loadWorkingCopy<FileId::temp1>(dir_.path(), plan);
        QFAIL("a missing file loaded");
    } catch (const StoreError& error) {
        QCOMPARE(error.file(), dir_.path() + "/temp1xq42.enc");
        QCOMPARE(error.message(),
                 "Data file \"" + dir_.path() + "/temp1xq42.enc\": the file is missing.");
    }
}

void FileIoTest::failedRewriteLeavesTheFileAsItWas()
{
    const QByteArray before("1,\"S\"\r\n");
    put(path("p.enc"), before);
    RecordBuffer<PlanRecord> plan;
    plan.append(PlanRecord{1, QStringLiteral("S")});
    plan.append(PlanRecord{2, QStringLiteral("say \"R\"")});
    QVERIFY_THROWS_EXCEPTION(StoreError, rewriteFile(path("p.enc"), plan));
    QCOMPARE(contentOf(path("p.enc")), before);

    // A folder that is not there: the failure is reported, not passed over.
    QVERIFY_THROWS_EXCEPTION(StoreError, rewriteFile(path("no/such/folder.enc"), plan));
}

QTEST_GUILESS_MAIN(FileIoTest)
#include "tst_file_io.moc"
