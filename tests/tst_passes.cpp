// The four passes over all eleven files in a temporary application folder.

#include "datastore/file_io.h"
#include "datastore/passes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using namespace kaven::store;

namespace {

class CountingPointer final : public BusyPointer {
public:
    void showBusy() override { ++busy; ++depth; }
    void showDefault() override { --depth; }
    int busy = 0;
    int depth = 0;
};

// One small file of each kind, in the writer's form; userprof and tesdet start empty.
std::map<FileId, QByteArray> writerFormFiles()
{
    return {
        {FileId::qtemp1, "1,\"P\"\r\n2,\"D\"\r\n"},
        {FileId::qdsmast, "3,\"QD1\",\"Is x > 0?\",2,1,#FALSE#,\"x = 4\",\"\",\"(1) gives x.\",0,#FALSE#\r\n"},
        {FileId::qpsmast, "\"QP1\",\"2 + 2 = ?\",\"3\",\"4\",\"5\",\"6\",\"7\",1,2,0,#FALSE#,\"Add.\",0\r\n"
                          "\"QP2\",\"Pick the list\",\"1, 2\",\"2, 3\",\"3, 4\",\"4, 5\",\"5, 6\",2,1,4,#TRUE#,\"\",9\r\n"},
        {FileId::userprof, ""},
        {FileId::tesdet, ""},
        {FileId::tesgiv, "1,#FALSE#,#FALSE#\r\n2,#FALSE#,#TRUE#\r\n"},
        {FileId::temp1, "1,\"S\"\r\n2,\"C\"\r\n3,\"C\"\r\n"},
        {FileId::vrmast, "\"VR1\",\"arg\",\"a\",\"b\",\"c\",\"d\",\"e\",1,3,\"why\",#FALSE#,\"\",\"\",\"\",\"\",\"\",4,#FALSE#\r\n"},
        {FileId::vsmast, "\"VS1\",\"sent\",\"a\",\"\",\"b\",\"c\",\"d\",\"e\",1,1,#FALSE#,\"why\",0\r\n"},
        {FileId::comdet, "1,\"Para one.\r\nPara two.\",2,#FALSE#,3\r\n"},
        {FileId::vcmast, "\"VC1\",\"q\",\"a\",\"b\",\"c\",\"d\",\"e\",0,5,1,#FALSE#,\"why\",\"\",\"\",\"\",\"\",\"\"\r\n"},
    };
}

} // namespace

class PassesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void startUpCopiesAndSaveReproducesTheStore();
    void looserFormsComeOutInTheWritersForm();
    void brokenStoreLeavesEveryWorkingCopyAsItWas_data();
    void brokenStoreLeavesEveryWorkingCopyAsItWas();
    void saveAndBlankStoresThenBlanks();
    void blankTouchesNoStoreFile();

private:
    QString store(FileId id) const { return dataPath(dir_->path(), id, Form::Store); }
    QString working(FileId id) const { return dataPath(dir_->path(), id, Form::Working); }
    static QByteArray contentOf(const QString& path);
    static void put(const QString& path, const QByteArray& bytes);

    std::unique_ptr<QTemporaryDir> dir_;
    CountingPointer pointer_;
};

QByteArray PassesTest::contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void PassesTest::put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void PassesTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    pointer_ = CountingPointer{};
    for (const auto& [id, bytes] : writerFormFiles())
        put(store(id), bytes);
}

void PassesTest::startUpCopiesAndSaveReproducesTheStore()
{
    decript_codetext(dir_->path(), pointer_);
    for (const auto& [id, bytes] : writerFormFiles())
        QCOMPARE(contentOf(working(id)), bytes);
    QCOMPARE(pointer_.busy, 1);
    QCOMPARE(pointer_.depth, 0);

    // A working copy the screens emptied goes into the store as a file of zero length.
    put(working(FileId::tesgiv), QByteArray());
    Save_Working_Copies(dir_->path(), pointer_);
    for (const auto& [id, bytes] : writerFormFiles())
        QCOMPARE(contentOf(store(id)), id == FileId::tesgiv ? QByteArray() : bytes);
    QCOMPARE(contentOf(working(FileId::qtemp1)), writerFormFiles()[FileId::qtemp1]);
    QCOMPARE(pointer_.busy, 2);
    QCOMPARE(pointer_.depth, 0);
}

