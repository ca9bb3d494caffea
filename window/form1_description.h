#pragma once

// Form1 as stored: its controls, their captions, places, tab indexes and
// colours. Free of any toolkit, so that every front end builds the same form.

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace form1 {

// Twips: 1/1440 inch, 15 to a pixel at 96 dots per inch.
inline constexpr int twips_per_inch = 1440;
inline constexpr int twips_per_pixel = 15;

struct Rect {
  int left, top, width, height;
};

enum class Kind { TextBox, CommandButton, Label };

// A colour value as stored, 0x00BBGGRR; `default_colour` leaves the
// toolkit's own colour for that kind of control.
using Colour = std::uint32_t;
inline constexpr Colour default_colour = 0xFF000000;
inline constexpr Colour blue = 0x00FF0000;
inline constexpr Colour red = 0x000000FF;

[[nodiscard]] constexpr int red_of(Colour colour) { return static_cast<int>(colour & 0xFF); }
[[nodiscard]] constexpr int green_of(Colour colour) { return static_cast<int>(colour >> 8 & 0xFF); }
[[nodiscard]] constexpr int blue_of(Colour colour) { return static_cast<int>(colour >> 16 & 0xFF); }

struct Control {
  std::string_view name;
  Kind kind;
  std::u16string_view caption;
  Rect place;
  int tab_index;
  Colour colour;
};

inline constexpr std::u16string_view title = u"Form1";
inline constexpr int client_width = 10980;
inline constexpr int client_height = 1410;

// A table read by column.
// NOLINTBEGIN(modernize-use-designated-initializers)
inline constexpr std::array<Control, 9> controls = {{
    {"Text1", Kind::TextBox, u"1", {60, 120, 1815, 375}, 1, default_colour},
    {"Text2", Kind::TextBox, u"1", {1980, 120, 1815, 375}, 2, default_colour},
    {"Text3", Kind::TextBox, u"1", {3900, 120, 1815, 375}, 3, default_colour},
    {"Command2", Kind::CommandButton, u"Вывод данных", {5820, 120, 3495, 855}, 0, default_colour},
    {"Command1", Kind::CommandButton, u"Exit", {9480, 120, 1395, 855}, 8, default_colour},
    // The last letters: Cyrillic а, Latin b, Cyrillic с.
    {"Label1", Kind::Label, u"Сторона а", {60, 600, 1815, 255}, 4, blue},
    {"Label2", Kind::Label, u"Сторона b", {1980, 600, 1815, 255}, 5, blue},
    {"Label3", Kind::Label, u"Сторона с", {3900, 600, 1815, 255}, 6, blue},
    {"Label4", Kind::Label, u"Результат вычислений", {60, 1080, 1800, 255}, 7, red},
}};
// NOLINTEND(modernize-use-designated-initializers)

// The control of that name; the name must be in the table.
[[nodiscard]] consteval const Control &control(std::string_view name) {
  // Not std::ranges: older libc++, as emscripten's, has none of its algorithms.
  const auto found = std::find_if(controls.begin(), controls.end(),
                                  [name](const Control &entry) { return entry.name == name; });
  if (found == controls.end()) {
    throw "no such control"; // a compile-time error
  }
  return *found;
}

} // namespace form1
