// The whole area command, on three fuzzed texts or on three fuzzed doubles
// written out, against the caption decided in exact arithmetic.
#include "calculation/area_command.h"
#include "calculation/val.h"
#include "fuzz/check.h"
#include "fuzz/exact_reference.h"
#include "runtime/error.h"

#include <fuzzer/FuzzedDataProvider.h>

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const bool comma = provider.ConsumeBool();
  const bool raw_doubles = provider.ConsumeBool();
  const std::string_view separator = comma ? "," : ".";

  std::array<std::string, 3> texts;
  if (raw_doubles) {
    for (auto &text : texts) {
      double value = 0;
      provider.ConsumeData(&value, sizeof value);
      text = std::isfinite(value) ? text_of(value) : "0";
    }
  } else {
    texts = {provider.ConsumeRandomLengthString(), provider.ConsumeRandomLengthString(),
             provider.ConsumeRemainingBytesAsString()};
  }

  std::array<double, 3> sides{};
  try {
    for (std::size_t i = 0; i < sides.size(); ++i) {
      sides[i] = calculation::Val(texts[i]);
    }
  } catch (const runtime::Error &error) {
    // A side past the double range.
    FUZZ_CHECK(outcome_of(texts, separator) == Outcome(error.code()));
    return 0;
  }
  FUZZ_CHECK(outcome_of(texts, separator) ==
             exact_outcome(sides[0], sides[1], sides[2], separator));
  return 0;
}
