#include "Lagrange.h"

#include <cmath>

namespace {

constexpr double kStop = 1e-10;      // days: a little under 9 microseconds
constexpr int kMaxIterations = 10000;  // far beyond any sound table's need

// Smallest and largest abscissa; on ties the later point wins.
void Bounds(const double* x, int n, double& lo, double& hi) {
  lo = x[0];
  hi = x[n - 1];
  for (int i = 0; i < n; ++i) {
    if (x[i] <= lo) lo = x[i];
    if (x[i] >= hi) hi = x[i];
  }
}

// Plain regula falsi on f between the table's bounds. The products and the
// update order are those the calculators' results depend on.
template <typename F>
int FalsePosition(const double* x, int n, F f, double& r, int* iterations) {
  if (iterations) *iterations = 0;
  double lo = 0.0, hi = 0.0;
  Bounds(x, n, lo, hi);
  double fa = f(lo);
  double fb = f(hi);
  if (!std::isfinite(fa) || !std::isfinite(fb)) return 0;
  if (fa * fb > 0) return 0;
  if (fa == 0) {
    r = lo;
    return 1;
  }
  if (fb == 0) {
    r = hi;
    return 1;
  }
  double m = 0.0;
  double step = 0.0;
  int count = 0;
  do {
    m = (fb * lo - fa * hi) / (fb - fa);
    if (!std::isfinite(m)) return 0;
    double fm = f(m);
    if (!std::isfinite(fm)) return 0;
    if (fa * fm <= 0) {
      step = hi - m;
      hi = m;
      fb = fm;
    } else {
      step = m - lo;
      lo = m;
      fa = fm;
    }
    ++count;
    if (iterations) *iterations = count;
  } while (step > kStop && count < kMaxIterations);
  r = m;
  return 1;
}

}  // namespace

double LagrangeInterpolate(const double* x, const double* y, double t, int n) {
  double sum = 0;
  for (int i = 0; i < n; ++i) {
    double p = 1;
    for (int j = 0; j < n; ++j)
      if (j != i) p = ((t - x[j]) / (x[i] - x[j])) * p;
    sum = p * y[i] + sum;
  }
  return sum;
}

double LagrangeDerivative(const double* x, const double* y, double t, int n) {
  double total = 0;
  for (int i = 0; i < n; ++i) {
    double s = 0;
    for (int k = 0; k < n; ++k) {
      if (k == i) continue;
      double p = 1;
      for (int j = 0; j < n; ++j)
        if (j != i && j != k) p = ((t - x[j]) / (x[i] - x[j])) * p;
      s = p / (x[i] - x[k]) + s;
    }
    total = s * y[i] + total;
  }
  return total;
}

double LeadingTermVariation(const double* x, const double* y, int n) {
  double c = 0;
  for (int i = 0; i < n; ++i) {
    double p = 1;
    for (int j = 0; j < n; ++j)
      if (j != i) p = (1 / (x[i] - x[j])) * p;
    c = p * y[i] + c;
  }
  double lo = 0.0, hi = 0.0;
  Bounds(x, n, lo, hi);
  return std::pow(hi - lo, static_cast<double>(n - 1)) * c;
}

int FindZero(const double* x, const double* y, int n, double& r,
             int* iterations) {
  return FalsePosition(
      x, n, [&](double t) { return LagrangeInterpolate(x, y, t, n); }, r,
      iterations);
}

int FindExtremum(const double* x, const double* y, int n, double& r,
                 double& v, int* iterations) {
  double root = 0.0;
  if (!FalsePosition(
          x, n, [&](double t) { return LagrangeDerivative(x, y, t, n); }, root,
          iterations))
    return 0;
  double value = LagrangeInterpolate(x, y, root, n);
  if (!std::isfinite(value)) return 0;
  r = root;
  v = value;
  return 1;
}
