#include "window/web/tools/form1_markup.h"

#include "window/form1_description.h"
#include "window/web/tools/form1_roles.h"

#include <algorithm>
#include <ranges>
#include <vector>

namespace page {
namespace {

// The captions are all in the Basic Multilingual Plane.
std::string utf8_of(std::u16string_view text) {
  std::string utf8;
  for (const char16_t unit : text) {
    if (unit < 0x80) {
      utf8 += static_cast<char>(unit);
    } else if (unit < 0x800) {
      utf8 += static_cast<char>(0xC0 | unit >> 6);
      utf8 += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
      utf8 += static_cast<char>(0xE0 | unit >> 12);
      utf8 += static_cast<char>(0x80 | (unit >> 6 & 0x3F));
      utf8 += static_cast<char>(0x80 | (unit & 0x3F));
    }
  }
  return utf8;
}

std::string escaped(std::string_view text) {
  std::string html;
  for (const char character : text) {
    switch (character) {
    case '&':
      html += "&amp;";
      break;
    case '<':
      html += "&lt;";
      break;
    case '"':
      html += "&quot;";
      break;
    default:
      html += character;
    }
  }
  return html;
}

std::string caption_of(const form1::Control &control) { return escaped(utf8_of(control.caption)); }

const CaptionOf *caption_naming(const form1::Control &box) {
  const auto found = std::ranges::find(side_captions, &box, &CaptionOf::box);
  return found == side_captions.end() ? nullptr : &*found;
}

bool is_side_caption(const form1::Control &control) {
  return std::ranges::find(side_captions, &control, &CaptionOf::label) != side_captions.end();
}

std::string box_markup(const form1::Control &box) {
  const std::string name(box.name);
  const std::string input = "<input id=\"" + name + "\" name=\"" + name +
                            R"(" type="text" value=")" + caption_of(box) +
                            R"(" autocomplete="off" spellcheck="false">)";
  const CaptionOf *caption = caption_naming(box);
  if (caption == nullptr) {
    return "  " + input + "\n";
  }
  const form1::Control &label = *caption->label;
  // The caption follows its box, as it stands beneath it in the window.
  return "  <div class=\"side\">\n    " + input + "\n    <label id=\"" + std::string(label.name) +
         "\" for=\"" + name + "\">" + caption_of(label) + "</label>\n  </div>\n";
}

std::string control_markup(const form1::Control &control, bool focused_first) {
  const std::string name(control.name);
  switch (control.kind) {
  case form1::Kind::TextBox:
    return box_markup(control);
  case form1::Kind::CommandButton:
    return "  <button id=\"" + name + "\" type=\"" +
           (&control == &default_button ? "submit" : "button") + "\"" +
           (focused_first ? " autofocus" : "") + ">" + caption_of(control) + "</button>\n";
  case form1::Kind::Label:
    break;
  }
  return "  <p id=\"" + name + "\">" + caption_of(control) + "</p>\n";
}

} // namespace

std::string form1_markup() {
  std::vector<const form1::Control *> in_tab_order;
  for (const form1::Control &control : form1::controls) {
    if (!is_side_caption(control)) {
      in_tab_order.push_back(&control);
    }
  }
  std::ranges::sort(in_tab_order, {}, &form1::Control::tab_index);
  const auto first_focus = std::ranges::find_if(in_tab_order, [](const form1::Control *control) {
    return control->kind != form1::Kind::Label;
  });

  // A press before the page's script runs submits the form itself, the
  // sides in the address, for the script to answer once it runs.
  std::string html = "<form id=\"Form1\">\n";
  for (const form1::Control *control : in_tab_order) {
    html += control_markup(*control, first_focus != in_tab_order.end() && control == *first_focus);
  }
  return html + "</form>\n";
}

} // namespace page
