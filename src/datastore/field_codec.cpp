#include "datastore/field_codec.h"

#include "datastore/store_error.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <charconv>
#include <cstring>
#include <limits>

namespace kaven::store {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// Shows a field's text inside an error message, shortened when long.
QString shown(QByteArrayView text)
{
    constexpr qsizetype limit = 40;
    QString s = QString::fromUtf8(text.first(std::min(text.size(), limit)));
    if (text.size() > limit)
        s += QStringLiteral("...");
    return QLatin1Char('"') + s + QLatin1Char('"');
}

// Reads exactly `digits` decimal digits at `text[at]`; -1 when they are not there.
int digitsAt(QByteArrayView text, qsizetype at, int digits)
{
    if (at + digits > text.size())
        return -1;
    int value = 0;
    for (int i = 0; i < digits; ++i) {
        const char c = text[at + i];
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// #yyyy-mm-dd# or #yyyy-mm-dd hh:mm:ss#
bool parseDate(QByteArrayView text, StoreDate& out)
{
    const bool withTime = text.size() == 21;
    if ((text.size() != 12 && !withTime) || text.front() != '#' || text.back() != '#'
        || text[5] != '-' || text[8] != '-')
        return false;
    const QDate date(digitsAt(text, 1, 4), digitsAt(text, 6, 2), digitsAt(text, 9, 2));
    if (!date.isValid())
        return false;
    QTime time(0, 0);
    if (withTime) {
        if (text[11] != ' ' || text[14] != ':' || text[17] != ':')
            return false;
        const int h = digitsAt(text, 12, 2), m = digitsAt(text, 15, 2), s = digitsAt(text, 18, 2);
        if (h < 0 || m < 0 || s < 0 || !QTime::isValid(h, m, s))
            return false;
        time = QTime(h, m, s);
    }
    out = StoreDate{date, time};
    return true;
}

} // namespace

// ---------------------------------------------------------------- reader

FieldReader::FieldReader(QByteArray bytes, QString fileName)
    : bytes_(std::move(bytes)), fileName_(std::move(fileName))
{
    if (bytes_.startsWith("\xEF\xBB\xBF"))
        pos_ = 3;
}

void FieldReader::skipBlanks()
{
    while (pos_ < bytes_.size() && isBlank(bytes_[pos_]))
        ++pos_;
}

void FieldReader::takeLineEnd()
{
    if (pos_ >= bytes_.size())
        return;
    if (bytes_[pos_] == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n')
        ++pos_;
    ++pos_;
}

int FieldReader::lineAt(qsizetype at) const
{
    int line = 1;
    for (qsizetype i = 0; i < at && i < bytes_.size(); ++i) {
        if (bytes_[i] == '\n' || (bytes_[i] == '\r' && (i + 1 == bytes_.size() || bytes_[i + 1] != '\n')))
            ++line;
    }
    return line;
}

bool FieldReader::atEnd()
{
    for (;;) {
        const qsizetype lineStart = pos_;
        skipBlanks();
        if (pos_ >= bytes_.size())
            return true;
        if (!isLineEnd(bytes_[pos_])) {
            pos_ = lineStart;
            return false;
        }
        takeLineEnd();
    }
}

void FieldReader::fail(qsizetype at, int field, const char* name, const QString& problem) const
{
    throw StoreError(fileName_, lineAt(at), field, name ? QString::fromLatin1(name) : QString(), problem);
}

void FieldReader::fail(const Raw& raw, const QString& problem) const
{
    fail(raw.start, raw.field, raw.name, problem);
}

FieldReader::Raw FieldReader::next(int field, int fieldCount, const char* name)
{
    if (field > 1 && !afterComma_)
        fail(pos_, field, name,
             QStringLiteral("the record ends before this field; a record of this file has %1 fields")
                 .arg(fieldCount));
    afterComma_ = false;

    skipBlanks();
    Raw raw;
    raw.start = pos_;
    raw.field = field;
    raw.name = name;

    if (pos_ < bytes_.size() && bytes_[pos_] == '"') {
        const qsizetype start = pos_ + 1;
        const qsizetype close = bytes_.indexOf('"', start);
        if (close < 0)
            fail(raw, QStringLiteral("the quoted text that starts here is never closed"));
        raw.text = QByteArrayView(bytes_).sliced(start, close - start);
        raw.quoted = true;
        pos_ = close + 1;
        skipBlanks();
        if (pos_ < bytes_.size() && bytes_[pos_] != ',' && !isLineEnd(bytes_[pos_])) {
            QString problem = QStringLiteral("unexpected characters after the closing quote");
            if (const int end = lineAt(pos_); end != lineAt(raw.start))
                problem += QStringLiteral("; the quoted text that starts here runs on to line %1, "
                                          "so a closing quote may be missing")
                               .arg(end);
            fail(raw, problem);
        }
    } else {
        const qsizetype start = pos_;
        while (pos_ < bytes_.size() && bytes_[pos_] != ',' && !isLineEnd(bytes_[pos_]))
            ++pos_;
        qsizetype end = pos_;
        while (end > start && isBlank(bytes_[end - 1]))
            --end;
        raw.text = QByteArrayView(bytes_).sliced(start, end - start);
        if (raw.text.contains('"'))
            fail(raw, QStringLiteral("a double quote inside a text that does not start with one"));
    }

    if (pos_ < bytes_.size() && bytes_[pos_] == ',') {
        if (field == fieldCount)
            fail(raw.start, field + 1, nullptr,
                 QStringLiteral("the record goes on past its last field; a record of this file "
                                "has %1 fields")
                     .arg(fieldCount));
        ++pos_;
        afterComma_ = true;
    } else if (field == fieldCount) {
        takeLineEnd();
    }
    return raw;
}

void FieldReader::read(int field, int fieldCount, const char* name, QString& value)
{
    const Raw raw = next(field, fieldCount, name);
    // Each text is decoded on its own; a byte order mark inside a text is kept as written.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    value = decoder(raw.text);
    if (decoder.hasError())
        fail(raw, QStringLiteral("the text is not valid UTF-8"));
}

std::int64_t FieldReader::readInteger(int field, int fieldCount, const char* name,
                                      std::int64_t lowest, std::int64_t highest, const char* width)
{
    const Raw raw = next(field, fieldCount, name);
    if (raw.quoted)
        fail(raw, QStringLiteral("a whole number belongs here, not a quoted text"));
    QByteArrayView digits = raw.text;
    if (digits.empty())
        return 0;
    if (digits.front() == '+')
        digits = digits.sliced(1);
    std::int64_t number = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || raw.text.startsWith("+-") || end != digits.data() + digits.size()
        || (ec != std::errc() && ec != std::errc::result_out_of_range))
        fail(raw, QStringLiteral("%1 is not a whole number").arg(shown(raw.text)));
    if (ec == std::errc::result_out_of_range || number < lowest || number > highest)
        fail(raw, QStringLiteral("%1 does not fit a %2 field (%3 to %4)")
                      .arg(shown(raw.text), QLatin1String(width))
                      .arg(lowest)
                      .arg(highest));
    return number;
}

void FieldReader::read(int field, int fieldCount, const char* name, std::int16_t& value)
{
    value = static_cast<std::int16_t>(readInteger(field, fieldCount, name,
                                                  std::numeric_limits<std::int16_t>::min(),
                                                  std::numeric_limits<std::int16_t>::max(),
                                                  "16-bit"));
}

void FieldReader::read(int field, int fieldCount, const char* name, std::int32_t& value)
{
    value = static_cast<std::int32_t>(readInteger(field, fieldCount, name,
                                                  std::numeric_limits<std::int32_t>::min(),
                                                  std::numeric_limits<std::int32_t>::max(),
                                                  "32-bit"));
}

void FieldReader::read(int field, int fieldCount, const char* name, bool& value)
{
    const Raw raw = next(field, fieldCount, name);
    const QByteArray upper = raw.text.toByteArray().toUpper();
    if (!raw.quoted && (raw.text.empty() || upper == "#FALSE#"))
        value = false;
    else if (!raw.quoted && upper == "#TRUE#")
        value = true;
    else
        fail(raw, QStringLiteral("%1 is not a flag (#TRUE# or #FALSE#)").arg(shown(raw.text)));
}

void FieldReader::read(int field, int fieldCount, const char* name, StoreDate& value)
{
    const Raw raw = next(field, fieldCount, name);
    if (raw.quoted || !parseDate(raw.text, value))
        fail(raw, QStringLiteral("%1 is not a date (#yyyy-mm-dd#)").arg(shown(raw.text)));
}

// ---------------------------------------------------------------- writer

FieldWriter::FieldWriter(QByteArray& out, QString fileName)
    : out_(out), fileName_(std::move(fileName))
{
}

void FieldWriter::beginRecord()
{
    recordStart_ = out_.size();
    field_ = 0;
}

void FieldWriter::separate()
{
    if (field_++ > 0)
        out_ += ',';
}

void FieldWriter::fail(const char* name, const QString& problem) const
{
    const int line = 1 + int(QByteArrayView(out_).first(recordStart_).count('\n'));
    throw StoreError(fileName_, line, field_, QString::fromLatin1(name), problem);
}

void FieldWriter::write(const char* name, const QString& value)
{
    separate();
    // Encode straight into the output: no text of its own for every field.
    const qsizetype at = out_.size();
    out_.resize(at + 2 + 3 * value.size());
    char* const begin = out_.data() + at + 1;
    char* end = QStringEncoder(QStringEncoder::Utf8).appendToBuffer(begin, value);
    // The file format has no escape for a double quote: writing one would cut the
    // record in two on the next read.
    if (std::memchr(begin, '"', std::size_t(end - begin)))
        fail(name, QStringLiteral("a text cannot hold a double quote; nothing was written"));
    begin[-1] = '"';
    *end++ = '"';
    out_.truncate(end - out_.constData());
}

void FieldWriter::write(const char*, std::int16_t value)
{
    separate();
    out_ += QByteArray::number(value);
}

void FieldWriter::write(const char*, std::int32_t value)
{
    separate();
    out_ += QByteArray::number(value);
}

void FieldWriter::write(const char*, bool value)
{
    separate();
    out_ += value ? "#TRUE#" : "#FALSE#";
}

void FieldWriter::write(const char* name, const StoreDate& value)
{
    separate();
    if (!value.date.isValid() || value.date.year() < 1 || value.date.year() > 9999)
        fail(name, QStringLiteral("the date is not a calendar date from year 1 to 9999"));
    const QTime t = value.time.isValid() ? value.time : QTime(0, 0);
    QByteArray text = '#' + value.date.toString(QStringLiteral("yyyy-MM-dd")).toLatin1();
    if (t != QTime(0, 0))
        text += ' ' + t.toString(QStringLiteral("HH:mm:ss")).toLatin1();
    out_ += text + '#';
}

void FieldWriter::endRecord()
{
    out_ += "\r\n";
}

} // namespace kaven::store
