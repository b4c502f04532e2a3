// Interpolation, zero and extremum of a table of points, against
// polynomials and parabolas known in advance.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "Lagrange.h"

namespace {

constexpr double J = 2451545.0;  // 1 January 2000, 12h

// Horner on coefficients a[0..d] of u = t - J, and its derivative.
double Poly(const double* a, int d, double u, bool derivative = false) {
  double s = 0;
  for (int k = d; k >= (derivative ? 1 : 0); --k) s = s * u + (derivative ? k : 1) * a[k];
  return s;
}

TEST(Lagrange, ReproducesRandomPolynomialsInAnyRowOrder) {
  // n points determine a polynomial of degree n - 1: value, derivative and
  // the leading term's variation a[d] (hi - lo)^d come back exactly.
  std::mt19937 rng(20260107);
  std::uniform_real_distribution<double> coef(-10.0, 10.0), jitter(0.0, 0.8);
  for (int trial = 0; trial < 2000; ++trial) {
    const int n = 2 + trial % 4, d = n - 1;
    double a[5] = {}, x[5], y[5], scale = 0;
    for (int k = 0; k <= d; ++k) scale += std::fabs(a[k] = coef(rng)) * std::pow(6.0, k);
    for (int i = 0; i < n; ++i) x[i] = J + i + jitter(rng);  // distinct, about a day apart
    std::shuffle(x, x + n, rng);
    for (int i = 0; i < n; ++i) y[i] = Poly(a, d, x[i] - J);
    const double t = J + coef(rng) * 0.3 + 2.0;
    EXPECT_NEAR(LagrangeInterpolate(x, y, t, n), Poly(a, d, t - J), 1e-7 * scale);
    EXPECT_NEAR(LagrangeDerivative(x, y, t, n), Poly(a, d, t - J, true), 1e-6 * scale);
    const double span = std::pow(*std::max_element(x, x + n) - *std::min_element(x, x + n), d);
    EXPECT_NEAR(LeadingTermVariation(x, y, n), a[d] * span, 1e-6 * std::fabs(a[d]) * span + 1e-9);
  }
}

TEST(Lagrange, ZeroAndExtremumOfRandomParabolas) {
  // y = k (u - r)(u - s) on 3 to 5 points over [0, 4] days with r inside and
  // s outside: one zero at r; one extremum at (r + s) / 2 when inside.
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int trial = 0; trial < 500; ++trial) {
    const int n = 3 + trial % 3;
    const double root = 0.3 + 3.4 * unit(rng);
    const double other = trial % 2 ? -0.5 - 3.0 * unit(rng) : 4.5 + 3.0 * unit(rng);
    const double k = (unit(rng) < 0.5 ? -1 : 1) * (0.1 + 10 * unit(rng));
    auto f = [&](double u) { return k * (u - root) * (u - other); };
    double x[5], y[5], r = 0, e = 0, v = 0;
    for (int i = 0; i < n; ++i) y[i] = f((x[i] = J + 4.0 * i / (n - 1)) - J);
    int steps = 0;
    ASSERT_EQ(FindZero(x, y, n, r, &steps), 1);
    EXPECT_LE(steps, 10000);
    EXPECT_NEAR(r - J, root, 1e-8);
    const double vertex = 0.5 * (root + other);
    const int found = FindExtremum(x, y, n, e, v, &steps);
    EXPECT_LE(steps, 10000);
    EXPECT_EQ(found, vertex > 0.0 && vertex < 4.0 ? 1 : 0) << vertex;
    if (found) {
      EXPECT_NEAR(e - J, vertex, 1e-8);
      EXPECT_NEAR(v, f(vertex), 1e-6 * std::fabs(k) * 25);
    }
  }
}

TEST(Lagrange, SearchCases) {
  // {x0, x1, x2}, {y0, y1, y2} (two points when x2 is 0), then the zero found
  // (0: none, the output untouched) and the extremum found with its value.
  const double rows[][9] = {
      {J, J + 2, 0, -1, 1, 0, J + 1, 0, 0},                   // a straight line
      {J + 2, J + 1, J, 0, 5, 0, J, J + 1, 5},                // the smallest zero wins
      {J, J + 1, J + 2, 1, -1, 1, 0, J + 1, -1},              // two sign changes: no zero
      {J, J + 1, J + 3, 0, 1, 0, J, J + 1.5, 1.125},          // vertex of (0,0) (1,1) (3,0)
      {J + 1, J, 0, 3, 3, 0, 0, J, 3},                        // flat: its first point
      {J, J + 1, 0, -1.7e308, 1.7e308, 0, 0, 0, 0},           // false position overflows
      {J, J + 1, J + 2, -1.7e308, 1.7e308, -1.7e308, 0, 0, 0},
      {J, J + 1, 0, -INFINITY, 1, 0, 0, 0, 0},
  };
  for (const auto& row : rows) {
    const int n = row[2] == 0 ? 2 : 3;
    const double x[] = {row[0], row[1], row[2]}, y[] = {row[3], row[4], row[5]};
    double r = 42, e = 43, v = 44;
    EXPECT_EQ(FindZero(x, y, n, r), row[6] != 0) << row[4];
    EXPECT_EQ(r, row[6] != 0 ? row[6] : 42) << row[4];
    EXPECT_EQ(FindExtremum(x, y, n, e, v), row[7] != 0) << row[4];
    EXPECT_NEAR(e, row[7] != 0 ? row[7] : 43, 1e-9) << row[4];
    EXPECT_NEAR(v, row[7] != 0 ? row[8] : 44, 1e-9) << row[4];
  }
  // Small abscissae, a steep table: the search still ends inside.
  const double x[] = {0.0, 1e-9, 2e-9, 1.0, 2.0}, y[] = {-1.0, 1e3, 1e6, 1e9, 1e12};
  double r = 0;
  int steps = 0;
  ASSERT_EQ(FindZero(x, y, 5, r, &steps), 1);
  EXPECT_TRUE(r >= 0.0 && r <= 2.0 && steps <= 10000) << r << ' ' << steps;
}

}  // namespace
