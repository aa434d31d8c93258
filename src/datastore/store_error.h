#pragma once

#include <QString>

#include <stdexcept>

namespace kaven::store {

// A data file that cannot be read or written. Carries where the trouble is, so the
// candidate (or whoever prepared the data) can find and mend the exact spot.
class StoreError : public std::runtime_error {
public:
    // line and field are 1-based; 0 means "not tied to a line" or "not tied to a field".
    StoreError(QString file, int line, int field, QString fieldName, QString problem);

    const QString& file() const { return file_; }
    int line() const { return line_; }
    int field() const { return field_; }
    const QString& fieldName() const { return fieldName_; }
    const QString& problem() const { return problem_; }

    // One sentence naming the file, the line and the field, e.g.
    // Data file "/opt/kaven/vsmastxq42.dll", line 12, field 9 (q_level): "7x" is not a whole number.
    QString message() const;

private:
    QString file_;
    int line_;
    int field_;
    QString fieldName_;
    QString problem_;
};

} // namespace kaven::store
