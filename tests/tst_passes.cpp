// The four passes over all eleven files of a data folder.

#include "datastore/passes.h"
#include "support.h"

#include <QTest>

#include <map>

namespace {

struct CountingPointer final : BusyPointer {
    void showBusy() override { ++shown, ++depth; }
    void showDefault() override { --depth; }
    int shown = 0;
    int depth = 0;
};

// One small file of each kind in the writer's form; userprof and tesdet start empty.
const std::map<FileId, QByteArray> fresh = {
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

struct Folder : DataFolder {
    CountingPointer pointer;
    Folder()
    {
        for (const auto& [id, bytes] : fresh)
            setStore(id, bytes);
    }
};

} // namespace

class PassesTest : public QObject {
    Q_OBJECT
private slots:
    void startUpCopiesSaveReproducesBlankEmpties()
    {
        Folder f;
        decript_codetext(f.path(), f.pointer);
        for (const auto& [id, bytes] : fresh)
            QCOMPARE(f.working(id), bytes);
        // A working copy the screens emptied goes into the store as a file of zero length.
        f.setWorking(FileId::tesgiv, {});
        Save_Working_Copies(f.path(), f.pointer);
        for (const auto& [id, bytes] : fresh)
            QCOMPARE(f.store(id), id == FileId::tesgiv ? QByteArray() : bytes);
        QCOMPARE(f.working(FileId::qtemp1), fresh.at(FileId::qtemp1));
        // Blanking touches no store file.
        Blank_Working_Copies(f.path(), f.pointer);
        for (const auto& [id, bytes] : fresh)
            QVERIFY(f.store(id) == (id == FileId::tesgiv ? QByteArray() : bytes) && f.working(id) == "\r\n");
        QVERIFY(f.pointer.shown == 3 && f.pointer.depth == 0);
    }

    // Every store file is read and checked before any working copy is written.
    void brokenStoreLeavesEveryWorkingCopyAsItWas_data()
    {
        QTest::addColumn<int>("broken");
        QTest::addColumn<QByteArray>("bytes"); // empty: the file is missing
        QTest::addColumn<QString>("problem");
        QTest::newRow("last file malformed") << int(FileId::vcmast) << QByteArray("\"VC1\",\"q\"\r\n")
                                             << ", line 1, field 3 (opt_1): ";
        QTest::newRow("first file missing") << int(FileId::qtemp1) << QByteArray() << ": the file is missing.";
        QTest::newRow("a 501st record") << int(FileId::tesgiv) << QByteArray("1,#FALSE#,#FALSE#\r\n").repeated(501)
                                        << ", line 501: a 501st record";
    }
    void brokenStoreLeavesEveryWorkingCopyAsItWas()
    {
        QFETCH(int, broken);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        Folder f;
        for (const FileId id : visitingOrder)
            f.setWorking(id, "left from the last run\r\n");
        const QString path = f.file(FileId(broken), Form::Store);
        QVERIFY(bytes.isEmpty() ? QFile::remove(path) : put(path, bytes));
        try {
            decript_codetext(f.path(), f.pointer);
            QFAIL("a broken store was copied");
        } catch (const StoreError& error) {
            QVERIFY2(error.message().startsWith("Data file \"" + path + '"') && error.message().contains(problem),
                     qPrintable(error.message()));
        }
        for (const FileId id : visitingOrder)
            QCOMPARE(f.working(id), "left from the last run\r\n");
        QCOMPARE(f.pointer.depth, 0);
    }

};

QTEST_GUILESS_MAIN(PassesTest)
#include "tst_passes.moc"
