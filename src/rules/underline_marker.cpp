#include "rules/underline_marker.h"

namespace kaven::rules {

namespace {

// Calls plain(text) and underlined(text) for the pieces of the sentence in order.
template <class Plain, class Underlined>
void splitMarked(const QString& text, Plain&& plain, Underlined&& underlined)
{
    qsizetype from = 0;
    while (from < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('{'), from);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char('}'), open + 1);
        if (close < 0) {
            plain(text.mid(from));
            return;
        }
        plain(text.mid(from, open - from));
        underlined(text.mid(open + 1, close - open - 1));
        from = close + 1;
    }
}

} // namespace

QString escapedLines(const QString& text)
{
    QString html = text.toHtmlEscaped();
    html.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    html.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return html;
}

QString underlineMarkup(const QString& text)
{
    QString html;
    splitMarked(
        text, [&html](const QString& piece) { html += escapedLines(piece); },
        [&html](const QString& piece) { html += QStringLiteral("<u>") + escapedLines(piece) + QStringLiteral("</u>"); });
    return html;
}

QString withoutUnderlineMarker(const QString& text)
{
    QString plain;
    const auto keep = [&plain](const QString& piece) { plain += piece; };
    splitMarked(text, keep, keep);
    return plain;
}

} // namespace kaven::rules
