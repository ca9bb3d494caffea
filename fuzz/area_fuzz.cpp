// The whole area command, on three fuzzed texts, on three fuzzed doubles
// written out, or on thin, flat and just-refused triangles typed with many
// digits, against the caption decided in exact arithmetic on the numbers
// typed.
#include "calculation/area_command.h"
#include "calculation/val.h"
#include "fuzz/check.h"
#include "fuzz/exact_reference.h"
#include "runtime/error.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

Outcome outcome_of(const std::array<std::string, 3> &texts, std::string_view separator) {
  try {
    return calculation::area_command(texts[0], texts[1], texts[2], separator);
  } catch (const runtime::Error &error) {
    return error.code();
  }
}

// A double as the shortest text that reads back as it.
std::string text_of(double value) {
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return {buffer.data(), result.ptr};
}

// A whole number of up to 60 digits, from the fuzzer's bytes.
mpz_class fuzzed_units(FuzzedDataProvider &provider) {
  std::string digits = provider.ConsumeRandomLengthString(60);
  std::transform(digits.begin(), digits.end(), digits.begin(), [](char c) {
    return static_cast<char>('0' + static_cast<unsigned char>(c) % 10);
  });
  return mpz_class("0" + digits, 10);
}

// units 10^-places typed as "12.345", or as "12345e-3".
std::string typed(const mpz_class &units, std::size_t places, bool with_exponent) {
  std::string digits = units.get_str();
  if (with_exponent) {
    return digits + "e-" + std::to_string(places);
  }
  if (digits.size() <= places) {
    digits.insert(0, places + 1 - digits.size(), '0');
  }
  digits.insert(digits.size() - places, 1, '.');
  return digits;
}

// Sides a, b and a + b give or take a few units of the last place, in any
// order: flat, thin or just refused, where the doubles' errors would decide.
void check_near_flat(FuzzedDataProvider &provider, std::string_view separator) {
  const auto places = provider.ConsumeIntegralInRange<std::size_t>(0, 40);
  const bool with_exponent = provider.ConsumeBool();
  const mpz_class a = fuzzed_units(provider);
  const mpz_class b = fuzzed_units(provider);
  mpz_class c = a + b + provider.ConsumeIntegralInRange<int>(-3, 3);
  c = abs(c);
  std::array units = {a, b, c};
  std::rotate(units.begin(), units.begin() + provider.ConsumeIntegralInRange<int>(0, 2),
              units.end());

  mpz_class scale;
  mpz_ui_pow_ui(scale.get_mpz_t(), 10, places);
  std::array<std::string, 3> texts;
  std::array<mpq_class, 3> sides;
  for (std::size_t i = 0; i < units.size(); ++i) {
    texts[i] = typed(units[i], places, with_exponent);
    sides[i] = mpq_class(units[i], scale);
    sides[i].canonicalize();
  }
  FUZZ_CHECK(outcome_of(texts, separator) == exact_outcome(sides, separator));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const std::string_view separator = provider.ConsumeBool() ? "," : ".";
  enum class Kind { texts, doubles, near_flat };
  const auto kind = static_cast<Kind>(provider.ConsumeIntegralInRange<int>(0, 2));
  if (kind == Kind::near_flat) {
    check_near_flat(provider, separator);
    return 0;
  }

  std::array<std::string, 3> texts;
  if (kind == Kind::doubles) {
    for (auto &text : texts) {
      double value = 0;
      provider.ConsumeData(&value, sizeof value);
      text = std::isfinite(value) ? text_of(value) : "0";
    }
  } else {
    texts = {provider.ConsumeRandomLengthString(), provider.ConsumeRandomLengthString(),
             provider.ConsumeRemainingBytesAsString()};
  }

  std::array<mpq_class, 3> sides;
  bool written_out = true;
  try {
    for (std::size_t i = 0; i < sides.size(); ++i) {
      const auto reading = calculation::read_side(texts[i]);
      const auto value = rational_of(reading.typed);
      // The double is the number typed where the reading says so.
      FUZZ_CHECK(!reading.value_is_exact || (value && *value == mpq_class(reading.value)));
      written_out = written_out && value;
      sides[i] = value.value_or(0);
    }
  } catch (const runtime::Error &error) {
    // A side past the double range.
    FUZZ_CHECK(outcome_of(texts, separator) == Outcome(error.code()));
    return 0;
  }
  const Outcome outcome = outcome_of(texts, separator);
  if (written_out) {
    FUZZ_CHECK(outcome == exact_outcome(sides, separator));
  }
  return 0;
}
