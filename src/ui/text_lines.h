#pragma once

#include <QString>

namespace kaven::ui {

// The data files end their lines with CR LF; a text box shows a line end as a paragraph
// and a CR as a glyph of its own, so texts go in with LF line ends.
inline QString boxText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

} // namespace kaven::ui
