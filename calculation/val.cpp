#include "calculation/val.h"

#include "runtime/error.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

namespace calculation {
namespace {

constexpr bool is_ignored(char c) { return c == ' ' || c == '\t' || c == '\n'; }

constexpr bool is_digit(char c) { return c >= '0' && c <= '9'; }

constexpr char to_upper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

[[noreturn]] void overflow() { throw runtime::Error(runtime::ErrorCode::Overflow); }

// The longest start of a text made of digits.
std::string_view leading_digits(std::string_view text) {
  return text.substr(0, static_cast<std::size_t>(
                            std::find_if_not(text.begin(), text.end(), is_digit) - text.begin()));
}

// A decimal number as typed: "12.5e-3x" is 12, 5 and -3, and spans "12.5e-3".
struct DecimalParts {
  std::string_view whole, fraction, exponent, span;
};

// Nothing when the text does not start with a number. The parser that gives
// the double would also take "inf" and "nan": a number starts with a digit
// or with a point followed by one. An 'e' with no digit after it is not an
// exponent, so "1e" is 1.
std::optional<DecimalParts> decimal_parts(std::string_view text) {
  DecimalParts parts;
  parts.whole = leading_digits(text);
  std::string_view rest = text.substr(parts.whole.size());
  if (rest.starts_with('.')) {
    parts.fraction = leading_digits(rest.substr(1));
    rest.remove_prefix(1 + parts.fraction.size());
  }
  if (parts.whole.empty() && parts.fraction.empty()) {
    return std::nullopt;
  }
  if (rest.starts_with('e') || rest.starts_with('E')) {
    const std::string_view after = rest.substr(1);
    const std::size_t sign = after.starts_with('+') || after.starts_with('-') ? 1 : 0;
    const std::string_view digits = leading_digits(after.substr(sign));
    if (!digits.empty()) {
      parts.exponent = after.substr(0, sign + digits.size());
      rest.remove_prefix(1 + parts.exponent.size());
    }
  }
  parts.span = text.substr(0, text.size() - rest.size());
  return parts;
}

// The number whole.fraction times 10^exponent, in its one form.
DecimalNumber decimal_number(bool negative, std::string_view whole, std::string_view fraction,
                             std::string_view exponent) {
  std::string digits;
  digits.reserve(whole.size() + fraction.size());
  digits.append(whole).append(fraction);
  const auto first = digits.find_first_not_of('0');
  if (first == std::string::npos) {
    return {};
  }
  const auto last = digits.find_last_not_of('0');

  DecimalNumber number{
      .negative = negative, .digits = digits.substr(first, last + 1 - first), .exponent = 0};
  if (!exponent.empty()) {
    const bool below_one = exponent.starts_with('-');
    exponent.remove_prefix(below_one || exponent.starts_with('+') ? 1 : 0);
    number.exponent = mpz_class(std::string(exponent), 10);
    if (below_one) {
      number.exponent = -number.exponent;
    }
  }
  number.exponent -= static_cast<unsigned long>(fraction.size());
  number.exponent += static_cast<unsigned long>(digits.size() - 1 - last);
  return number;
}

// A double's 53 bits hold odd_part 2^k for any odd_part below 2^53.
constexpr bool fits_a_double(std::uint64_t whole) {
  return whole == 0 || std::bit_width(whole >> std::countr_zero(whole)) <= DBL_MANT_DIG;
}

// 5^27 is the largest power of five below 2^64.
constexpr std::size_t most_powers_of_five = 28;

constexpr std::uint64_t power_of_five(std::size_t exponent) {
  std::uint64_t power = 1;
  for (std::size_t k = 0; k < exponent; ++k) {
    power *= 5;
  }
  return power;
}

// Whether a double holds the number exactly; a false answer means only that
// this quick test does not tell. digits 10^e is digits 5^e 2^e, which a
// double holds when digits 5^e, or digits / 5^-e, is a whole number that
// fits its 53 bits.
bool held_by_a_double(const DecimalNumber &number) {
  constexpr std::size_t most_digits = std::numeric_limits<std::uint64_t>::digits10;
  if (number.is_zero()) {
    return true;
  }
  if (number.digits.size() > most_digits || !number.exponent.fits_slong_p()) {
    return false;
  }
  const long exponent = number.exponent.get_si();
  const auto power = static_cast<std::size_t>(exponent < 0 ? -exponent : exponent);
  if (power >= most_powers_of_five) {
    return false;
  }
  std::uint64_t digits = 0;
  std::from_chars(number.digits.data(), number.digits.data() + number.digits.size(), digits);
  const std::uint64_t five_power = power_of_five(power);
  if (exponent >= 0) {
    return digits <= std::numeric_limits<std::uint64_t>::max() / five_power &&
           fits_a_double(digits * five_power);
  }
  return digits % five_power == 0 && fits_a_double(digits / five_power);
}

SideReading read_decimal(std::string_view text, bool negative) {
  const auto parts = decimal_parts(text);
  if (!parts) {
    return {.value = negative ? -0.0 : 0.0, .value_is_exact = true, .typed = {}};
  }
  // Correctly rounded: beyond the largest double is infinity, below the
  // smallest is zero.
  double magnitude = 0.0;
  fast_float::from_chars(parts->span.data(), parts->span.data() + parts->span.size(), magnitude,
                         fast_float::chars_format::general);
  if (magnitude == std::numeric_limits<double>::infinity()) {
    overflow();
  }
  DecimalNumber typed = decimal_number(negative, parts->whole, parts->fraction, parts->exponent);
  const bool exact = held_by_a_double(typed);
  return {.value = negative ? -magnitude : magnitude,
          .value_is_exact = exact,
          .typed = std::move(typed)};
}

// A hexadecimal or octal whole number, of at most 64 bits.
SideReading read_whole(std::string_view text, int base, bool negative) {
  std::uint64_t magnitude = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (error == std::errc::result_out_of_range) {
    overflow();
  }
  std::array<char, std::numeric_limits<std::uint64_t>::digits10 + 1> decimal{};
  const auto written = static_cast<std::size_t>(
      std::to_chars(decimal.data(), decimal.data() + decimal.size(), magnitude).ptr -
      decimal.data());
  const auto value = static_cast<double>(magnitude);
  return {.value = negative ? -value : value,
          .value_is_exact = fits_a_double(magnitude),
          .typed = decimal_number(negative, std::string_view(decimal.data(), written), {}, {})};
}

// The number at the start of a text without ignored characters.
SideReading read_number(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.size() >= 2 && text[0] == '&') {
    const char radix = to_upper(text[1]);
    if (radix == 'H') {
      return read_whole(text.substr(2), 16, negative);
    }
    if (radix == 'O') {
      return read_whole(text.substr(2), 8, negative);
    }
    return {.value = negative ? -0.0 : 0.0, .value_is_exact = true, .typed = {}};
  }
  return read_decimal(text, negative);
}

} // namespace

SideReading read_side(std::string_view text) {
  if (std::none_of(text.begin(), text.end(), is_ignored)) {
    return read_number(text);
  }
  std::string compact;
  compact.reserve(text.size());
  std::copy_if(text.begin(), text.end(), std::back_inserter(compact),
               [](char c) { return !is_ignored(c); });
  return read_number(compact);
}

double Val(std::string_view text) { return read_side(text).value; }

} // namespace calculation
