// The whole area command on three fuzzed texts.
#include "calculation/area_command.h"
#include "fuzz/caption_shape.h"
#include "fuzz/check.h"
#include "runtime/error.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const bool comma = provider.ConsumeBool();
  const std::string a = provider.ConsumeRandomLengthString();
  const std::string b = provider.ConsumeRandomLengthString();
  const std::string c = provider.ConsumeRemainingBytesAsString();
  const std::string_view separator = comma ? "," : ".";

  try {
    const std::string caption = calculation::area_command(a, b, c, separator);
    if (caption != calculation::refusal_message) {
      const std::string_view prefix = calculation::result_prefix;
      FUZZ_CHECK(caption.starts_with(prefix));
      FUZZ_CHECK(is_rendered_area(std::string_view(caption).substr(prefix.size()), separator));
    }
  } catch (const runtime::Error &error) {
    // Reading a side or a step past the double range; a negative product
    // never reaches the power step.
    FUZZ_CHECK(error.code() == runtime::ErrorCode::Overflow);
  }
  return 0;
}
