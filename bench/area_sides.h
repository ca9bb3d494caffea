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

// Thin triangles typed with 10 to 17 digits, which no double holds: their
// areas move with the doubles' errors, so most are decided from the digits.
inline constexpr std::array<Sides, 6> thin_typed_sides = {
    {{"10000", "5000.000001", "15000"},
     {"88411.488499", "83904.448457", "4507.040043"},
     {"37256.599", "88699580.565", "88736837.1639"},
     {"1234567.891011", "7654321.0123456", "8888888.9024"},
     {"0.1", "0.2", "0.29999999999999999"},
     {"100000.00000001", "99999.999999999", "0.000000021"}}};

} // namespace bench
