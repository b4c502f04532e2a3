// Time and false-position iterations of the zero and extremum searches on
// tables of 2 to 5 points a day apart near J2000.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "Lagrange.h"

namespace {

struct Table {
  double x[5], y[5];
};

// y = k (u - r)(u - s): one zero inside the span, the other outside.
std::vector<Table> MakeTables(int n) {
  std::mt19937 rng(1234);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::vector<Table> tables(256);
  for (Table& t : tables) {
    const double span = n - 1;
    const double r = span * (0.1 + 0.8 * unit(rng));
    const double s = unit(rng) < 0.5 ? -1.0 - unit(rng) : span + 1.0 + unit(rng);
    const double k = 0.5 + 5.0 * unit(rng);
    for (int i = 0; i < n; ++i) {
      t.x[i] = 2451545.0 + i;
      t.y[i] = k * (i - r) * (i - s);
    }
  }
  return tables;
}

void BM_FindZero(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<Table> tables = MakeTables(n);
  long long iterations = 0, searches = 0;
  size_t next = 0;
  for (auto _ : state) {
    const Table& t = tables[next++ % tables.size()];
    double r = 0.0;
    int steps = 0;
    benchmark::DoNotOptimize(FindZero(t.x, t.y, n, r, &steps));
    benchmark::DoNotOptimize(r);
    iterations += steps;
    ++searches;
  }
  state.counters["iterations/search"] =
      searches ? static_cast<double>(iterations) / static_cast<double>(searches) : 0.0;
}

void BM_FindExtremum(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<Table> tables = MakeTables(n);
  long long iterations = 0, searches = 0;
  size_t next = 0;
  for (auto _ : state) {
    const Table& t = tables[next++ % tables.size()];
    double r = 0.0, v = 0.0;
    int steps = 0;
    benchmark::DoNotOptimize(FindExtremum(t.x, t.y, n, r, v, &steps));
    benchmark::DoNotOptimize(v);
    iterations += steps;
    ++searches;
  }
  state.counters["iterations/search"] =
      searches ? static_cast<double>(iterations) / static_cast<double>(searches) : 0.0;
}

}  // namespace

BENCHMARK(BM_FindZero)->DenseRange(2, 5);
BENCHMARK(BM_FindExtremum)->DenseRange(3, 5);
