// Reading and writing single records: the exact written form, the looser forms the
// reader accepts, and every malformed field it must refuse with file, line and field.

#include "datastore/file_io.h"

#include <QTest>

using namespace kaven::store;

Q_DECLARE_METATYPE(TesdetRecord)

namespace {

TesdetRecord tesdet(std::int32_t test, const QString& section, std::int32_t secs,
                    std::int32_t marks, QDate date, QTime time = QTime(0, 0))
{
    return TesdetRecord{test, section, secs, marks, StoreDate{date, time}};
}

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
    void readsEveryFormTheWriterAndHumansProduce_data();
    void readsEveryFormTheWriterAndHumansProduce();
    void refusesMalformedFields_data();
    void refusesMalformedFields();
    void writesTheOneExactForm();
    void refusesToWriteADoubleQuote();
    void sentenceCorrectionChoiceBIsField5();
    void layoutsPutFieldsWhereTheBanksHaveThem();
};

void FieldCodecTest::readsEveryFormTheWriterAndHumansProduce_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TesdetRecord>("expected");
    const QDate may14(2002, 5, 14);
    const auto verbal = tesdet(2, QStringLiteral("Verbal"), 4500, 31, may14);

    QTest::newRow("writer form") << QByteArray("2,\"Verbal\",4500,31,#2002-05-14#\r\n") << verbal;
    QTest::newRow("blanks before fields")
        << QByteArray("  2, \"Verbal\",\t4500,  31, #2002-05-14#\r\n") << verbal;
    QTest::newRow("blanks after fields")
        << QByteArray("2 ,\"Verbal\" ,4500 ,31,#2002-05-14#  \r\n") << verbal;
    QTest::newRow("unquoted text") << QByteArray("2,Verbal,4500,31,#2002-05-14#\r\n") << verbal;
    QTest::newRow("unquoted text, trailing blanks dropped")
        << QByteArray("2,Verbal   ,4500,31,#2002-05-14#\r\n") << verbal;
    QTest::newRow("LF line end") << QByteArray("2,\"Verbal\",4500,31,#2002-05-14#\n") << verbal;
    QTest::newRow("no line end at the end of the file")
        << QByteArray("2,\"Verbal\",4500,31,#2002-05-14#") << verbal;
    QTest::newRow("blank lines around the record")
        << QByteArray("\r\n   \r\n2,\"Verbal\",4500,31,#2002-05-14#\r\n\r\n") << verbal;
    QTest::newRow("byte order mark")
        << QByteArray("\xEF\xBB\xBF" "2,\"Verbal\",4500,31,#2002-05-14#\r\n") << verbal;
    QTest::newRow("plus sign and leading zeros")
        << QByteArray("+2,\"Verbal\",04500,031,#2002-05-14#\r\n") << verbal;
    QTest::newRow("comma inside quotes")
        << QByteArray("2,\"Verbal, second half\",4500,31,#2002-05-14#\r\n")
        << tesdet(2, QStringLiteral("Verbal, second half"), 4500, 31, may14);
    QTest::newRow("quoted text over two lines")
        << QByteArray("2,\"First paragraph.\r\nSecond paragraph.\",4500,31,#2002-05-14#\r\n")
        << tesdet(2, QStringLiteral("First paragraph.\r\nSecond paragraph."), 4500, 31, may14);
    QTest::newRow("empty fields read as empty text and 0")
        << QByteArray(",,,,#2002-05-14#\r\n") << tesdet(0, QString(), 0, 0, may14);
    QTest::newRow("negative numbers")
        << QByteArray("-2,\"\",-4500,-31,#2002-05-14#\r\n") << tesdet(-2, QString(), -4500, -31, may14);
    QTest::newRow("date with a time of day")
        << QByteArray("2,\"Verbal\",4500,31,#2002-05-14 13:45:09#\r\n")
        << tesdet(2, QStringLiteral("Verbal"), 4500, 31, may14, QTime(13, 45, 9));
    QTest::newRow("UTF-8 text")
        << QByteArray("2,\"Verbal \xE2\x88\x9A\xCF\x80\",4500,31,#2002-05-14#\r\n")
        << tesdet(2, QStringLiteral("Verbal \u221A\u03C0"), 4500, 31, may14);
}

void FieldCodecTest::readsEveryFormTheWriterAndHumansProduce()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TesdetRecord, expected);
    const auto buffer = parse<TesdetRecord>(bytes);
    QCOMPARE(buffer.size(), 1);
    QVERIFY(buffer[1] == expected);
    QCOMPARE(buffer[1].section, expected.section);
}

