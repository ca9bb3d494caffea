#pragma once

#include "calculation/area_command.h"
#include "calculation/decimal_number.h"
#include "runtime/error.h"

#include <gmpxx.h>

#include <array>
#include <cfloat>
#include <cstdlib>
#include <optional>
#include <string>
#include <variant>

using Outcome = std::variant<std::string, runtime::ErrorCode>;

// The number a text denotes, as a rational; nothing where its exponent is
// too large for the reference to write it out.
inline std::optional<mpq_class> rational_of(const calculation::DecimalNumber &number) {
  constexpr long largest_exponent = 2000;
  if (number.is_zero()) {
    return mpq_class(0);
  }
  if (!number.exponent.fits_slong_p() || std::labs(number.exponent.get_si()) > largest_exponent) {
    return std::nullopt;
  }
  const long exponent = number.exponent.get_si();
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(exponent)));
  mpq_class value(mpz_class(number.digits, 10));
  if (exponent >= 0) {
    value *= power;
  } else {
    value /= power;
  }
  return number.negative ? mpq_class(-value) : value;
}

// The caption for sides of exactly these values, worked out in rationals
// with no scaling and no shortcut: the reference every input's caption must
// equal.
inline Outcome exact_outcome(const std::array<mpq_class, 3> &sides, std::string_view separator) {
  const auto &[x, y, z] = sides;
  if (x > y + z || y > x + z || z > x + y) {
    return std::string(calculation::refusal_message);
  }
  // (2000 S)^2 = 250000 (16 S^2); the root's whole part m rounds as (m + 1) / 2.
  const mpq_class twice_thousandths_squared =
      mpq_class(x + y + z) * (y + z - x) * (x + z - y) * (x + y - z) * 250000;
  mpz_class whole_part;
  mpz_fdiv_q(whole_part.get_mpz_t(), twice_thousandths_squared.get_num_mpz_t(),
             twice_thousandths_squared.get_den_mpz_t());
  const mpz_class thousandths = (mpz_class(sqrt(whole_part)) + 1) / 2;
  if (thousandths > mpz_class(DBL_MAX) * 1000) {
    return runtime::ErrorCode::Overflow;
  }
  std::string digits = thousandths.get_str();
  while (digits.size() < 4) {
    digits.insert(digits.begin(), '0');
  }
  std::string whole = digits.substr(0, digits.size() - 3);
  std::string fraction = digits.substr(digits.size() - 3);
  while (!whole.empty() && whole.front() == '0') {
    whole.erase(whole.begin());
  }
  while (!fraction.empty() && fraction.back() == '0') {
    fraction.pop_back();
  }
  return std::string(calculation::result_prefix) + whole + std::string(separator) + fraction;
}
