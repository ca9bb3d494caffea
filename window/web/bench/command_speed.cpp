// The area command alone, compiled as the page's module is, on the sides of
// calculation_bench's BM_AreaCommand, BM_AreaCommandExact and
// BM_AreaCommandThinTyped: prints for each
// set the least of three runs in nanoseconds per command, for area_speed.mjs.

#include "bench/area_sides.h"
#include "calculation/area_command.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstddef>
#include <cstdio>

namespace {

// Where the captions' lengths go, so that no command is optimised away.
volatile std::size_t characters_made = 0;

double nanoseconds_per_command(const std::array<bench::Sides, 6> &set) {
  constexpr int rounds = 20000;
  double least = 1e300;
  for (int run = 0; run < 3; ++run) {
    std::size_t characters = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < rounds; ++round) {
      for (const auto &[a, b, c] : set) {
        characters += calculation::area_command(a, b, c, ",").size();
      }
    }
    const std::chrono::duration<double, std::nano> taken = std::chrono::steady_clock::now() - start;
    characters_made = characters;
    least = std::min(least, taken.count() / static_cast<double>(rounds * set.size()));
  }
  return least;
}

} // namespace

int main() {
  std::printf("BM_AreaCommand %.0f\n", nanoseconds_per_command(bench::worked_sides));
  std::printf("BM_AreaCommandExact %.0f\n", nanoseconds_per_command(bench::undecided_sides));
  std::printf("BM_AreaCommandThinTyped %.0f\n", nanoseconds_per_command(bench::thin_typed_sides));
}
