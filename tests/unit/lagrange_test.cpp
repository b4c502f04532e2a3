#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "Lagrange.h"

namespace {

constexpr double J = 2451545.0;  // 1 January 2000, 12h

TEST(Lagrange, TwoPointValuesDerivativeAndVariation) {
  const double x[] = {J, J + 1};
  const double y[] = {10, 20};
  EXPECT_EQ(LagrangeInterpolate(x, y, J + 0.25, 2), 12.5);
  EXPECT_EQ(LagrangeInterpolate(x, y, J + 2, 2), 30.0);
  EXPECT_EQ(LeadingTermVariation(x, y, 2), 10.0);
  for (double t : {J - 3.0, J, J + 0.7, J + 40.0})
    EXPECT_EQ(LagrangeDerivative(x, y, t, 2), 10.0) << t;
}

TEST(Lagrange, ZeroSearchCases) {
  {
    const double x[] = {J, J + 2};
    const double y[] = {-1, 1};
    double r = 0;
    ASSERT_EQ(FindZero(x, y, 2, r), 1);
    EXPECT_EQ(r, J + 1);
  }
  {
    // Zero at the smallest abscissa wins even when the largest is a zero.
    const double x[] = {J + 2, J + 1, J};
    const double y[] = {0, 5, 0};
    double r = 0;
    ASSERT_EQ(FindZero(x, y, 3, r), 1);
    EXPECT_EQ(r, J);
  }
  {
    // Two sign changes inside: none reported, out untouched.
    const double x[] = {J, J + 1, J + 2};
    const double y[] = {1, -1, 1};
    double r = 42;
    EXPECT_EQ(FindZero(x, y, 3, r), 0);
    EXPECT_EQ(r, 42);
  }
}

TEST(Lagrange, ExtremumSearchCases) {
  double r = 7, v = 8;
  {
    const double x[] = {J, J + 1};
    const double y[] = {3, 4};
    EXPECT_EQ(FindExtremum(x, y, 2, r, v), 0);
    EXPECT_EQ(r, 7);
    EXPECT_EQ(v, 8);
  }
  {
    const double x[] = {J + 1, J};
    const double y[] = {3, 3};
    ASSERT_EQ(FindExtremum(x, y, 2, r, v), 1);
    EXPECT_EQ(r, J);
    EXPECT_EQ(v, 3);
  }
  {
    const double x[] = {J, J + 1, J + 2};
    const double y[] = {0, 1, 0};
    ASSERT_EQ(FindExtremum(x, y, 3, r, v), 1);
    EXPECT_EQ(r, J + 1);
    EXPECT_EQ(v, 1);
  }
  {
    // Vertex of the parabola through (0, 0), (1, 1), (3, 0): u = 1.5,
    // value 1.125.
    const double x[] = {J, J + 1, J + 3};
    const double y[] = {0, 1, 0};
    ASSERT_EQ(FindExtremum(x, y, 3, r, v), 1);
    EXPECT_EQ(r, J + 1.5);
    EXPECT_EQ(v, 1.125);
  }
}

TEST(Lagrange, RowOrderDoesNotMatter) {
  double x[] = {J - 1.25, J + 0.5, J + 2.0, J + 3.75, J + 5.0};
  double y[] = {-3.5, 1.25, 2.0, -0.75, 4.0};
  int order[] = {0, 1, 2, 3, 4};
  double r0 = 0, e0 = 0, v0 = 0;
  ASSERT_EQ(FindZero(x, y, 5, r0), 1);
  const double x3[] = {x[0], x[1], x[2]}, y3[] = {y[0], y[1], y[2]};
  ASSERT_EQ(FindExtremum(x3, y3, 3, e0, v0), 1);
  const double value0 = LagrangeInterpolate(x, y, J + 1.1, 5);
  const double lead0 = LeadingTermVariation(x, y, 5);
  int permutations = 0;
  while (std::next_permutation(order, order + 5)) {
    double px[5], py[5];
    for (int i = 0; i < 5; ++i) {
      px[i] = x[order[i]];
      py[i] = y[order[i]];
    }
    double r = 0;
    ASSERT_EQ(FindZero(px, py, 5, r), 1);
    EXPECT_NEAR(r, r0, 1e-9);
    EXPECT_NEAR(LagrangeInterpolate(px, py, J + 1.1, 5), value0, 1e-9);
    EXPECT_NEAR(LeadingTermVariation(px, py, 5), lead0, 1e-9 * std::fabs(lead0));
    ++permutations;
  }
  EXPECT_EQ(permutations, 119);
  // The three-point parabola in all its orders: same bracket, same result.
  const int orders3[][3] = {{0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  for (const auto& o : orders3) {
    const double px[] = {x3[o[0]], x3[o[1]], x3[o[2]]};
    const double py[] = {y3[o[0]], y3[o[1]], y3[o[2]]};
    double e = 0, v = 0;
    ASSERT_EQ(FindExtremum(px, py, 3, e, v), 1);
    EXPECT_NEAR(e, e0, 1e-9);
    EXPECT_NEAR(v, v0, 1e-9);
  }
}

// Horner on coefficients a[0..d] of u = t - J.
double Poly(const double* a, int d, double u) {
  double s = 0;
  for (int k = d; k >= 0; --k) s = s * u + a[k];
  return s;
}
double PolyDerivative(const double* a, int d, double u) {
  double s = 0;
  for (int k = d; k >= 1; --k) s = s * u + k * a[k];
  return s;
}

TEST(Lagrange, ReproducesRandomPolynomials) {
  std::mt19937 rng(20260107);
  std::uniform_real_distribution<double> coef(-10.0, 10.0);
  std::uniform_real_distribution<double> jitter(0.0, 0.8);
  for (int trial = 0; trial < 2000; ++trial) {
    const int n = 2 + trial % 4;
    const int d = n - 1;
    double a[5] = {};
    for (int k = 0; k <= d; ++k) a[k] = coef(rng);
    double x[5], y[5];
    for (int i = 0; i < n; ++i) {
      double u = i + jitter(rng);  // distinct, about a day apart
      x[i] = J + u;
      y[i] = Poly(a, d, x[i] - J);
    }
    std::shuffle(x, x + n, rng);  // the values follow their abscissae below
    for (int i = 0; i < n; ++i) y[i] = Poly(a, d, x[i] - J);
    double scale = 0;
    for (int k = 0; k <= d; ++k) scale += std::fabs(a[k]) * std::pow(6.0, k);
    const double t = J + coef(rng) * 0.3 + 2.0;
    EXPECT_NEAR(LagrangeInterpolate(x, y, t, n), Poly(a, d, t - J), 1e-7 * scale);
    EXPECT_NEAR(LagrangeDerivative(x, y, t, n), PolyDerivative(a, d, t - J),
                1e-6 * scale);
    const double lo = *std::min_element(x, x + n);
    const double hi = *std::max_element(x, x + n);
    const double lead = a[d] * std::pow(hi - lo, d);
    EXPECT_NEAR(LeadingTermVariation(x, y, n), lead,
                1e-6 * std::fabs(a[d]) * std::pow(hi - lo, d) + 1e-9);
  }
}

// Root of f on [lo, hi] by bisection, given a sign change.
template <typename F>
double Bisect(F f, double lo, double hi) {
  double flo = f(lo);
  for (int i = 0; i < 200; ++i) {
    double mid = 0.5 * (lo + hi);
    double fm = f(mid);
    if ((fm <= 0) == (flo <= 0)) {
      lo = mid;
      flo = fm;
    } else {
      hi = mid;
    }
  }
  return 0.5 * (lo + hi);
}

TEST(Lagrange, RandomTablesZeroAndExtremumAgreeWithBisection) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  int zeros = 0, extrema = 0;
  for (int trial = 0; trial < 500; ++trial) {
    // y = k (u - r)(u - s) on 3 to 5 points over [0, 4] days, one root r
    // inside, s outside: one sign change, one turning point at (r + s) / 2
    // when it falls inside.
    const int n = 3 + trial % 3;
    const double root = 0.3 + 3.4 * unit(rng);
    const double other =
        trial % 2 ? -0.5 - 3.0 * unit(rng) : 4.5 + 3.0 * unit(rng);
    const double k = (unit(rng) < 0.5 ? -1 : 1) * (0.1 + 10 * unit(rng));
    auto f = [&](double u) { return k * (u - root) * (u - other); };
    double x[5], y[5];
    for (int i = 0; i < n; ++i) {
      const double u = 4.0 * i / (n - 1);
      x[i] = J + u;
      y[i] = f(u);
    }
    double r = 0;
    int steps = 0;
    ASSERT_EQ(FindZero(x, y, n, r, &steps), 1);
    EXPECT_LE(steps, 10000);
    EXPECT_NEAR(r - J, Bisect(f, 0.0, 4.0), 1e-8);
    ++zeros;
    const double vertex = 0.5 * (root + other);
    double e = 0, v = 0;
    const int found = FindExtremum(x, y, n, e, v, &steps);
    EXPECT_LE(steps, 10000);
    if (vertex > 0.0 && vertex < 4.0) {
      ASSERT_EQ(found, 1);
      auto df = [&](double u) { return k * (2 * u - root - other); };
      const double expected = Bisect(df, 0.0, 4.0);
      EXPECT_NEAR(e - J, expected, 1e-8);
      EXPECT_NEAR(v, f(expected), 1e-6 * std::fabs(k) * 25);
      ++extrema;
    } else {
      EXPECT_EQ(found, 0);
    }
  }
  EXPECT_GT(extrema, 50);
  EXPECT_EQ(zeros, 500);
}

TEST(Lagrange, SearchesEndOnHugeOrdinates) {
  const double x[] = {J, J + 1};
  const double y[] = {-1.7e308, 1.7e308};
  double r = 5;
  EXPECT_EQ(FindZero(x, y, 2, r), 0);  // the false-position point overflows
  EXPECT_EQ(r, 5);
  const double x3[] = {J, J + 1, J + 2};
  const double y3[] = {-1.7e308, 1.7e308, -1.7e308};
  double v = 6;
  EXPECT_EQ(FindExtremum(x3, y3, 3, r, v), 0);
  EXPECT_EQ(r, 5);
  EXPECT_EQ(v, 6);
  const double inf[] = {-INFINITY, 1.0};
  EXPECT_EQ(FindZero(x, inf, 2, r), 0);
}

TEST(Lagrange, SearchesEndNearZeroAbscissae) {
  // Small abscissae: the 1e-10 step is reachable and the steep quintic-like
  // table converges slowly; the search still ends inside the bracket.
  const double x[] = {0.0, 1e-9, 2e-9, 1.0, 2.0};
  const double y[] = {-1.0, 1e3, 1e6, 1e9, 1e12};
  double r = 0;
  int steps = 0;
  ASSERT_EQ(FindZero(x, y, 5, r, &steps), 1);
  EXPECT_GE(r, 0.0);
  EXPECT_LE(r, 2.0);
  EXPECT_LE(steps, 10000);
}

}  // namespace
