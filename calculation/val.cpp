#include "calculation/val.h"

#include "runtime/error.h"

#include <algorithm>
#include <charconv>
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

// True when an out-of-range decimal number is too large rather than too
// small: its order of magnitude, from the digits and the exponent, is above
// zero. Only called for text from_chars consumed, so the form is known.
bool is_too_large(std::string_view number) {
  const auto exponent_at = number.find_first_of("eE");
  const auto mantissa = number.substr(0, exponent_at);
  const auto point_at = mantissa.find('.');
  const auto whole = mantissa.substr(0, point_at);

  // Decimal digits of the value before its exponent: the count of whole
  // digits from the first non-zero one, or minus the zeros after the point.
  std::int64_t order = 0;
  if (const auto first = whole.find_first_not_of('0'); first != whole.npos) {
    order = static_cast<std::int64_t>(whole.size() - first);
  } else if (point_at != mantissa.npos) {
    const auto fraction = mantissa.substr(point_at + 1);
    order = -static_cast<std::int64_t>(fraction.find_first_not_of('0'));
  }

  if (exponent_at == number.npos) {
    return order > 0;
  }
  auto exponent_text = number.substr(exponent_at + 1);
  if (exponent_text.front() == '+') {
    exponent_text.remove_prefix(1);
  }
  std::int64_t exponent = 0;
  const auto [end, error] =
      std::from_chars(exponent_text.data(), exponent_text.data() + exponent_text.size(), exponent);
  if (error == std::errc::result_out_of_range) {
    return exponent_text.front() != '-';
  }
  return exponent > -order;
}

double read_decimal(std::string_view text) {
  // from_chars would also take "inf" and "nan"; a number starts with a digit
  // or with a point followed by one.
  const bool starts_number =
      !text.empty() &&
      (is_digit(text[0]) || (text[0] == '.' && text.size() > 1 && is_digit(text[1])));
  if (!starts_number) {
    return 0.0;
  }
  double value = 0.0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    if (is_too_large(std::string_view(text.data(), static_cast<std::size_t>(end - text.data())))) {
      overflow();
    }
    return 0.0;
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
