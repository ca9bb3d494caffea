#include "calculation/format.h"

#include "calculation/binary_value.h"
#include "calculation/fixed_point_text.h"
#include "runtime/error.h"

#include <gmpxx.h>

#include <cmath>

namespace calculation {
namespace {

[[noreturn]] void invalid_argument() { throw runtime::Error(runtime::ErrorCode::InvalidArgument); }

// Most '#' after the point that a pattern may have.
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

// The finite non-negative value in units of 10^-places, rounded to nearest,
// ties away from zero; exact, from the binary fraction the double is.
mpz_class rounded_units(double magnitude, int places) {
  auto [units, exponent] = binary_value_of(magnitude);
  mpz_class scale;
  mpz_ui_pow_ui(scale.get_mpz_t(), 10, static_cast<unsigned long>(places));
  units *= scale;
  if (exponent >= 0) {
    units <<= static_cast<mp_bitcnt_t>(exponent);
    return units;
  }
  // The first bit shifted out is the half: set, it rounds up.
  const auto shift = static_cast<mp_bitcnt_t>(-exponent);
  const bool rounds_up = mpz_tstbit(units.get_mpz_t(), shift - 1) != 0;
  units >>= shift;
  if (rounds_up) {
    ++units;
  }
  return units;
}

} // namespace

std::string Format(double value, std::string_view pattern, std::string_view decimal_separator,
                   FirstDayOfWeek /*first_day*/, FirstWeekOfYear /*first_week*/) {
  const int places = fraction_places(pattern);
  if (!std::isfinite(value)) {
    invalid_argument();
  }
  std::string text =
      fixed_point_text(rounded_units(std::fabs(value), places), places, decimal_separator);
  // The sign only where a digit is left to carry it.
  if (value < 0 && text.size() > decimal_separator.size()) {
    text.insert(0, 1, '-');
  }
  return text;
}

} // namespace calculation
