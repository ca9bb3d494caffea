#pragma once

#include <array>

namespace bench {

struct Sides {
  const char *a, *b, *c;
};

// The worked values, a refusal among them.
inline constexpr std::array<Sides, 6> worked_sides = {
    {{.a = "1", .b = "1", .c = "1"},
     {.a = "3", .b = "4", .c = "5"},
     {.a = "2", .b = "3", .c = "4"},
     {.a = "5", .b = "5", .c = "8"},
     {.a = "1", .b = "1", .c = "3"},
     {.a = "100000", .b = "100000", .c = "100000"}}};

// Sides whose outcome doubles cannot decide: a sum that rounds to the third
// side, an area a hair from a rounding boundary or beyond 2^52 thousandths,
// and sides too far apart in size.
inline constexpr std::array<Sides, 6> undecided_sides = {
    {{.a = "0.1", .b = "0.2", .c = "0.30000000000000004"},
     {.a = "43853.9894764888", .b = "58573359.391144134", .c = "58573451.61248723"},
     {.a = "1e100", .b = "1e100", .c = "1e100"},
     {.a = "1e154", .b = "1e154", .c = "1e154"},
     {.a = "1e300", .b = "1e300", .c = "1e-300"},
     {.a = "1", .b = "2", .c = "3"}}};

// Thin triangles typed with 10 to 17 digits, which no double holds: their
// areas move with the doubles' errors, so most are decided from the digits.
inline constexpr std::array<Sides, 6> thin_typed_sides = {
    {{.a = "10000", .b = "5000.000001", .c = "15000"},
     {.a = "88411.488499", .b = "83904.448457", .c = "4507.040043"},
     {.a = "37256.599", .b = "88699580.565", .c = "88736837.1639"},
     {.a = "1234567.891011", .b = "7654321.0123456", .c = "8888888.9024"},
     {.a = "0.1", .b = "0.2", .c = "0.29999999999999999"},
     {.a = "100000.00000001", .b = "99999.999999999", .c = "0.000000021"}}};

} // namespace bench
