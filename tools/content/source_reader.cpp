#include "source_reader.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace kaven::content {

namespace {

const QString paragraphBreak = QStringLiteral("\r\n\r\n");

QStringList linesOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ContentError(path, 0, QStringLiteral("cannot be read: ") + file.errorString());
    const QByteArray bytes = file.readAll();
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes)
        throw ContentError(path, 0, QStringLiteral("is not valid UTF-8 text"));
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

bool isContinuation(const QString& line) { return line.startsWith(QLatin1String("  ")); }
bool isBlank(const QString& line) { return line.trimmed().isEmpty(); }
bool isComment(const QString& line) { return line.startsWith(QLatin1Char('#')); }

} // namespace

ContentError::ContentError(const QString& file, int line, const QString& problem)
    : std::runtime_error(problem.toStdString()),
      message_(line > 0 ? QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(problem)
                        : QStringLiteral("%1: %2").arg(file, problem))
{
}

const Field& Entry::field(const QString& name) const
{
    for (const Field& f : fields) {
        if (f.name == name)
            return f;
    }
    throw ContentError(file, line, QStringLiteral("the entry has no field '%1'").arg(name));
}

void Entry::fail(const Field& f, const QString& problem) const
{
    throw ContentError(file, f.line, QStringLiteral("%1: %2").arg(f.name, problem));
}

QString Entry::optionalText(const QString& name) const
{
    return field(name).value;
}

QString Entry::text(const QString& name) const
{
    const Field& f = field(name);
    if (f.value.trimmed().isEmpty())
        fail(f, QStringLiteral("must not be empty"));
    return f.value;
}

int Entry::number(const QString& name, int low, int high) const
{
    const Field& f = field(name);
    bool ok = false;
    const int value = f.value.toInt(&ok);
    if (!ok || value < low || value > high)
        fail(f, QStringLiteral("must be a whole number from %1 to %2").arg(low).arg(high));
    return value;
}

int Entry::letter(const QString& name) const
{
    const Field& f = field(name);
    static const QString letters = QStringLiteral("ABCDE");
    if (f.value.size() != 1 || !letters.contains(f.value))
        fail(f, QStringLiteral("must be one of the letters A to E"));
    return int(letters.indexOf(f.value)) + 1;
}

bool Entry::yesNo(const QString& name) const
{
    const Field& f = field(name);
    if (f.value != QLatin1String("yes") && f.value != QLatin1String("no"))
        fail(f, QStringLiteral("must be yes or no"));
    return f.value == QLatin1String("yes");
}

QList<Entry> readEntries(const QString& path, const QStringList& fieldOrder)
{
    return readEntries(path, QList<QStringList>{fieldOrder});
}

QList<Entry> readEntries(const QString& path, const QList<QStringList>& fieldOrders)
{
    static const QRegularExpression fieldLine(QStringLiteral("^([A-Za-z0-9]+):(?: (.*))?$"));
    const QStringList lines = linesOf(path);
    QList<Entry> entries;
    QList<const QStringList*> orders; // the field order each entry follows
    Entry* current = nullptr;
    Field* open = nullptr;   // the field that continuation lines extend
    bool pendingBreak = false;

    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const int number = i + 1;
        if (line.contains(QLatin1Char('"')))
            throw ContentError(path, number, QStringLiteral(
                "a double quote cannot be stored in a data file; use typographic quotes"));
        if (isComment(line))
            continue;
        if (isBlank(line)) {
            pendingBreak = open != nullptr;
            continue;
        }
        if (isContinuation(line)) {
            if (!open)
                throw ContentError(path, number, QStringLiteral("an indented line belongs to no field"));
            if (!open->value.isEmpty())
                open->value += pendingBreak ? paragraphBreak : QStringLiteral(" ");
            open->value += line.trimmed();
            pendingBreak = false;
            continue;
        }
        const QRegularExpressionMatch match = fieldLine.match(line);
        if (!match.hasMatch())
            throw ContentError(path, number, QStringLiteral("expected a field line 'name: value'"));
        const QString name = match.captured(1);
        if (pendingBreak || !current) {
            // A blank line before a field line ends the entry; the new entry's first field
            // says which of the orders it follows.
            const auto starts = std::find_if(fieldOrders.begin(), fieldOrders.end(),
                                             [&name](const QStringList& order) { return order.first() == name; });
            entries.append(Entry{path, number, {}});
            orders.append(starts == fieldOrders.end() ? &fieldOrders.first() : &*starts);
            current = &entries.last();
        }
        pendingBreak = false;
        const QStringList& fieldOrder = *orders.last();
        const int position = int(current->fields.size());
        if (position >= fieldOrder.size() || fieldOrder[position] != name) {
            const QString expected = position < fieldOrder.size()
                ? QStringLiteral("'%1'").arg(fieldOrder[position])
                : QStringLiteral("a blank line and the next entry");
            throw ContentError(path, number, QStringLiteral("found field '%1' where %2 belongs")
                                                 .arg(name, expected));
        }
        current->fields.append(Field{name, match.captured(2).trimmed(), number});
        open = &current->fields.last();
    }
    for (qsizetype k = 0; k < entries.size(); ++k) {
        const QStringList& fieldOrder = *orders[k];
        if (entries[k].fields.size() != fieldOrder.size())
            throw ContentError(path, entries[k].line, QStringLiteral("the entry ends before its field '%1'")
                                                          .arg(fieldOrder[entries[k].fields.size()]));
    }
    return entries;
}

QList<std::pair<QString, int>> readList(const QString& path)
{
    const QStringList lines = linesOf(path);
    QList<std::pair<QString, int>> values;
    for (int i = 0; i < lines.size(); ++i) {
        const QString value = lines[i].trimmed();
        if (!value.isEmpty() && !value.startsWith(QLatin1Char('#')))
            values.append({value, i + 1});
    }
    return values;
}

} // namespace kaven::content
