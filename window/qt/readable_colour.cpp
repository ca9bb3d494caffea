#include "window/qt/readable_colour.h"

#include <algorithm>
#include <cmath>

namespace {

// WCAG's enhanced contrast for text: the antialiased edges of the glyphs, as
// drawn, then still stand out by 4.5:1.
constexpr double least_text_contrast = 7.0;

double linear(double channel) {
  return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double relative_luminance(const QColor &colour) {
  const QColor rgb = colour.toRgb();
  return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

} // namespace

double contrast_ratio(const QColor &first, const QColor &second) {
  const double one = relative_luminance(first);
  const double other = relative_luminance(second);
  return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

QColor readable_text_colour(const QColor &stored, const QPalette &palette) {
  const QColor background = palette.color(QPalette::Window);
  const bool dark =
      relative_luminance(background) < relative_luminance(palette.color(QPalette::WindowText));
  if (!dark) {
    return stored;
  }
  const QColor hsl = stored.toHsl();
  for (int lightness = hsl.lightness(); lightness < 255; ++lightness) {
    const QColor lighter = QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness);
    if (contrast_ratio(lighter, background) >= least_text_contrast) {
      return lighter.toRgb();
    }
  }
  return {Qt::white};
}
