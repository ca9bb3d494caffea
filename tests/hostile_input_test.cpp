// What a user can type or paste into the boxes, and the exact outcome of each.
#include "calculation/area_command.h"
#include "runtime/error.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace {

using Outcome = std::variant<std::string, runtime::ErrorCode>;

Outcome area(std::string_view shown) { return std::string(calculation::result_prefix) += shown; }
Outcome refused() { return std::string(calculation::refusal_message); }
Outcome overflow() { return runtime::ErrorCode::Overflow; }

struct Hostile {
  const char *what;
  std::string a, b, c;
  Outcome outcome;
};

Outcome outcome_of(const Hostile &row) {
  try {
    return calculation::area_command(row.a, row.b, row.c, ".");
  } catch (const runtime::Error &error) {
    return error.code();
  }
}

std::string printed(const Outcome &outcome) {
  if (const auto *caption = std::get_if<std::string>(&outcome)) {
    return '"' + *caption + '"';
  }
  return "error " + std::to_string(static_cast<int>(std::get<runtime::ErrorCode>(outcome)));
}

const std::string megabyte_of_nines(1 << 20, '9');
const std::string hundred_thousand_digits = "1" + std::string(99'999, '0');
const std::string nines = std::string(99'999, '9');

TEST(HostileInput, EachHasItsExactOutcome) {
  const Hostile catalogue[] = {
      {"empty boxes", "", "", "", area(".")},
      {"blank boxes", " ", "\t", "\n \t", area(".")},
      {"pasted megabyte of digits", megabyte_of_nines, "1", "1", overflow()},
      {"pasted megabyte of blanks", std::string(1 << 20, ' ') + "3", "4", "5", area("6.")},
      {"100,000 digits", hundred_thousand_digits, "1", "1", overflow()},
      {"100,000 fraction digits", "0." + std::string(99'998, '0') + "1", "1", "1", area(".")},
      {"beyond the largest double", "1e400", "1", "1", overflow()},
      {"beyond the lowest double", "1", "1", "-1e400", overflow()},
      {"below the smallest double", "1e-400", "1e-400", "1e-400", area(".")},
      {"infinity and NaN words", "inf", "nan", "Infinity", area(".")},
      {"64-bit hexadecimal overflow", "&H" + std::string(40, 'F'), "1", "1", overflow()},
      {"64-bit octal overflow", "&O" + std::string(30, '7'), "1", "1", overflow()},
      {"largest 64-bit hexadecimal", "&HFFFFFFFFFFFFFFFF", "&HFFFFFFFFFFFFFFFF", "1",
       area("9223372036854775807.5")},
      {"lone signs and marks", "&", "-", ".", area(".")},
      {"comma alone", ",", ",", ",", area(".")},
      {"Arabic-Indic digits", "\u0663", "\u0664", "\u0665", area(".")},
      {"full-width digits", "\uFF13", "\uFF14", "\uFF15", area(".")},
      {"non-breaking space before a side",
       "\u00A0"
       "5",
       "3", "4", refused()},
      {"embedded NUL after a side",
       std::string("3\0"
                   "9",
                   3),
       "4", "5", area("6.")},
      {"carriage return before a side", "\r5", "3", "4", refused()},
      {"control character after a side", "3\x01", "4\x7f", "5\x1b", area("6.")},
      {"right-to-left mark before a side",
       "\u200F"
       "5",
       "3", "4", refused()},
      {"right-to-left mark after a side", "3\u200F", "4", "5", area("6.")},
      // Scaled, the doubles compute areas up to the largest double; beyond
      // 2^52 thousandths every whole digit is the exact area's.
      {"sides of 1e154", "1e154", "1e154", "1e154",
       area("4330127018922193233818615853764680917357013134525951570139517448629832542272"
            "0000927028654668931214391890653535385167575749248627374973811970291387802359"
            "3412132023307975576395516993705025271168730816253828085816725830721662668063"
            "6672304594928067617829150919653970047624966343449648473669125868766440126891"
            "5458.703")},
      {"area past the largest double", "1e155", "1e155", "1e155", overflow()},
      {"needle past the double range", "1e300", "1e300", "1e-300", area(".5")},
      {"sides of 1e200", "1e200", "1e200", "1e200", overflow()},
      {"sides of 1e308", "1e308", "1e308", "1e308", overflow()},
      {"subnormal sides", "5e-324", "5e-324", "5e-324", area(".")},
      {"needle triangle", "100000", "99999.99979", "0.00029", area("10.")},
      {"negative zero sides", "-0", "-0", "-0", area(".")},
      {"negative side in the third box", "3", "4", "-5", refused()},
      // Exact for the numbers typed, at a cost that grows with their digits,
      // not with their exponents.
      {"flat in the 100,000th place", "1", "0." + nines, "1." + nines, area(".")},
      {"longer in the 100,001st place", "1", "0." + nines, "1." + nines + "01", refused()},
      {"a billionth power of ten", "1", "1", "1e-999999999", area(".")},
      {"its negative", "1", "1", "-1e-999999999", refused()},
      {"flat at a billionth power", "3e-999999999", "1e-999999999", "2e-999999999", area(".")},
      {"refused at a billionth power", "4e-999999999", "1e-999999999", "2e-999999999", refused()},
      {"an exponent past 64 bits", "2e-99999999999999999999", "1e-99999999999999999999",
       "1e-99999999999999999999", area(".")},
      {"exponents past 64 bits apart", "1e-99999999999999999998", "1e-99999999999999999999",
       "1e-99999999999999999999", refused()},
  };
  for (const auto &row : catalogue) {
    EXPECT_EQ(printed(outcome_of(row)), printed(row.outcome)) << row.what;
  }
}

} // namespace
