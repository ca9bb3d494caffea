#pragma once

#include <array>

namespace bench {

struct Sides {
  const char *a, *b, *c;
};

// The worked values, a refusal among them.
inline constexpr std::array<Sides, 6> worked_sides = {{{"1", "1", "1"},
                                                       {"3", "4", "5"},
                                                       {"2", "3", "4"},
                                                       {"5", "5", "8"},
                                                       {"1", "1", "3"},
                                                       {"100000", "100000", "100000"}}};

// Sides whose outcome doubles cannot decide: a sum that rounds to the third
// side, an area a hair from a rounding boundary or beyond 2^52 thousandths,
// and sides too far apart in size.
inline constexpr std::array<Sides, 6> undecided_sides = {
    {{"0.1", "0.2", "0.30000000000000004"},
     {"43853.9894764888", "58573359.391144134", "58573451.61248723"},
     {"1e100", "1e100", "1e100"},
     {"1e154", "1e154", "1e154"},
     {"1e300", "1e300", "1e-300"},
     {"1", "2", "3"}}};

} // namespace bench
