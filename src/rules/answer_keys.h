#pragma once

#include <QString>
#include <Qt>

namespace kaven::rules {

// The answer a key chooses on a section screen: A to E and 1 to 5 (the number row or the
// keypad) choose answers 1 to 5; any other key, or one held with Ctrl, Alt or Meta (Alt and a
// letter are the buttons' mnemonics), chooses none and gives 0.
int answerForKey(int key, Qt::KeyboardModifiers modifiers);

// What a screen reader announces for option k: its letter and its answer, "(A) 12".
QString optionName(int k, const QString& answer);

// The countdown label's name: "Time left 01:14:59".
QString timeLeftName(const QString& shown);

// How a section screen tells a screen-reader user that the keys choose the answers.
QString answerKeysHint();

} // namespace kaven::rules
