#pragma once

#include <QColor>
#include <QPalette>

// The contrast of two colours by the WCAG 2 formula, from 1 to 21.
[[nodiscard]] double contrast_ratio(const QColor &first, const QColor &second);

// The colour a caption stored in `stored` is drawn in under `palette`. In a
// light palette it is the stored colour itself. In a dark one (window text
// lighter than the window) it keeps its hue and is lightened until it stands
// out from the window by at least 7:1, the WCAG AAA contrast for text, or
// as far as white allows.
[[nodiscard]] QColor readable_text_colour(const QColor &stored, const QPalette &palette);
