#pragma once

#include "calculation/area_command.h"
#include "runtime/error.h"

#include <gmpxx.h>

#include <cfloat>
#include <string>
#include <variant>

using Outcome = std::variant<std::string, runtime::ErrorCode>;

// The caption for sides that read as a, b, c, worked out in rationals on the
// values the doubles hold, with no scaling and no shortcut: the reference
// every input's caption must equal.
inline Outcome exact_outcome(double a, double b, double c, std::string_view separator) {
  const mpq_class x(a), y(b), z(c);
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
