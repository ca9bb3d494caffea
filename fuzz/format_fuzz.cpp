// Format of arbitrary doubles by the area pattern.
#include "calculation/area_command.h"
#include "calculation/format.h"
#include "fuzz/caption_shape.h"
#include "fuzz/check.h"
#include "runtime/error.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr std::array<std::string_view, 3> separators = {".", ",", "\xD9\xAB"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size < sizeof(double) + 1) {
    return 0;
  }
  double value = 0;
  std::memcpy(&value, data, sizeof value);
  const auto separator = separators[data[sizeof value] % separators.size()];

  try {
    const std::string text = calculation::Format(value, calculation::area_pattern, separator);
    FUZZ_CHECK(std::isfinite(value));
    const bool negative = !text.empty() && text.front() == '-';
    FUZZ_CHECK(negative == (value < 0 && text.size() > 1 + separator.size()));
    const std::string_view unsigned_text = std::string_view(text).substr(negative ? 1 : 0);
    FUZZ_CHECK(is_rendered_area(unsigned_text, separator));

    // Read back, the text is the value rounded to three places.
    std::string plain(unsigned_text);
    plain.replace(plain.find(separator), separator.size(), ".");
    const double shown = plain == "." ? 0.0 : std::strtod(plain.c_str(), nullptr);
    const double magnitude = std::fabs(value);
    FUZZ_CHECK(std::fabs(shown - magnitude) <= 0.0005 * (1 + 1e-9) + magnitude * DBL_EPSILON);
  } catch (const runtime::Error &error) {
    FUZZ_CHECK(!std::isfinite(value));
    FUZZ_CHECK(error.code() == runtime::ErrorCode::InvalidArgument);
  }
  return 0;
}
