// Whole files in and out of record buffers: sizes at the edges, byte-exact rewrites and
// failures that must leave the file as it was.

#include "datastore/file_io.h"
#include "support.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {
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

    void sizesAtTheEdges_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("records");
        QTest::addColumn<QByteArray>("rewritten");
        QTest::newRow("zero length") << QByteArray() << 0 << QByteArray();
        QTest::newRow("blank line of a blanked copy") << QByteArray("\r\n") << 0 << QByteArray();
        QTest::newRow("exactly 500") << userprofLines(500) << 500 << userprofLines(500);
    }

    void sizesAtTheEdges()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, records);
        QFETCH(QByteArray, rewritten);
        const QString path = dir_.filePath(QStringLiteral("f.enc"));
        QVERIFY(put(path, bytes));

        RecordBuffer<UserprofRecord> buffer;
        loadFile(path, buffer);
        QCOMPARE(int(buffer.counter()), records + 1);
        if (records > 0)
            QCOMPARE(buffer[records].time_val, records);
        QVERIFY_THROWS_EXCEPTION(std::length_error, [&] {
            for (int i = records; i <= 500; ++i)
                buffer.append(UserprofRecord{});
        }());

        loadFile(path, buffer);
        rewriteFile(path, buffer);
        QCOMPARE(contentOf(path), rewritten);
        emptyFile(path);
        QCOMPARE(contentOf(path), QByteArray());
    }

    void failedRewriteLeavesTheFileAsItWas()
    {
        const QString path = dir_.filePath(QStringLiteral("p.enc"));
        QVERIFY(put(path, "1,\"S\"\r\n"));
        RecordBuffer<PlanRecord> plan;
        plan.append(PlanRecord{1, QStringLiteral("S")});
        plan.append(PlanRecord{2, QStringLiteral("say \"R\"")});
        QVERIFY_THROWS_EXCEPTION(StoreError, rewriteFile(path, plan));
        QCOMPARE(contentOf(path), "1,\"S\"\r\n");
        // A folder that is not there: the failure is reported, not passed over.
        QVERIFY_THROWS_EXCEPTION(StoreError, rewriteFile(dir_.filePath("no/such.enc"), plan));
    }

    void replacementLeavesOneFileWithItsMode_data()
    {
        QTest::addColumn<bool>("working");
        QTest::newRow("store file, synced") << false;
        QTest::newRow("working copy") << true;
    }

    void replacementLeavesOneFileWithItsMode()
    {
        QFETCH(bool, working);
        const auto replace = working ? replaceWorkingFile : replaceFile;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("vrmastxq42.enc"));
        QVERIFY(put(path, userprofLines(300)));
        const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(path, mode));

        replace(path, "1,\"S\"\r\n");
        QCOMPARE(contentOf(path), "1,\"S\"\r\n");
        QCOMPARE(QFile::permissions(path) & 0xf0ff, mode); // owner, group, others
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"vrmastxq42.enc"});

        const QString missing = dir.filePath(QStringLiteral("gone/tesdetxq42.enc"));
        try {
            replace(missing, "x");
            QFAIL("a write into a missing folder passed for done");
        } catch (const StoreError& error) {
            QVERIFY2(error.message().contains(missing), qPrintable(error.message()));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"vrmastxq42.enc"});
    }

private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(FileIoTest)
#include "tst_file_io.moc"