void FieldCodecTest::refusesMalformedFields_data()
{
    QTest::addColumn<int>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("problem");
    const int tesdetFile = int(FileId::tesdet), tesgiv = int(FileId::tesgiv),
              userprof = int(FileId::userprof);
    const QByteArray good("1,\"Quantitative\",4000,20,#2002-05-14#\r\n");

    QTest::newRow("record ends early")
        << tesdetFile << QByteArray("2,\"Verbal\",4500\r\n") << 1 << 4 << "marks" << "ends before this field";
    QTest::newRow("record ends early at the end of the file")
        << tesdetFile << good + "2,\"Verbal\",4500" << 2 << 4 << "marks" << "ends before this field";
    QTest::newRow("more fields than the layout")
        << tesdetFile << QByteArray("2,\"Verbal\",4500,31,#2002-05-14#,7\r\n") << 1 << 6 << ""
        << "goes on past its last field";
    QTest::newRow("letters in a number")
        << tesdetFile << good + "2,\"Verbal\",45x0,31,#2002-05-14#\r\n" << 2 << 3 << "secs_used"
        << "\"45x0\" is not a whole number";
    QTest::newRow("decimal point in a number")
        << tesdetFile << QByteArray("2,\"Verbal\",4500,31.5,#2002-05-14#\r\n") << 1 << 4 << "marks"
        << "is not a whole number";
    QTest::newRow("quoted number")
        << tesdetFile << QByteArray("\"2\",\"Verbal\",4500,31,#2002-05-14#\r\n") << 1 << 1
        << "test_no" << "not a quoted text";
    QTest::newRow("32-bit overflow")
        << tesdetFile << QByteArray("2,\"Verbal\",2147483648,31,#2002-05-14#\r\n") << 1 << 3
        << "secs_used" << "does not fit a 32-bit field";
    QTest::newRow("16-bit overflow")
        << userprof << QByteArray("\"Q1\",1,\"Verbal\",32768,1,5,\"S\",1,0\r\n") << 1 << 4 << "ans_no"
        << "does not fit a 16-bit field";
    QTest::newRow("16-bit underflow")
        << userprof << QByteArray("\"Q1\",1,\"Verbal\",1,-32769,5,\"S\",1,0\r\n") << 1 << 5
        << "given_no" << "does not fit a 16-bit field";
    QTest::newRow("flag without hashes")
        << tesgiv << QByteArray("1,TRUE,#FALSE#\r\n") << 1 << 2 << "taken" << "is not a flag";
    QTest::newRow("flag of another word")
        << tesgiv << QByteArray("1,#FALSE#,#YES#\r\n") << 1 << 3 << "extra_flag" << "is not a flag";
    QTest::newRow("month 13")
        << tesdetFile << QByteArray("2,\"Verbal\",4500,31,#2002-13-01#\r\n") << 1 << 5 << "done_at"
        << "is not a date";
    QTest::newRow("day 30 of February")
        << tesdetFile << QByteArray("2,\"Verbal\",4500,31,#2002-02-30#\r\n") << 1 << 5 << "done_at"
        << "is not a date";
    QTest::newRow("date without leading zero")
        << tesdetFile << QByteArray("2,\"Verbal\",4500,31,#2002-5-14#\r\n") << 1 << 5 << "done_at"
        << "is not a date";
    QTest::newRow("empty date")
        << tesdetFile << QByteArray("2,\"Verbal\",4500,31,\r\n") << 1 << 5 << "done_at"
        << "is not a date";
    QTest::newRow("double quote inside unquoted text")
        << tesdetFile << QByteArray("2,Ver\"bal,4500,31,#2002-05-14#\r\n") << 1 << 2 << "section"
        << "double quote inside a text";
    QTest::newRow("characters after the closing quote")
        << tesdetFile << QByteArray("2,\"Verb\"al,4500,31,#2002-05-14#\r\n") << 1 << 2 << "section"
        << "after the closing quote";
    QTest::newRow("quote never closed")
        << tesdetFile << good + good + "2,\"Verbal,4500,31,#2002-05-14#\r\n" << 3 << 2 << "section"
        << "never closed";
    QTest::newRow("closing quote missing before the next record")
        << tesdetFile << good + "2,\"Verbal,4500,31,#2002-05-14#\r\n" + good << 2 << 2 << "section"
        << "runs on to line 3, so a closing quote may be missing";
    QTest::newRow("invalid UTF-8")
        << tesdetFile << QByteArray("2,\"Verb\xFF\",4500,31,#2002-05-14#\r\n") << 1 << 2 << "section"
        << "not valid UTF-8";
    QTest::newRow("line count goes on through texts over several lines")
        << tesdetFile
        << QByteArray("1,\"a\r\nb\r\nc\",1,1,#2002-05-14#\r\n\r\n2,\"Verbal\",x,31,#2002-05-14#\r\n")
        << 5 << 3 << "secs_used" << "is not a whole number";
}

