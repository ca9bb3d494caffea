#include "calculation/format.h"

#include "calculation/fixed_point_text.h"
#include "runtime/error.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <span>

namespace calculation {
namespace {

[[noreturn]] void invalid_argument() { throw runtime::Error(runtime::ErrorCode::InvalidArgument); }

// Most '#' after the point: up to here, the next long double above a tie
// is far less than one unit of the last place away (see render_rounded).
constexpr std::size_t most_places = 5;

// The number of '#' after the point of a "##.##" pattern.
int fraction_places(std::string_view pattern) {
  const auto point_at = pattern.find('.');
  if (point_at == pattern.npos || pattern.find_first_not_of("#.") != pattern.npos ||
      pattern.find('.', point_at + 1) != pattern.npos ||
      pattern.size() - point_at - 1 > most_places) {
    invalid_argument();
  }
  return static_cast<int>(pattern.size() - point_at - 1);
}

// Exactly halfway between two numbers of `places` decimals: a non-negative
// binary fraction is that only as an odd multiple of 2^-(places + 1).
bool is_tie(double magnitude, int places) {
  return std::fmod(std::ldexp(magnitude, places + 1), 2.0) == 1.0;
}

// The non-negative value in fixed notation with `places` decimals, rounded
// to nearest, ties away from zero. to_chars breaks ties to even, so a tie is
// rendered from the next long double above it, which still lies within the
// same rounding interval.
std::string_view render_rounded(double magnitude, int places, std::span<char> buffer) {
  const auto [end, error] =
      is_tie(magnitude, places)
          ? std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                          std::nextafter(static_cast<long double>(magnitude),
                                         std::numeric_limits<long double>::infinity()),
                          std::chars_format::fixed, places)
          : std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                          std::chars_format::fixed, places);
  if (error != std::errc{}) {
    invalid_argument();
  }
  return {buffer.data(), static_cast<std::size_t>(end - buffer.data())};
}

} // namespace

std::string Format(double value, std::string_view pattern, std::string_view decimal_separator,
                   FirstDayOfWeek /*first_day*/, FirstWeekOfYear /*first_week*/) {
  const int places = fraction_places(pattern);
  if (!std::isfinite(value)) {
    invalid_argument();
  }

  // The largest double has 309 whole digits.
  std::array<char, 320> buffer{};
  const auto rendered = render_rounded(std::fabs(value), places, buffer);

  const auto point_at = rendered.find('.');
  const auto whole = rendered.substr(0, point_at);
  const auto fraction =
      point_at == rendered.npos ? std::string_view{} : rendered.substr(point_at + 1);
  std::string text = fixed_point_text(whole, fraction, decimal_separator);
  // The sign only where a digit is left to carry it.
  if (value < 0 && text.size() > decimal_separator.size()) {
    text.insert(0, 1, '-');
  }
  return text;
}

} // namespace calculation
