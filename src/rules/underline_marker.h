#pragma once

#include <QString>

namespace kaven::rules {

// A Sentence Correction sentence marks its underlined part with braces:
//   The box of old letters {were found} in the attic last spring.
// Braces are never part of the prose, so the marker cannot clash with the text. An opening
// brace without a closing one after it is shown as it stands.

// The sentence as rich text for a label: every character escaped, the marked part
// underlined, the braces gone.
QString underlineMarkup(const QString& text);

// Any text made safe for a rich-text label: every character escaped, line ends as breaks.
QString escapedLines(const QString& text);

// The sentence without its marker, for places that show plain text.
QString withoutUnderlineMarker(const QString& text);

} // namespace kaven::rules
