#include "rules/answer_keys.h"

namespace kaven::rules {

int answerForKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return 0;
    if (key >= Qt::Key_A && key <= Qt::Key_E)
        return key - Qt::Key_A + 1;
    if (key >= Qt::Key_1 && key <= Qt::Key_5)
        return key - Qt::Key_1 + 1;
    return 0;
}

QString optionName(int k, const QString& answer)
{
    // A multi-line answer is read as one line.
    const QString letter = QStringLiteral("(%1)").arg(QChar(u'A' + k - 1));
    const QString text = answer.simplified();
    return text.isEmpty() ? letter : letter + QLatin1Char(' ') + text;
}

QString timeLeftName(const QString& shown)
{
    return QStringLiteral("Time left ") + shown;
}

QString answerKeysHint()
{
    return QStringLiteral("Keys A to E or 1 to 5 choose an answer; Next, then Confirm, records it.");
}

} // namespace kaven::rules
