// The area command alone, compiled as the page's module is, on the sides of
// calculation_bench's BM_AreaCommand and BM_AreaCommandExact: prints for each
// set the least of three runs in nanoseconds per command, for area_speed.mjs.

#include "calculation/area_command.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstddef>
#include <cstdio>

namespace {

struct Sides {
  const char *a, *b, *c;
};

constexpr std::array<Sides, 6> worked = {{{"1", "1", "1"},
                                          {"3", "4", "5"},
                                          {"2", "3", "4"},
                                          {"5", "5", "8"},
                                          {"1", "1", "3"},
                                          {"100000", "100000", "100000"}}};
constexpr std::array<Sides, 6> undecided = {
    {{"0.1", "0.2", "0.30000000000000004"},
     {"43853.9894764888", "58573359.391144134", "58573451.61248723"},
     {"1e100", "1e100", "1e100"},
     {"1e154", "1e154", "1e154"},
     {"1e300", "1e300", "1e-300"},
     {"1", "2", "3"}}};

// Where the captions' lengths go, so that no command is optimised away.
volatile std::size_t characters_made = 0;

double nanoseconds_per_command(const std::array<Sides, 6> &set) {
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
  std::printf("BM_AreaCommand %.0f\n", nanoseconds_per_command(worked));
  std::printf("BM_AreaCommandExact %.0f\n", nanoseconds_per_command(undecided));
}
