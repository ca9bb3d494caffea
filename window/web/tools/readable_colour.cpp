#include "window/web/tools/readable_colour.h"

#include <algorithm>
#include <cmath>

namespace page {
namespace {

constexpr double least_text_contrast = 7.0;

struct Hsl {
  double hue;        // in turns, from 0 to 1
  double saturation; // from 0 to 1
  double lightness;  // from 0 to 1
};

double linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double relative_luminance(Rgb colour) {
  return 0.2126 * linear(colour.red / 255.0) + 0.7152 * linear(colour.green / 255.0) +
         0.0722 * linear(colour.blue / 255.0);
}

Hsl hsl_of(Rgb colour) {
  const double red = colour.red / 255.0;
  const double green = colour.green / 255.0;
  const double blue = colour.blue / 255.0;
  const double most = std::max({red, green, blue});
  const double least = std::min({red, green, blue});
  const double lightness = (most + least) / 2;
  const double chroma = most - least;
  if (chroma == 0) {
    return {.hue = 0, .saturation = 0, .lightness = lightness};
  }
  const double saturation = chroma / (1 - std::abs(2 * lightness - 1));
  double hue = 0;
  if (most == red) {
    hue = std::fmod((green - blue) / chroma + 6, 6);
  } else if (most == green) {
    hue = (blue - red) / chroma + 2;
  } else {
    hue = (red - green) / chroma + 4;
  }
  return {.hue = hue / 6, .saturation = saturation, .lightness = lightness};
}

Rgb rgb_of(const Hsl &colour) {
  const double reach = colour.saturation * std::min(colour.lightness, 1 - colour.lightness);
  const auto channel = [&](double offset) {
    const double sector = std::fmod(offset + colour.hue * 12, 12);
    const double value =
        colour.lightness - reach * std::max(-1.0, std::min({sector - 3, 9 - sector, 1.0}));
    return static_cast<std::uint8_t>(std::lround(value * 255));
  };
  return {.red = channel(0), .green = channel(8), .blue = channel(4)};
}

} // namespace

double contrast_ratio(Rgb first, Rgb second) {
  const double one = relative_luminance(first);
  const double other = relative_luminance(second);
  return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

Rgb readable_text_colour(Rgb stored, Rgb background) {
  const bool dark = relative_luminance(background) < 0.5;
  Hsl tint = hsl_of(stored);
  for (int step = 0; step <= 255; ++step) {
    const Rgb colour = rgb_of(tint);
    if (contrast_ratio(colour, background) >= least_text_contrast) {
      return colour;
    }
    tint.lightness = std::clamp(tint.lightness + (dark ? 1.0 : -1.0) / 255, 0.0, 1.0);
  }
  return dark ? Rgb{.red = 255, .green = 255, .blue = 255} : Rgb{.red = 0, .green = 0, .blue = 0};
}

} // namespace page
