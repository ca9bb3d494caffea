#pragma once

#include <cstdint>

// Text colours that stand out from a page's background, as the desktop tints
// its captions, worked out when the page is built.
namespace page {

struct Rgb {
  std::uint8_t red, green, blue;
};

// The contrast of two colours by the WCAG 2 formula, from 1 to 21.
[[nodiscard]] double contrast_ratio(Rgb first, Rgb second);

// `stored` if it stands out from `background` by at least 7:1, the WCAG AAA
// contrast for text; else the same hue lightened (on a dark background) or
// darkened (on a light one) until it does, or as far as white or black go.
[[nodiscard]] Rgb readable_text_colour(Rgb stored, Rgb background);

} // namespace page
