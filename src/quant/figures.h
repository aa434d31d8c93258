#pragma once

#include <QLine>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace kaven::quant {

struct Circle {
    QPoint centre;
    int radius = 0;
    bool operator==(const Circle&) const = default;
};

// One of the five line drawings beside a question, in twips of the screen: the labels it
// hides, the labels it places (and shows), then its lines and circles. Labels it names
// neither way keep whatever state they had.
struct Figure {
    QStringList hidden;
    std::vector<std::pair<QString, QPoint>> placed; // label name, top-left corner
    std::vector<QLine> lines;
    std::vector<Circle> circles;

    bool isEmpty() const { return placed.empty() && lines.empty() && circles.empty(); }
};

// The drawing of figure number mfig_id; any number other than 1..5 draws nothing.
Figure Display_Fig(std::int16_t mfig_id);

// The nine figure labels with their one-letter captions; Hide_fig_labels hides them all.
const std::vector<std::pair<QString, QString>>& figureLabels();

} // namespace kaven::quant
