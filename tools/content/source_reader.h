#pragma once

// Reads the question sources: plain UTF-8 text that people write and review, one field per
// line as "name: value". A value runs on over the following lines indented by two blanks;
// a blank line followed by an indented line starts a new paragraph of the same value.
// Entries are separated by blank lines; lines starting with '#' are comments.

#include <QList>
#include <QString>
#include <QStringList>

#include <stdexcept>

namespace kaven::content {

// A source that breaks a rule: where, and what.
class ContentError : public std::runtime_error {
public:
    ContentError(const QString& file, int line, const QString& problem);
    QString message() const { return message_; }

private:
    QString message_;
};

struct Field {
    QString name;
    QString value; // continuation lines joined by a blank, paragraphs by an empty line (CR LF CR LF)
    int line = 0;
};

class Entry {
public:
    QString file;
    int line = 0; // where the entry starts
    QList<Field> fields;

    const Field& field(const QString& name) const;
    [[noreturn]] void fail(const Field& field, const QString& problem) const;

    // Typed access; each refuses a value that breaks its rule, naming the field's line.
    QString text(const QString& name) const;                  // not empty
    QString optionalText(const QString& name) const;
    int number(const QString& name, int low, int high) const; // whole number in low..high
    int letter(const QString& name) const;                    // A..E as 1..5
    bool yesNo(const QString& name) const;
};

// Reads every entry of a file. Each entry must have exactly the given fields in that order.
QList<Entry> readEntries(const QString& path, const QStringList& fieldOrder);
// The same for a file whose entries follow one of several orders, told apart by their
// first field (an entry that starts with none of them is held to the first order).
QList<Entry> readEntries(const QString& path, const QList<QStringList>& fieldOrders);

// Reads a list file: one value per line, comments and blank lines skipped; each value
// with the line it is on.
QList<std::pair<QString, int>> readList(const QString& path);

} // namespace kaven::content
