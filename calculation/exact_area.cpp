#include "calculation/exact_area.h"

#include "runtime/error.h"

#include <algorithm>
#include <cfloat>

namespace calculation {
namespace {

// The largest double, in thousandths.
const mpz_class &largest_area_in_thousandths() {
  static const mpz_class largest = mpz_class(DBL_MAX) * 1000;
  return largest;
}

mpz_class power_of_ten(unsigned long exponent) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
  return power;
}

// low <= x <= high, for a whole number x.
struct Bounds {
  mpz_class low, high;
};

// A side in whole units of 10^place, rounded down and up. Only the digits
// above the unit are read, so a side far below it costs nothing.
Bounds side_in_units(const DecimalNumber &side, const mpz_class &place) {
  if (side.is_zero()) {
    return {.low = 0, .high = 0};
  }
  const mpz_class shift = side.exponent - place;
  if (shift >= 0) {
    const mpz_class units = mpz_class(side.digits, 10) * power_of_ten(shift.get_ui());
    return {.low = units, .high = units};
  }
  // The digits end in a non-zero one, so what is dropped is more than nothing.
  const mpz_class dropped = -shift;
  if (dropped >= static_cast<unsigned long>(side.digits.size())) {
    return {.low = 0, .high = 1};
  }
  const mpz_class units(side.digits.substr(0, side.digits.size() - dropped.get_ui()), 10);
  return {.low = units, .high = units + 1};
}

enum class Existence { refused, exists, undecided };

// Whether some side is longer than the other two together: for every value
// within the bounds, for none, or for some only.
Existence existence(const std::array<Bounds, 3> &sides) {
  bool decided = true;
  for (std::size_t i = 0; i < sides.size(); ++i) {
    const Bounds &x = sides[i];
    const Bounds &y = sides[(i + 1) % sides.size()];
    const Bounds &z = sides[(i + 2) % sides.size()];
    if (y.high + z.high < x.low) {
      return Existence::refused;
    }
    decided = decided && y.low + z.low >= x.high;
  }
  return decided ? Existence::exists : Existence::undecided;
}

// 16 S^2 = (a+b+c)(b+c-a)(a+c-b)(a+b-c): its least, or its greatest, value
// within the bounds of a triangle's sides.
mpz_class heron_product(const std::array<Bounds, 3> &sides, mpz_class Bounds::*low,
                        mpz_class Bounds::*high) {
  const auto &[a, b, c] = sides;
  return mpz_class(a.*low + b.*low + c.*low) * (b.*low + c.*low - a.*high) *
         (a.*low + c.*low - b.*high) * (a.*low + b.*low - c.*high);
}

// round(1000 S) for 16 S^2 = product 10^(4 place). Twice the area in
// thousandths is root(250000 product) 10^(2 place); its whole part m decides
// the rounding, ties up: (m + 1) / 2. Below the units, the whole part of the
// root of a whole number divided by 10^k is that of its whole root divided.
mpz_class thousandths_of(const mpz_class &product, const mpz_class &place) {
  const mpz_class scale = 2 * abs(place);
  mpz_class twice;
  if (place >= 0) {
    twice = sqrt(mpz_class(product * 250'000 * power_of_ten(2 * scale.get_ui())));
  } else {
    twice = sqrt(mpz_class(product * 250'000));
    // A root of no more digits than the power is below it: a thin or flat
    // triangle's area need not make the power.
    const auto digits = static_cast<unsigned long>(mpz_sizeinbase(twice.get_mpz_t(), 10));
    twice = digits <= scale ? mpz_class(0) : mpz_class(twice / power_of_ten(scale.get_ui()));
  }
  return (twice + 1) / 2;
}

} // namespace

std::optional<mpz_class> exact_area_in_thousandths(const std::array<DecimalNumber, 3> &sides) {
  // With a negative side c, whichever of a and b is the larger exceeds the
  // other plus c.
  if (std::any_of(sides.begin(), sides.end(),
                  [](const auto &side) { return side.is_negative(); })) {
    return std::nullopt;
  }
  // The place above every side's leading digit, and that of the lowest digit.
  const auto is_non_zero = [](const DecimalNumber &side) { return !side.is_zero(); };
  const auto first = std::find_if(sides.begin(), sides.end(), is_non_zero);
  if (first == sides.end()) {
    return mpz_class(0);
  }
  mpz_class top = first->magnitude();
  mpz_class bottom = first->exponent;
  for (const auto &side : sides) {
    if (is_non_zero(side)) {
      top = std::max(top, side.magnitude());
      bottom = std::min(bottom, side.exponent);
    }
  }

  // The sides are taken to a number of decimal places below 10^top, every
  // side below that to within one unit, and the places multiplied until the
  // bounds decide the outcome. With all places down to the lowest digit the
  // bounds are the sides themselves, but a side far smaller than the others
  // decides it long before: it is too small to close or open the triangle or
  // to move the area by a thousandth.
  const mpz_class every_place = top - bottom;
  for (mpz_class places = 40;; places *= 4) {
    places = std::min(places, every_place);
    const mpz_class place = top - places;
    const std::array units = {side_in_units(sides[0], place), side_in_units(sides[1], place),
                              side_in_units(sides[2], place)};
    const auto exists = existence(units);
    if (exists == Existence::refused) {
      return std::nullopt;
    }
    if (exists == Existence::undecided) {
      continue;
    }
    // Sides below a hundredth make an area below 0.000044.
    if (top <= -2) {
      return mpz_class(0);
    }
    mpz_class least = thousandths_of(heron_product(units, &Bounds::low, &Bounds::high), place);
    const mpz_class most = thousandths_of(heron_product(units, &Bounds::high, &Bounds::low), place);
    if (least == most) {
      if (least > largest_area_in_thousandths()) {
        throw runtime::Error(runtime::ErrorCode::Overflow);
      }
      return least;
    }
  }
}

} // namespace calculation
