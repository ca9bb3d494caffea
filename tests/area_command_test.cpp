#include "calculation/area_command.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using calculation::area_command;

struct AreaCase {
  const char *a;
  const char *b;
  const char *c;
  const char *shown; // after the prefix, with '.' as the separator; nullptr: refused
};

const AreaCase area_cases[] = {
    {"1", "1", "1", ".433"},
    {"3", "4", "5", "6."},
    {"2", "3", "4", "2.905"},
    {"5", "5", "8", "12."},
    {"1", "1", "3", nullptr},
    {"1", "2", "3", "."},
    {"", "", "", "."},
    {"abc", " ", "", "."},
    {"-1", "-1", "-1", nullptr},
    {"2,5", "2,5", "2,5", "1.732"},
    {"100000", "100000", "100000", "4330127018.922"},
    {"0", "0", "0", "."},
    {"2.5", "2.5", "2.5", "2.706"},
    // Any side longer than the other two together is refused, in any place.
    {"3", "1", "1", nullptr},
    {"1", "3", "1", nullptr},
    {"3", "4", "-5", nullptr},
    {"-3", "4", "5", nullptr},
    // Needle-like triangles keep every displayed digit.
    {"100000000", "100000000", "0.001", "50000."},
    {"10000000000", "10000000000", "0.00001", "50000."},
    {"0.001", "100000000", "100000000", "50000."},
    {"100000", "99999.99979", "0.00029", "10."},
    {"1.125", "1.25", "2.125", ".563"},
    {"1e154", "1e-154", "1e154", ".5"},
    // Decided exactly where rounding could mislead: sums that round to the
    // third side, and an area a hair from a rounding boundary.
    {"0.1", "0.2", "0.30000000000000004", nullptr},
    {"0.1", "0.30000000000000004", "0.2", nullptr},
    {"16.588666405403828", "16.584897650778824", "0.00376875462500192", nullptr},
    {"43853.9894764888", "58573359.391144134", "58573451.61248723", "1284335824401.264"},
    // The numbers typed, not their nearest doubles: a thin triangle that
    // moves by 10^-4 with the double's error, flat ones that the doubles
    // make thin or refuse, and sums the doubles make equal or too short.
    {"10000", "5000.000001", "15000", "612.372"},
    {"37256.599", "88699580.565", "88736837.164", "."},
    {"88411.488499", "83904.448457", "4507.040042", "."},
    {"0.1", "0.2", "0.30000000000000001", nullptr},
    {"1", "1", "-1e-400", nullptr},
    {"2e-400", "1e-400", "1e-400", "."},
    {"3e-400", "1e-400", "1e-400", nullptr},
};

std::string expected_caption(const AreaCase &row, std::string_view separator) {
  if (row.shown == nullptr) {
    return std::string(calculation::refusal_message);
  }
  std::string shown = row.shown;
  const auto point_at = shown.find('.');
  shown.replace(point_at, 1, separator);
  return std::string(calculation::result_prefix) + shown;
}

TEST(AreaCommand, GivesTheCaptionUnderEitherSeparator) {
  for (const std::string_view separator : {".", ","}) {
    for (const auto &row : area_cases) {
      EXPECT_EQ(area_command(row.a, row.b, row.c, separator), expected_caption(row, separator))
          << row.a << ", " << row.b << ", " << row.c << " with '" << separator << "'";
    }
  }
}

TEST(AreaCommand, MessagesAreExact) {
  EXPECT_EQ(area_command("1", "1", "1", "."), "Площадь треугольника= .433");
  EXPECT_EQ(area_command("1", "1", "3", ","), "Треугольника не существует");
}

TEST(AreaCommand, SpeaksTheZeroTheCaptionLeavesOut) {
  const struct {
    const char *caption, *separator, *spoken;
  } cases[] = {
      {"Площадь треугольника= ,433", ",", "Площадь треугольника= 0,433"},
      {"Площадь треугольника= .", ".", "Площадь треугольника= 0"},
      {"Площадь треугольника= 6.", ".", "Площадь треугольника= 6."},
      {"Площадь треугольника= \u066B5", "\u066B", "Площадь треугольника= 0\u066B5"},
      {"Треугольника не существует", ",", "Треугольника не существует"},
  };
  for (const auto &[caption, separator, spoken] : cases) {
    EXPECT_EQ(calculation::spoken_caption(caption, separator), spoken) << caption;
  }
}

TEST(HeronArea, MatchesExactAreas) {
  struct Exact {
    double a, b, c, area, tolerance;
  };
  const Exact cases[] = {
      {1e8, 1e8, 1e-3, 50000.0, 1e-7},
      {1e10, 1e10, 1e-5, 50000.0, 1e-6},
      {100000, 99999.99979, 0.00029, 10.000000077, 1e-8},
      {3, 4, 5, 6.0, 0},
      {1, 2, 3, 0.0, 0},
  };
  for (const auto &[a, b, c, area, tolerance] : cases) {
    EXPECT_NEAR(calculation::heron_area(a, b, c), area, tolerance) << a << ", " << b << ", " << c;
  }
}

} // namespace
