#pragma once

#include "window/form1_description.h"

#include <algorithm>
#include <array>
#include <string_view>

// What the page makes of Form1's controls beyond the stored table, as the
// desktop's code does: which caption names which box, which button Enter in a
// box presses, and which label shows the result.
namespace page {

struct CaptionOf {
  std::string_view label, box;
};

inline constexpr std::array<CaptionOf, 3> side_captions = {{
    {"Label1", "Text1"},
    {"Label2", "Text2"},
    {"Label3", "Text3"},
}};
inline constexpr std::string_view default_button = "Command2";
inline constexpr std::string_view result_label = "Label4";

// The control of that name, which must be in the table.
[[nodiscard]] inline const form1::Control &stored(std::string_view name) {
  return *std::ranges::find(form1::controls, name, &form1::Control::name);
}

} // namespace page
