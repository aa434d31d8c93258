// Single records: the one written form, the looser forms the reader accepts, and the
// malformed fields it must refuse with file, line and field.

#include "datastore/file_io.h"

#include <QTest>

using namespace kaven::store;

Q_DECLARE_METATYPE(TesdetRecord)

namespace {
template <class R> RecordBuffer<R> parse(const QByteArray& bytes)
{
    RecordBuffer<R> buffer;
    parseRecords(bytes, QStringLiteral("test.enc"), buffer);
    return buffer;
}

template <class R> QByteArray format(const R& record)
{
    RecordBuffer<R> buffer;
    buffer.append(record);
    return formatRecords(buffer, QStringLiteral("test.enc"));
}
} // namespace

class FieldCodecTest : public QObject {
    Q_OBJECT
private slots:

    void readsWriterAndLooserForms_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<TesdetRecord>("expected");
        const StoreDate may14{QDate(2002, 5, 14), QTime(0, 0)};
        const TesdetRecord verbal{2, QStringLiteral("Verbal"), 4500, 31, may14};

        QTest::newRow("writer form") << QByteArray("2,\"Verbal\",4500,31,#2002-05-14#\r\n") << verbal;
        QTest::newRow("unquoted text, trailing blanks dropped")
            << QByteArray("2,Verbal   ,4500,31,#2002-05-14#\r\n") << verbal;
        QTest::newRow("LF, blank lines, no end of last line")
            << QByteArray("\n  \r\n2,\"Verbal\",4500,31,#2002-05-14#") << verbal;
        QTest::newRow("byte order mark, plus sign, leading zeros")
            << QByteArray("\xEF\xBB\xBF+2,\"Verbal\",04500,031,#2002-05-14#\r\n") << verbal;
        QTest::newRow("comma and line ends inside quotes")
            << QByteArray("2,\"One, two.\r\nThree.\",4500,31,#2002-05-14#\r\n")
            << TesdetRecord{2, QStringLiteral("One, two.\r\nThree."), 4500, 31, may14};
        QTest::newRow("empty fields")
            << QByteArray(",,,,#2002-05-14#\r\n") << TesdetRecord{0, QString(), 0, 0, may14};
        QTest::newRow("negative numbers, UTF-8, time of day")
            << QByteArray("-2,\"\xE2\x88\x9A\xCF\x80\",-4500,-31,#2002-05-14 13:45:09#\r\n")
            << TesdetRecord{-2, QStringLiteral("\u221A\u03C0"), -4500, -31,
                            StoreDate{may14.date, QTime(13, 45, 9)}};
    }

    void readsWriterAndLooserForms()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(TesdetRecord, expected);
        const auto buffer = parse<TesdetRecord>(bytes);
        QCOMPARE(buffer.size(), 1);
        QCOMPARE(buffer[1].section, expected.section);
        QVERIFY(buffer[1] == expected);
    }

    void refusesMalformedFields_data()
    {
        QTest::addColumn<int>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("problem");
        const int det = int(FileId::tesdet);
        const QByteArray good("1,\"Quantitative\",4000,20,#2002-05-14#\r\n");

        QTest::newRow("record ends early") << det << good + "2,\"Verbal\",4500\r\n" << 2 << 4
                                           << "marks): the record ends before this field";
        QTest::newRow("more fields than the layout") << det << good + "2,\"V\",1,3,#2002-05-14#,7" << 2
                                                     << 6 << "goes on past its last field";
        QTest::newRow("letters in a number")
            << det << QByteArray("2,\"Verbal\",45x0,31,#2002-05-14#") << 1 << 3 << "\"45x0\" is not a whole number";
        QTest::newRow("32-bit overflow") << det << QByteArray("2,\"V\",2147483648,31,#2002-05-14#") << 1 << 3
                                         << "does not fit a 32-bit field";
        QTest::newRow("16-bit overflow") << int(FileId::userprof)
                                         << QByteArray("\"Q1\",1,\"Verbal\",32768,1,5,\"S\",1,0") << 1 << 4
                                         << "(ans_no): \"32768\" does not fit a 16-bit field";
        QTest::newRow("flag without hashes")
            << int(FileId::tesgiv) << QByteArray("1,TRUE,#FALSE#") << 1 << 2 << "is not a flag";
        QTest::newRow("day 30 of February")
            << det << QByteArray("2,\"Verbal\",4500,31,#2002-02-30#") << 1 << 5 << "is not a date";
        QTest::newRow("quote never closed") << det << good + good + "2,\"Verbal,4500" << 3 << 2
                                            << "never closed";
        QTest::newRow("closing quote missing before the next record")
            << det << "2,\"Verbal,4500,31,#2002-05-14#\r\n" + good << 1 << 2
            << "runs on to line 2, so a closing quote may be missing";
        QTest::newRow("invalid UTF-8")
            << det << QByteArray("2,\"Verb\xFF\",4500,31,#2002-05-14#") << 1 << 2 << "not valid UTF-8";
        QTest::newRow("lines counted through texts over several lines")
            << det << QByteArray("1,\"a\r\nb\nc\",1,1,#2002-05-14#\r\n\r\n2,\"Verbal\",x,31,#2002-05-14#") << 5 << 3
            << "is not a whole number";
    }

    void refusesMalformedFields()
    {
        QFETCH(int, file);
        QFETCH(QByteArray, bytes);
        QFETCH(int, line);
        QFETCH(int, field);
        QFETCH(QString, problem);

        withRecordType(FileId(file), [&](auto type) {
            using R = typename decltype(type)::type;
            RecordBuffer<R> buffer;
            buffer.append(R{});
            try {
                parseRecords(bytes, QStringLiteral("/data/x.enc"), buffer);
                QFAIL("the malformed record was accepted");
            } catch (const StoreError& error) {
                QCOMPARE(error.line(), line);
                QCOMPARE(error.field(), field);
                const QString where = QStringLiteral("Data file \"/data/x.enc\", line %1, field %2")
                                          .arg(line)
                                          .arg(field);
                QVERIFY2(error.message().startsWith(where), qPrintable(error.message()));
                QVERIFY2(error.message().contains(problem), qPrintable(error.message()));
            }
            QCOMPARE(buffer.size(), 1); // a failed load leaves the buffer as it was
        });
    }

    void writesTheOneExactForm()
    {
        QCOMPARE(format(TesdetRecord{2, QStringLiteral("Verbal"), 4500, 31, {QDate(2002, 5, 14)}}),
                 QByteArray("2,\"Verbal\",4500,31,#2002-05-14#\r\n"));
        QCOMPARE(format(TesdetRecord{-3, QString(), 0, -7, {QDate(987, 1, 2), QTime(9, 5, 0)}}),
                 QByteArray("-3,\"\",0,-7,#0987-01-02 09:05:00#\r\n"));
    }

    // Fields sit where the stored banks have them: a Sentence Correction note between
    // choices (A) and (B), a Data Sufficiency random key first.
    void layoutsPutFieldsWhereTheBanksHaveThem()
    {
        const QByteArray sc("\"VS1\",\"Q\",\"A\",\"note\",\"B\",\"C\",\"D\",\"E\",3,2,#TRUE#,\"why\",7\r\n");
        const auto bank = parse<VsmastRecord>(sc);
        QVERIFY(bank[1].q_note == "note" && bank[1].opt_2 == "B" && bank[1].ans_no == 2 && bank[1].rand_key == 7);
        QCOMPARE(format(bank[1]), sc);
        const QByteArray ds("6,\"QD1\",\"stem\",4,5,#TRUE#,\"x, y > 0\",\"\",\"why\",2,#FALSE#\r\n");
        const auto suff = parse<QdsmastRecord>(ds);
        QVERIFY(suff[1].rand_key == 6 && suff[1].q_level == 4 && suff[1].stmt_1 == "x, y > 0" && suff[1].fig_id == 2);
        QCOMPARE(format(suff[1]), ds);
    }
};

QTEST_GUILESS_MAIN(FieldCodecTest)
#include "tst_field_codec.moc"
