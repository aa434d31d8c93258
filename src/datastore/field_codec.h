#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QTime>

#include <cstdint>

namespace kaven::store {

// The date type of the data files. The program stores dates alone; a time of day is
// carried when a file holds one, so that it is written back as it was read.
struct StoreDate {
    QDate date;
    QTime time = QTime(0, 0);
    bool operator==(const StoreDate&) const = default;
};

// Reads the fields of one data file, record by record, from its whole text.
//
// It takes everything the writer produces, and besides: blanks before a field, a text
// without quotes (up to the next comma or line end, trailing blanks dropped), empty
// fields (empty text, 0 or false), blank lines between records, a quoted text that runs
// over line ends, LF or CR LF line ends, and a UTF-8 byte order mark. Anything else is a
// StoreError that names the file, the line and the field.
class FieldReader {
public:
    FieldReader(QByteArray bytes, QString fileName);

    // Skips blank lines; true when no record is left.
    bool atEnd();
    // Line on which the next record starts (1-based).
    int line() const { return lineAt(pos_); }
    const QString& fileName() const { return fileName_; }

    // Reads field number `field` (1-based) of a record of `fieldCount` fields.
    void read(int field, int fieldCount, const char* name, QString& value);
    void read(int field, int fieldCount, const char* name, std::int16_t& value);
    void read(int field, int fieldCount, const char* name, std::int32_t& value);
    void read(int field, int fieldCount, const char* name, bool& value);
    void read(int field, int fieldCount, const char* name, StoreDate& value);

private:
    struct Raw {
        QByteArrayView text;
        bool quoted = false;
        qsizetype start = 0; // where the field begins in the file
        int field = 0;
        const char* name = nullptr;
    };
    Raw next(int field, int fieldCount, const char* name);
    std::int64_t readInteger(int field, int fieldCount, const char* name, std::int64_t lowest,
                             std::int64_t highest, const char* width);
    [[noreturn]] void fail(const Raw& raw, const QString& problem) const;
    [[noreturn]] void fail(qsizetype at, int field, const char* name, const QString& problem) const;
    // Lines are counted only when an error needs one, so reading pays nothing for them.
    int lineAt(qsizetype at) const;
    void skipBlanks();
    void takeLineEnd();

    QByteArray bytes_;
    QString fileName_;
    qsizetype pos_ = 0;
    bool afterComma_ = false;
};

// Writes records in the one exact form: every text quoted, single commas, no blanks,
// each record ended by CR LF.
class FieldWriter {
public:
    FieldWriter(QByteArray& out, QString fileName);

    void beginRecord();
    void write(const char* name, const QString& value);
    void write(const char* name, std::int16_t value);
    void write(const char* name, std::int32_t value);
    void write(const char* name, bool value);
    void write(const char* name, const StoreDate& value);
    void endRecord();

private:
    void separate();
    [[noreturn]] void fail(const char* name, const QString& problem) const;

    QByteArray& out_;
    QString fileName_;
    qsizetype recordStart_ = 0;
    int field_ = 0;
};

} // namespace kaven::store
