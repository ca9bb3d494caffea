#include "bench/area_sides.h"
#include "calculation/area_command.h"
#include "calculation/format.h"
#include "calculation/val.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace {

constexpr std::array<const char *, 7> side_texts = {"1",   "3",      "4",          "5",
                                                    "2.5", "100000", "99999.99979"};
constexpr std::array<double, 5> areas = {0.4330127018922193, 6.0, 2.9047375096555625, 12.0,
                                         4330127018.922193};

void BM_Val(benchmark::State &state) {
  for (auto _ : state) {
    for (const char *text : side_texts) {
      benchmark::DoNotOptimize(calculation::Val(text));
    }
  }
  state.SetItemsProcessed(state.iterations() * std::ssize(side_texts));
}
BENCHMARK(BM_Val);

void BM_strtod(benchmark::State &state) {
  for (auto _ : state) {
    for (const char *text : side_texts) {
      benchmark::DoNotOptimize(std::strtod(text, nullptr));
    }
  }
  state.SetItemsProcessed(state.iterations() * std::ssize(side_texts));
}
BENCHMARK(BM_strtod);

void BM_Format(benchmark::State &state) {
  for (auto _ : state) {
    for (const double area : areas) {
      benchmark::DoNotOptimize(calculation::Format(area, calculation::area_pattern, ","));
    }
  }
  state.SetItemsProcessed(state.iterations() * std::ssize(areas));
}
BENCHMARK(BM_Format);

void BM_snprintf(benchmark::State &state) {
  std::array<char, 400> buffer{};
  for (auto _ : state) {
    for (const double area : areas) {
      benchmark::DoNotOptimize(std::snprintf(buffer.data(), buffer.size(), "%.3f", area));
    }
  }
  state.SetItemsProcessed(state.iterations() * std::ssize(areas));
}
BENCHMARK(BM_snprintf);

template <const std::array<bench::Sides, 6> &sides> void BM_AreaCommandOn(benchmark::State &state) {
  for (auto _ : state) {
    for (const auto &[a, b, c] : sides) {
      benchmark::DoNotOptimize(calculation::area_command(a, b, c, ","));
    }
  }
  state.SetItemsProcessed(state.iterations() * std::ssize(sides));
}
BENCHMARK(BM_AreaCommandOn<bench::worked_sides>)->Name("BM_AreaCommand");
BENCHMARK(BM_AreaCommandOn<bench::undecided_sides>)->Name("BM_AreaCommandExact");
BENCHMARK(BM_AreaCommandOn<bench::thin_typed_sides>)->Name("BM_AreaCommandThinTyped");

} // namespace
