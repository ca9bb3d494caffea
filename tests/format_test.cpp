#include "calculation/format.h"
#include "runtime/error.h"
#include "tests/comma_locale.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

std::string area_text(double value, std::string_view separator = ".") {
  return calculation::Format(value, "#####.###", separator);
}

struct FormatCase {
  double value;
  const char *text;
};

TEST(Format, RendersTheAreaPattern) {
  const FormatCase cases[] = {
      {6, "6."},
      {0.4330127018922193, ".433"},
      {2.9047375096555625, "2.905"},
      {2.5, "2.5"},
      {12.0, "12."},
      {0, "."},
      {-0.0, "."},
      {4330127018.922193, "4330127018.922"},
      {100000, "100000."},
      {0.0004, "."},
      {0.0006, ".001"},
      {0.0104, ".01"},
      {0.0005, ".001"},
      {0.9996, "1."},
      {99999.9999, "100000."},
      {5e-324, "."},
      {1e21, "1000000000000000000000."},
      {-2.5, "-2.5"},
      {-0.0004, "."},
      // Ties go away from zero, also where the last kept digit is even.
      {0.0625, ".063"},
      {0.5625, ".563"},
      {0.1875, ".188"},
      {4398046511104.0625, "4398046511104.063"},
  };
  for (const auto &[value, text] : cases) {
    EXPECT_EQ(area_text(value), text) << value;
  }
  EXPECT_EQ(area_text(std::numeric_limits<double>::max()).size(), 310U);
}

TEST(Format, UsesTheGivenSeparatorWhateverTheCLocale) {
  EXPECT_EQ(area_text(2.9047375096555625, ","), "2,905");
  EXPECT_EQ(area_text(0, ","), ",");
  EXPECT_EQ(area_text(1.5, "\xD9\xAB"), "1\xD9\xAB"
                                        "5"); // Arabic decimal separator
  if (use_comma_locale()) {
    EXPECT_EQ(area_text(2.5), "2.5");
    std::setlocale(LC_NUMERIC, "C");
  }
}

TEST(Format, OtherPlaceholderCounts) {
  EXPECT_EQ(calculation::Format(2.5, "#.", "."), "3.");
  EXPECT_EQ(calculation::Format(1.23456, "#.#####", "."), "1.23456");
  EXPECT_EQ(calculation::Format(0.05, "##.#", "."), ".1");
}

TEST(Format, RejectsWhatItCannotRender) {
  const std::pair<double, const char *> cases[] = {
      {std::numeric_limits<double>::infinity(), "#####.###"},
      {std::numeric_limits<double>::quiet_NaN(), "#####.###"},
      {1, "#####"},
      {1, "0.00"},
      {1, "#.#.#"},
      {1, "#.######"},
      {1, ""},
  };
  for (const auto &[value, pattern] : cases) {
    try {
      (void)calculation::Format(value, pattern, ".");
      ADD_FAILURE() << value << " by " << pattern << ": no error";
    } catch (const runtime::Error &error) {
      EXPECT_EQ(error.code(), runtime::ErrorCode::InvalidArgument) << pattern;
    }
  }
}

} // namespace
