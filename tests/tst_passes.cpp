// The four passes over all eleven files in a temporary application folder.

#include "datastore/file_io.h"
#include "datastore/passes.h"
#include "test_files.h"

#include <QTemporaryDir>
#include <QTest>

#include <map>

using namespace kaven::store;

namespace {
struct CountingPointer final : BusyPointer {
    void showBusy() override { ++shown, ++depth; }
    void showDefault() override { --depth; }
    int shown = 0;
    int depth = 0;
};

// One small file of each kind in the writer's form; userprof and tesdet start empty.
const std::map<FileId, QByteArray> delivered = {
    {FileId::qtemp1, "1,\"P\"\r\n2,\"D\"\r\n"},
    {FileId::qdsmast, "3,\"QD1\",\"Is x > 0?\",2,1,#FALSE#,\"x = 4\",\"\",\"(1) gives x.\",0,#FALSE#\r\n"},
    {FileId::qpsmast, "\"QP1\",\"Pick\",\"1, 2\",\"2, 3\",\"3\",\"4\",\"5\",2,1,4,#TRUE#,\"\",9\r\n"},
    {FileId::userprof, ""},
    {FileId::tesdet, ""},
    {FileId::tesgiv, "1,#FALSE#,#FALSE#\r\n2,#FALSE#,#TRUE#\r\n"},
    {FileId::temp1, "1,\"S\"\r\n2,\"C\"\r\n3,\"C\"\r\n"},
    {FileId::vrmast, "\"VR1\",\"a\",\"a\",\"b\",\"c\",\"d\",\"e\",1,3,\"w\",#FALSE#,\"\",\"\",\"\",\"\",\"\",4,#FALSE#\r\n"},
    {FileId::vsmast, "\"VS1\",\"sent\",\"a\",\"\",\"b\",\"c\",\"d\",\"e\",1,1,#FALSE#,\"why\",0\r\n"},
    {FileId::comdet, "1,\"Para one.\r\nPara two.\",2,#FALSE#,3\r\n"},
    {FileId::vcmast, "\"VC1\",\"q\",\"a\",\"b\",\"c\",\"d\",\"e\",0,5,1,#FALSE#,\"w\",\"\",\"\",\"\",\"\",\"\"\r\n"},
};
const QByteArray answer("\"QP1\",1,\"Quantitative\",2,2,31,\"P\",1,0\r\n");
} // namespace

class PassesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void startUpCopiesAndSaveReproducesTheStore();
    void brokenStoreLeavesEveryWorkingCopyAsItWas_data();
    void brokenStoreLeavesEveryWorkingCopyAsItWas();
    void blankTouchesNoStoreFile();

private:
    QString store(FileId id) const { return dataPath(dir_->path(), id, Form::Store); }
    QString working(FileId id) const { return dataPath(dir_->path(), id, Form::Working); }
    std::unique_ptr<QTemporaryDir> dir_;
    CountingPointer pointer_;
};

void PassesTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    pointer_ = CountingPointer{};
    for (const auto& [id, bytes] : delivered)
        QVERIFY(put(store(id), bytes));
}

void PassesTest::startUpCopiesAndSaveReproducesTheStore()
{
    decript_codetext(dir_->path(), pointer_);
    for (const auto& [id, bytes] : delivered)
        QCOMPARE(contentOf(working(id)), bytes);

    // A working copy the screens emptied goes into the store as a file of zero length.
    QVERIFY(put(working(FileId::tesgiv), QByteArray()));
    Save_Working_Copies(dir_->path(), pointer_);
    for (const auto& [id, bytes] : delivered)
        QCOMPARE(contentOf(store(id)), id == FileId::tesgiv ? QByteArray() : bytes);
    QCOMPARE(contentOf(working(FileId::qtemp1)), delivered.at(FileId::qtemp1));
    QCOMPARE(pointer_.shown, 2);
    QCOMPARE(pointer_.depth, 0);
}

void PassesTest::brokenStoreLeavesEveryWorkingCopyAsItWas_data()
{
    QTest::addColumn<int>("broken");
    QTest::addColumn<QByteArray>("bytes"); // empty: the file is missing
    QTest::addColumn<QString>("problem");
    QTest::newRow("last file malformed")
        << int(FileId::vcmast) << QByteArray("\"VC1\",\"q\"\r\n") << ", line 1, field 3 (opt_1): ";
    QTest::newRow("first file missing") << int(FileId::qtemp1) << QByteArray() << ": the file is missing.";
    QTest::newRow("a 501st record") << int(FileId::tesgiv)
                                    << QByteArray("1,#FALSE#,#FALSE#\r\n").repeated(501)
                                    << ", line 501: a 501st record";
}

void PassesTest::brokenStoreLeavesEveryWorkingCopyAsItWas()
{
    QFETCH(int, broken);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    for (FileId id : visitingOrder)
        QVERIFY(put(working(id), "left from the last run\r\n"));
    QVERIFY(bytes.isEmpty() ? QFile::remove(store(FileId(broken))) : put(store(FileId(broken)), bytes));

    try {
        decript_codetext(dir_->path(), pointer_);
        QFAIL("a broken store was copied");
    } catch (const StoreError& error) {
        QVERIFY2(error.message().startsWith("Data file \"" + store(FileId(broken)) + '"'),
                 qPrintable(error.message()));
        QVERIFY2(error.message().contains(problem), qPrintable(error.message()));
    }
    for (FileId id : visitingOrder)
        QCOMPARE(contentOf(working(id)), "left from the last run\r\n");
    QCOMPARE(pointer_.depth, 0);
}

void PassesTest::blankTouchesNoStoreFile()
{
    decript_codetext(dir_->path(), pointer_);
    QVERIFY(put(working(FileId::userprof), answer));
    Blank_Working_Copies(dir_->path(), pointer_);
    for (const auto& [id, bytes] : delivered) {
        QCOMPARE(contentOf(store(id)), bytes);
        QCOMPARE(contentOf(working(id)), "\r\n");
    }
    QCOMPARE(pointer_.shown, 2);
    QCOMPARE(pointer_.depth, 0);
}

QTEST_GUILESS_MAIN(PassesTest)
#include "tst_passes.moc"
