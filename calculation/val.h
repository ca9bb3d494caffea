#pragma once

#include "calculation/decimal_number.h"

#include <string_view>

namespace calculation {

// Reads the number at the start of a text, as a user's side length.
//
// Blanks, tabs and line feeds are ignored wherever they stand ("1 2" is 12).
// The number is read from the start of what remains and ends at the first
// character that cannot continue it ("5cm" is 5); a text with no leading
// number is 0. Accepted forms, after an optional '+' or '-':
//   decimal   digits with an optional '.' fraction and 'e'/'E' exponent
//             ("12", ".5", "5.", "1e3", "1E-2"); the full stop is the only
//             decimal separator, whatever the locale ("2,5" is 2)
//   &H / &O   a hexadecimal or octal whole number, letters in either case
//             ("&H10" and "&h10" are 16, "&O17" is 15)
// "inf", "nan" and the like are not numbers here and read as 0. A value too
// small for a double reads as 0 (read_side keeps the number itself).
//
// Raises runtime::Error(Overflow) for a value beyond the double range, or a
// hexadecimal or octal value beyond 64 bits. Independent of the C locale.
[[nodiscard]] double Val(std::string_view text);

// A side's text read once, by Val's rules: the double Val gives, and the
// number the text denotes, to which that double is the nearest.
struct SideReading {
  double value;
  // True when the double is the number itself, as for whole numbers and
  // halves; false when that is not known.
  bool value_is_exact;
  DecimalNumber typed;
};

// Raises runtime::Error(Overflow) as Val does.
[[nodiscard]] SideReading read_side(std::string_view text);

} // namespace calculation