void PassesTest::looserFormsComeOutInTheWritersForm()
{
    put(store(FileId::temp1), " 1, S\n2,R  \r\n\r\n3 ,\"C\"");
    put(store(FileId::tesdet), "1,Quantitative,4321,12,#2002-05-14#\r\n");
    decript_codetext(dir_->path(), pointer_);
    QCOMPARE(contentOf(working(FileId::temp1)), QByteArray("1,\"S\"\r\n2,\"R\"\r\n3,\"C\"\r\n"));
    QCOMPARE(contentOf(working(FileId::tesdet)),
             QByteArray("1,\"Quantitative\",4321,12,#2002-05-14#\r\n"));
}

void PassesTest::brokenStoreLeavesEveryWorkingCopyAsItWas_data()
{
    QTest::addColumn<int>("broken");
    QTest::addColumn<QByteArray>("bytes"); // empty: the file is missing
    QTest::addColumn<QString>("problem");
    QTest::newRow("last file malformed") << int(FileId::vcmast) << QByteArray("\"VC1\",\"q\"\r\n")
                                         << "ends before this field";
    QTest::newRow("first file missing") << int(FileId::qtemp1) << QByteArray() << "the file is missing";
    QTest::newRow("middle file with 501 records")
        << int(FileId::tesgiv) << QByteArray("1,#FALSE#,#FALSE#\r\n").repeated(501)
        << "at most 500 records";
}

void PassesTest::brokenStoreLeavesEveryWorkingCopyAsItWas()
{
    QFETCH(int, broken);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    for (FileId id : visitingOrder)
        put(working(id), "left from the last run\r\n");
    if (bytes.isEmpty())
        QVERIFY(QFile::remove(store(FileId(broken))));
    else
        put(store(FileId(broken)), bytes);

    try {
        decript_codetext(dir_->path(), pointer_);
        QFAIL("a broken store was copied");
    } catch (const StoreError& error) {
        QCOMPARE(error.file(), store(FileId(broken)));
        QVERIFY2(error.problem().contains(problem), qPrintable(error.message()));
    }
    for (FileId id : visitingOrder)
        QCOMPARE(contentOf(working(id)), QByteArray("left from the last run\r\n"));
    QCOMPARE(pointer_.depth, 0);
}

void PassesTest::saveAndBlankStoresThenBlanks()
{
    decript_codetext(dir_->path(), pointer_);
    put(working(FileId::userprof), "\"QP1\",1,\"Quantitative\",2,2,31,\"P\",1,0\r\n");
    put(working(FileId::tesgiv), "1,#TRUE#,#FALSE#\r\n2,#FALSE#,#TRUE#\r\n");
    std::map<FileId, QByteArray> before;
    for (FileId id : visitingOrder)
        before[id] = contentOf(working(id));

    Save_And_Blank_Working_Copies(dir_->path(), pointer_);
    for (FileId id : visitingOrder) {
        QCOMPARE(contentOf(store(id)), before[id]);
        QCOMPARE(contentOf(working(id)), QByteArray("\r\n"));
    }
    QCOMPARE(pointer_.depth, 0);

    // The next start rebuilds the working copies from the saved store.
    decript_codetext(dir_->path(), pointer_);
    QCOMPARE(contentOf(working(FileId::userprof)), before[FileId::userprof]);
}

void PassesTest::blankTouchesNoStoreFile()
{
    decript_codetext(dir_->path(), pointer_);
    put(working(FileId::userprof), "\"QP1\",1,\"Quantitative\",2,2,31,\"P\",1,0\r\n");
    Blank_Working_Copies(dir_->path(), pointer_);
    for (const auto& [id, bytes] : writerFormFiles()) {
        QCOMPARE(contentOf(store(id)), bytes);
        QCOMPARE(contentOf(working(id)), QByteArray("\r\n"));
    }
    QCOMPARE(pointer_.busy, 2);
    QCOMPARE(pointer_.depth, 0);
}

QTEST_GUILESS_MAIN(PassesTest)
#include "tst_passes.moc"
