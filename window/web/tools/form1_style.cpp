#include "window/web/tools/form1_style.h"

#include "window/form1_description.h"
#include "window/web/tools/form1_roles.h"
#include "window/web/tools/readable_colour.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace page {
namespace {

struct Scheme {
  std::string_view media; // empty for the light scheme, which applies always
  Rgb window, window_text;
};

// The stored window's background (the system's button face) and text, and
// their counterparts for a dark scheme and for more contrast.
constexpr std::array<Scheme, 4> schemes = {{
    {.media = "",
     .window = {.red = 0xF0, .green = 0xF0, .blue = 0xF0},
     .window_text = {.red = 0x00, .green = 0x00, .blue = 0x00}},
    {.media = "(prefers-color-scheme: dark)",
     .window = {.red = 0x20, .green = 0x20, .blue = 0x20},
     .window_text = {.red = 0xF0, .green = 0xF0, .blue = 0xF0}},
    {.media = "(prefers-contrast: more)",
     .window = {.red = 0xFF, .green = 0xFF, .blue = 0xFF},
     .window_text = {.red = 0x00, .green = 0x00, .blue = 0x00}},
    {.media = "(prefers-color-scheme: dark) and (prefers-contrast: more)",
     .window = {.red = 0x00, .green = 0x00, .blue = 0x00},
     .window_text = {.red = 0xFF, .green = 0xFF, .blue = 0xFF}},
}};

std::string hex(Rgb colour) {
  std::array<char, 8> text{};
  std::snprintf(text.data(), text.size(), "#%02x%02x%02x", colour.red, colour.green, colour.blue);
  return text.data();
}

// Twips as rem: exactly the stored CSS pixels at the browsers' 16 px text,
// growing with a user's larger text as a layout in twips grows with the
// logical inch.
std::string rem(int twips) {
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%.6grem",
                twips / static_cast<double>(form1::twips_per_pixel * 16));
  return text.data();
}

std::string selector(const form1::Control &control) {
  std::string id = "#";
  return id.append(control.name);
}

std::string colours(const Scheme &scheme) {
  const bool stored_as_is = scheme.media.empty();
  std::string css = ":root { --window: " + hex(scheme.window) +
                    "; --window-text: " + hex(scheme.window_text) + "; }\n";
  for (const form1::Control &control : form1::controls) {
    if (control.colour == form1::default_colour) {
      continue;
    }
    const Rgb colour{.red = static_cast<std::uint8_t>(form1::red_of(control.colour)),
                     .green = static_cast<std::uint8_t>(form1::green_of(control.colour)),
                     .blue = static_cast<std::uint8_t>(form1::blue_of(control.colour))};
    css += selector(control) +
           " { color: " + hex(stored_as_is ? colour : readable_text_colour(colour, scheme.window)) +
           "; }\n";
  }
  return css;
}

std::string stored_places() {
  const form1::Control &result = result_label;
  const form1::Rect &place = result.place;
  std::string css = "@media (min-width: " + rem(form1::client_width) + ") {\n";
  // The result stays in the flow, the row under the boxes with the same
  // margin right as left, so that a caption wider than the row goes on over
  // further lines and the form, holding its margin (flow-root), grows
  // downwards with it.
  css += "  #Form1 { display: flow-root; position: relative; width: " + rem(form1::client_width) +
         "; padding: 0 0 " + rem(form1::client_height - place.top - place.height) + "; }\n";
  css += "  #Form1 .side { display: contents; }\n";
  css += "  " + selector(result) + " { margin: " + rem(place.top) + " " + rem(place.left) +
         " 0; min-height: " + rem(place.height) + "; }\n";
  for (const form1::Control &control : form1::controls) {
    if (&control == &result) {
      continue;
    }
    const form1::Rect &at = control.place;
    css += "  " + selector(control) + " { position: absolute; left: " + rem(at.left) +
           "; top: " + rem(at.top) + "; width: " + rem(at.width) + "; height: " + rem(at.height) +
           "; }\n";
  }
  return css + "}\n";
}

} // namespace

std::string form1_style() {
  std::string css = "/* Form1's colours and places, generated from its table. */\n";
  for (const Scheme &scheme : schemes) {
    if (scheme.media.empty()) {
      css += colours(scheme);
    } else {
      css += "@media " + std::string(scheme.media) + " {\n" + colours(scheme) + "}\n";
    }
  }
  // A phone zooms the page into a box whose text is under 16 px when it gets
  // the focus: wherever the form is laid out for a phone, or used by touch,
  // the boxes' text is 16 px at least.
  return css + stored_places() + "@media not all and (min-width: " + rem(form1::client_width) +
         "), (pointer: coarse) {\n  #Form1 input { font-size: max(1rem, 16px); line-height: "
         "normal; }\n}\n";
}

} // namespace page
