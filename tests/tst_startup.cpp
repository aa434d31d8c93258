// The data folder the program chooses, the delivered set laid into it, and a new series.

#include "datastore/passes.h"
#include "startup/data_folder.h"
#include "startup/new_series.h"
#include "support.h"

#include <QDirIterator>
#include <QLockFile>
#include <QTest>

using namespace kaven::startup;

namespace {

const QByteArray answers = "1,\"Quantitative\",600,20,#2024-03-05#\r\n";

// Every file and folder under a folder, by its path inside it, with its bytes.
QMap<QString, QByteArray> tree(const QString& root)
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        files[QDir(root).relativeFilePath(path)] = contentOf(path);
    }
    return files;
}

// A program folder, a home with the candidate's folder inside, an installation's delivered
// set and a folder given on the command line, all under one temporary folder.
struct Machine {
    QTemporaryDir root;
    QString at(const char* name) const { return root.filePath(QLatin1String(name)); }
    Places places() const { return {at("bin"), at("home/kaven"), {at("bin/delivered"), at("share/delivered")}}; }
    void layInto(const char* name, const QByteArray& tesdet) const
    {
        QDir().mkpath(at(name));
        layDelivered(QStringLiteral(KAVEN_DELIVERED_DATA), at(name));
        put(dataPath(at(name), FileId::tesdet, Form::Store), tesdet);
    }
};

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void choosesFolder_data()
    {
        // Which folders hold data: p the program's (with answers), u the candidate's (with
        // answers), i the installation's delivered set.
        QTest::addColumn<QString>("holding");
        QTest::addColumn<QString>("given"); // under the temporary folder; "-" for none
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("error"); // a part of the message, which names the folder

        QTest::newRow("build or portable copy") << "pi" << "-" << "bin" << "";
        QTest::newRow("first start installed") << "i" << "-" << "home/kaven" << "";
        QTest::newRow("installed, answers kept") << "ui" << "-" << "home/kaven" << "";
        QTest::newRow("answers kept, set gone") << "u" << "-" << "home/kaven" << "";
        QTest::newRow("delivered set missing") << "" << "-" << "" << "missing from the installation: no full set";
        QTest::newRow("given, empty") << "pui" << "given" << "given" << "";
        QTest::newRow("given, missing") << "pi" << "nowhere" << "" << "nowhere does not exist";
        QTest::newRow("given, a file") << "pi" << "bin/userprofxq42.dll" << "" << "is not a folder";
        QTest::newRow("given, unwritable") << "pi" << "/proc" << "" << "/proc cannot be written";
        QTest::newRow("given, no delivered set") << "" << "given" << "" << "missing from the installation";
    }
    void choosesFolder()
    {
        QFETCH(QString, holding);
        QFETCH(QString, given);
        QFETCH(QString, chosen);
        QFETCH(QString, error);
        Machine m;
        QVERIFY(QDir(m.root.path()).mkpath("bin") && QDir(m.root.path()).mkpath("given"));
        if (holding.contains('p'))
            m.layInto("bin", answers);
        if (holding.contains('u'))
            m.layInto("home/kaven", answers);
        if (holding.contains('i'))
            m.layInto("share/delivered", {});
        const auto before = tree(m.root.path());
        const QString givenPath = given == "-" ? QString() : given.startsWith('/') ? given : m.at(qPrintable(given));
        try {
            const QString folder = chooseDataFolder(givenPath, m.places());
            QVERIFY2(error.isEmpty(), "no error");
            QCOMPARE(folder, m.at(qPrintable(chosen)));
            // A folder with answers is used as it is; one without gets the delivered set.
            if (chosen == "bin" || (chosen == "home/kaven" && holding.contains('u')))
                QCOMPARE(contentOf(dataPath(folder, FileId::tesdet, Form::Store)), answers);
            else
                QCOMPARE(tree(folder), tree(m.at("share/delivered")));
            QCOMPARE(QDir(m.at("home/kaven")).exists(), chosen == "home/kaven" || holding.contains('u'));
        } catch (const FolderError& e) {
            QVERIFY2(e.message().contains(error) && !error.isEmpty(), qPrintable(e.message()));
            QCOMPARE(tree(m.root.path()), before);
        }
    }

    void newSeries_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("error"); // empty when the series starts
        QTest::newRow("folder free") << "free" << "";
        QTest::newRow("open in another window") << "locked" << "in another window";
        QTest::newRow("a broken store file") << "broken" << "vsmastxq42.dll\", line";
        QTest::newRow("started this second") << "same second" << "it is already there";
        QTest::newRow("delivered file gone") << "delivered gone" << "Every file is left where it was";
    }
    void newSeries()
    {
        QFETCH(QString, situation);
        QFETCH(QString, error);
        Machine m;
        m.layInto("data", answers);
        put(dataPath(m.at("data"), FileId::tesdet, Form::Working), "\r\n");
        m.layInto("share/delivered", {});
        QVERIFY(situation != "broken" || put(dataPath(m.at("data"), FileId::vsmast, Form::Store), "\"VS1\",\"unended\r\n"));
        const QString kept = m.at("data/series-2024-03-05-140709");
        QVERIFY(situation != "same second" || (QDir().mkpath(kept) && put(kept + "/note.txt", "earlier")));
        QVERIFY(situation != "delivered gone" || QFile::remove(dataPath(m.at("share/delivered"), FileId::vcmast, Form::Store)));
        QLockFile other(lockPath(m.at("data")));
        QVERIFY(situation != "locked" || other.tryLock(0));
        const auto before = tree(m.at("data"));
        try {
            const NewSeries done =
                startNewSeries(m.at("data"), m.at("share/delivered"), QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
            QVERIFY2(error.isEmpty(), "no error");
            QCOMPARE(done.kept, kept);
            // Every file of the series so far, working copies too, is in the dated folder as it
            // was, and the fresh set is all there is beside it.
            QCOMPARE(tree(kept), before);
            auto fresh = tree(m.at("data"));
            fresh.removeIf([](auto entry) { return entry.key().startsWith("series-"); });
            QCOMPARE(fresh, tree(m.at("share/delivered")));
        } catch (const std::exception& e) {
            QVERIFY2(!error.isEmpty() && QString::fromStdString(e.what()).contains(error), e.what());
            QCOMPARE(tree(m.at("data")), before);
        }
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "tst_startup.moc"
