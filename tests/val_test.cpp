#include "calculation/val.h"
#include "runtime/error.h"
#include "tests/comma_locale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct ValCase {
  std::string text;
  double value;
};

const ValCase val_cases[] = {
    // What a number is, and where it ends.
    {"", 0},
    {" ", 0},
    {"abc", 0},
    {",", 0},
    {"-4", -4},
    {"+4", 4},
    {"1 2", 12},
    {" 3 ", 3},
    {"\t1\n2 .\t5", 12.5},
    {"2,5", 2},
    {"2.5", 2.5},
    {"5cm", 5},
    {"1.2.3", 1.2},
    {".5", 0.5},
    {"5.", 5},
    {"-.5", -0.5},
    {".", 0},
    {"-", 0},
    {"--1", 0},
    {"+-1", 0},
    {"\r5", 0}, // only blanks, tabs and line feeds are ignored
    {"\xC2\xA0"
     "5",
     0},                 // nor is a non-breaking space
    {"\xEF\xBC\x95", 0}, // a full-width digit is no digit
    // Exponents.
    {"1e3", 1000},
    {"1E-2", 0.01},
    {"1e", 1},
    {"1e+", 1},
    {"1e+2", 100},
    {"2.5e1x", 25},
    {"1e-400", 0},
    {"-1e-400", 0},
    {"0.0000001e-320", 0},
    {"1e-99999999999999999999999", 0},
    {"5e-324", 5e-324},
    {"1.7976931348623157e308", 1.7976931348623157e308},
    // Not numbers for this reader.
    {"inf", 0},
    {"-infinity", 0},
    {"nan", 0},
    {"0x10", 0},
    // Radix prefixes.
    {"&H10", 16},
    {"&h10", 16},
    {"&hfF", 255},
    {"&O17", 15},
    {"&o17", 15},
    {"-&H10", -16},
    {"& H 1 0", 16},
    {"&H", 0},
    {"&HG", 0},
    {"&O8", 0},
    {"&", 0},
    {"&17", 0},
    {"&HFFFFFFFFFFFFFFFF", 18446744073709551615.0},
};

TEST(Val, ReadsTheLeadingNumber) {
  for (const auto &[text, value] : val_cases) {
    EXPECT_EQ(calculation::Val(text), value) << '"' << text << '"';
  }
}

TEST(Val, IgnoresTheCLocale) {
  // Under a comma locale strtod would stop at the point.
  if (!use_comma_locale()) {
    GTEST_SKIP() << "no Russian locale is installed";
  }
  EXPECT_EQ(calculation::Val("2.5"), 2.5);
  EXPECT_EQ(calculation::Val("2,5"), 2);
  std::setlocale(LC_NUMERIC, "C");
}

TEST(Val, RaisesOverflowPastTheDoubleRange) {
  const std::string too_large[] = {
      "1e400",
      "-1e400",
      "1.8e308",
      "0.00001e314",
      "1e99999999999999999999999",
      "&H" + std::string(17, 'F'),
      "&HFFFFFFFFFFFFFFFFF",
      "&O" + std::string(30, '7'),
      "1" + std::string(400, '0'),
      std::string(1 << 20, '9'),
  };
  for (const auto &text : too_large) {
    try {
      (void)calculation::Val(text);
      ADD_FAILURE() << text.substr(0, 40) << ": no error";
    } catch (const runtime::Error &error) {
      EXPECT_EQ(error.code(), runtime::ErrorCode::Overflow) << text.substr(0, 40);
    }
  }
}

TEST(Val, ReadsLongTextsExactly) {
  EXPECT_EQ(calculation::Val(std::string(300, '9')), 1e300);
  EXPECT_EQ(calculation::Val("0." + std::string(100000, '0') + "1"), 0);
  EXPECT_EQ(calculation::Val("1." + std::string(100000, '0') + "1"), 1);
  EXPECT_EQ(calculation::Val(std::string(1 << 20, ' ') + "7"), 7);
}

} // namespace
