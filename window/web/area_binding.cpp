// The area command for the page: the same call the desktop's button makes,
// with its caption, spoken caption or error report handed to JavaScript.

#include "calculation/area_command.h"
#include "runtime/error.h"
#include "runtime/error_report.h"

#include <emscripten/bind.h>

#include <string>

namespace {

struct AreaOutcome {
  std::string caption;
  std::string spoken_caption;
  // When the command failed: the report to show instead of a caption.
  bool failed = false;
  std::string error_title;
  std::string error_text;
};

AreaOutcome area_command(const std::string &text1, const std::string &text2,
                         const std::string &text3, const std::string &decimal_separator) {
  try {
    auto caption = calculation::area_command(text1, text2, text3, decimal_separator);
    auto spoken = calculation::spoken_caption(caption, decimal_separator);
    return {.caption = std::move(caption),
            .spoken_caption = std::move(spoken),
            .failed = false,
            .error_title = {},
            .error_text = {}};
  } catch (const runtime::Error &error) {
    auto report = runtime::report_of(error);
    return {.caption = {},
            .spoken_caption = {},
            .failed = true,
            .error_title = std::move(report.title),
            .error_text = std::move(report.text)};
  }
}

} // namespace

EMSCRIPTEN_BINDINGS(triangle_area) {
  emscripten::value_object<AreaOutcome>("AreaOutcome")
      .field("caption", &AreaOutcome::caption)
      .field("spokenCaption", &AreaOutcome::spoken_caption)
      .field("failed", &AreaOutcome::failed)
      .field("errorTitle", &AreaOutcome::error_title)
      .field("errorText", &AreaOutcome::error_text);
  emscripten::function("areaCommand", &area_command);
}
