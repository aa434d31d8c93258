#pragma once

#include "datastore/record_buffer.h"
#include "datastore/records.h"

#include <QList>
#include <QString>

#include <cstdint>

namespace kaven::review {

// One numbered button of the score sheet: one answer of the section under review.
struct SheetButton {
    int profileIndex = 0; // the answer's record in the user profile
    int left = 0;         // twips
    int top = 0;
    QString toolTip;      // the question's type; empty for a type the program does not know
    bool wrong = false;   // shown red and struck through
};

// The answers of one section of one test, in the order they were confirmed.
struct ScoreSheet {
    QList<SheetButton> buttons; // button k is buttons[k - 1]
    int firstIndex = 0;         // profile index of the section's first answer, 0 when none
    std::int16_t correct = 0;

    int attempted() const { return int(buttons.size()); }
};

inline constexpr int buttonSize = 350; // twips, square

// The buttons of the section, laid out in rows from (500, 300) in steps of 375, a row
// breaking once the next left edge would pass 9400.
ScoreSheet buildScoreSheet(const store::RecordBuffer<store::UserprofRecord>& profile,
                           std::int32_t test, const QString& section);

// The tooltip of a button by the question's type code.
QString typeToolTip(const QString& typeCode);

// What a screen reader announces for button k: "Question 7, wrong".
QString sheetButtonName(int k, bool wrong);

QString attemptedCaption(int attempted);
QString correctCaption(std::int16_t correct);

} // namespace kaven::review
