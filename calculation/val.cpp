#include "calculation/val.h"

#include "runtime/error.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

namespace calculation {
namespace {

constexpr bool is_ignored(char c) { return c == ' ' || c == '\t' || c == '\n'; }

constexpr bool is_digit(char c) { return c >= '0' && c <= '9'; }

constexpr char to_upper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

[[noreturn]] void overflow() { throw runtime::Error(runtime::ErrorCode::Overflow); }

double read_decimal(std::string_view text) {
  // The parser would also take "inf" and "nan"; a number starts with a digit
  // or with a point followed by one.
  const bool starts_number =
      !text.empty() &&
      (is_digit(text[0]) || (text[0] == '.' && text.size() > 1 && is_digit(text[1])));
  if (!starts_number) {
    return 0.0;
  }
  // Correctly rounded: beyond the largest double is infinity, below the
  // smallest is zero.
  double value = 0.0;
  fast_float::from_chars(text.data(), text.data() + text.size(), value,
                         fast_float::chars_format::general);
  if (std::isinf(value)) {
    overflow();
  }
  return value;
}

double read_whole(std::string_view digits, int base) {
  std::uint64_t value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  if (error == std::errc::result_out_of_range) {
    overflow();
  }
  return static_cast<double>(value);
}

// The number at the start of a text without ignored characters.
double read_number(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  double magnitude = 0.0;
  if (text.size() >= 2 && text[0] == '&') {
    const char radix = to_upper(text[1]);
    if (radix == 'H') {
      magnitude = read_whole(text.substr(2), 16);
    } else if (radix == 'O') {
      magnitude = read_whole(text.substr(2), 8);
    }
  } else {
    magnitude = read_decimal(text);
  }
  return negative ? -magnitude : magnitude;
}

} // namespace

double Val(std::string_view text) {
  if (std::none_of(text.begin(), text.end(), is_ignored)) {
    return read_number(text);
  }
  std::string compact;
  compact.reserve(text.size());
  std::copy_if(text.begin(), text.end(), std::back_inserter(compact),
               [](char c) { return !is_ignored(c); });
  return read_number(compact);
}

} // namespace calculation