void FieldCodecTest::refusesMalformedFields()
{
    QFETCH(int, file);
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(int, field);
    QFETCH(QString, fieldName);
    QFETCH(QString, problem);

    withRecordType(FileId(file), [&](auto type) {
        using R = typename decltype(type)::type;
        RecordBuffer<R> buffer;
        buffer.append(R{});
        try {
            parseRecords(bytes, QStringLiteral("/data/sample.enc"), buffer);
            QFAIL("the malformed record was accepted");
        } catch (const StoreError& error) {
            QCOMPARE(error.file(), QStringLiteral("/data/sample.enc"));
            QCOMPARE(error.line(), line);
            QCOMPARE(error.field(), field);
            QCOMPARE(error.fieldName(), fieldName);
            QVERIFY2(error.problem().contains(problem), qPrintable(error.problem()));
            QVERIFY(error.message().startsWith(QStringLiteral("Data file \"/data/sample.enc\", line ")));
        }
        QCOMPARE(buffer.size(), 1); // a failed load leaves the buffer as it was
    });
}

void FieldCodecTest::writesTheOneExactForm()
{
    QCOMPARE(format(tesdet(2, QStringLiteral("Verbal"), 4500, 31, QDate(2002, 5, 14))),
             QByteArray("2,\"Verbal\",4500,31,#2002-05-14#\r\n"));
    QCOMPARE(format(tesdet(-3, QString(), 0, -7, QDate(987, 1, 2), QTime(9, 5, 0))),
             QByteArray("-3,\"\",0,-7,#0987-01-02 09:05:00#\r\n"));
    QCOMPARE(format(TesgivRecord{4, true, false}), QByteArray("4,#TRUE#,#FALSE#\r\n"));
    QdsmastRecord ds;
    ds.q_id = QStringLiteral("QD1");
    ds.stmt_1 = QStringLiteral("x > 0, y < 0");
    QCOMPARE(format(ds), QByteArray("0,\"QD1\",\"\",0,0,#FALSE#,\"x > 0, y < 0\",\"\",\"\",0,#FALSE#\r\n"));
}

void FieldCodecTest::refusesToWriteADoubleQuote()
{
    PlanRecord plan{1, QStringLiteral("S\"")};
    QVERIFY_THROWS_EXCEPTION(StoreError, format(plan));
}

void FieldCodecTest::sentenceCorrectionChoiceBIsField5()
{
    const QByteArray line("\"VS1\",\"Q\",\"A\",\"note\",\"B\",\"C\",\"D\",\"E\",3,2,#TRUE#,\"why\",7\r\n");
    const auto bank = parse<VsmastRecord>(line);
    QCOMPARE(bank[1].opt_1, QStringLiteral("A"));
    QCOMPARE(bank[1].q_note, QStringLiteral("note"));
    QCOMPARE(bank[1].opt_2, QStringLiteral("B"));
    QCOMPARE(bank[1].opt_5, QStringLiteral("E"));
    QCOMPARE(bank[1].q_level, std::int16_t(3));
    QCOMPARE(bank[1].ans_no, std::int16_t(2));
    QVERIFY(bank[1].used);
    QCOMPARE(bank[1].rand_key, 7);
    QCOMPARE(format(bank[1]), line);
}

void FieldCodecTest::layoutsPutFieldsWhereTheBanksHaveThem()
{
    const auto ds = parse<QdsmastRecord>("6,\"QD1\",\"stem\",4,5,#TRUE#,\"(1)\",\"\",\"why\",2,#TRUE#\r\n");
    QCOMPARE(ds[1].rand_key, 6);
    QCOMPARE(ds[1].q_level, std::int16_t(4));
    QCOMPARE(ds[1].ans_no, std::int16_t(5));
    QVERIFY(ds[1].used && ds[1].tall_q);
    QCOMPARE(ds[1].stmt_2, QString());
    QCOMPARE(ds[1].fig_id, std::int16_t(2));

    const auto cr = parse<VrmastRecord>(
        "\"VR1\",\"arg\",\"a\",\"b\",\"c\",\"d\",\"e\",5,1,\"why\",#TRUE#,\"I\",\"II\",\"III\",\"\",\"\",9,#TRUE#\r\n");
    QCOMPARE(cr[1].expl, QStringLiteral("why"));
    QVERIFY(cr[1].used && cr[1].tall_q);
    QCOMPARE(cr[1].stmt_3, QStringLiteral("III"));
    QCOMPARE(cr[1].rand_key, 9);

    const auto rc = parse<VcmastRecord>(
        "\"VC1\",\"q\",\"a\",\"b\",\"c\",\"d\",\"e\",0,3,12,#TRUE#,\"why\",\"\",\"\",\"\",\"\",\"\"\r\n");
    QCOMPARE(rc[1].ans_no, std::int16_t(3));
    QCOMPARE(rc[1].psg_id, std::int16_t(12));
    QVERIFY(rc[1].used);

    const auto ps = parse<QpsmastRecord>(
        "\"QP1\",\"q\",\"1, 2, 3\",\"b\",\"c\",\"d\",\"e\",2,4,3,#FALSE#,\"why\",8\r\n");
    QCOMPARE(ps[1].opt_1, QStringLiteral("1, 2, 3"));
    QCOMPARE(ps[1].fig_id, std::int16_t(3));
    QCOMPARE(ps[1].rand_key, 8);
}

QTEST_GUILESS_MAIN(FieldCodecTest)
#include "tst_field_codec.moc"
