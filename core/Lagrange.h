// Lagrange interpolation through a small table of points, and the zero and
// the extremum of the interpolating polynomial between the smallest and the
// largest abscissa. The polynomial is recomputed from the table at every
// call; nothing is stored or allocated. Abscissae must be distinct.
// Abscissae are in the caller's unit (days, as Julian Days, in the forms);
// values and derivatives are in the unit of y (per unit of abscissa).
#pragma once

// Value of the polynomial at t: Lagrange's interpolation formula (Meeus,
// Astronomical Algorithms, ch. 3).
double LagrangeInterpolate(const double* x, const double* y, double t, int n);

// Derivative of the polynomial at t, per unit of abscissa: the derivative
// of each Lagrange basis polynomial, term by term (the design's rule).
double LagrangeDerivative(const double* x, const double* y, double t, int n);

// Highest-degree coefficient times (hi - lo)^(n - 1): the size of the
// leading term over the span of the table, in the unit of y. The
// coefficient is the divided difference sum y[i] / prod (x[i] - x[j]).
double LeadingTermVariation(const double* x, const double* y, int n);

// False position (regula falsi; the design's rule) between the smallest and
// the largest abscissa. Returns 1
// and writes r when the polynomial changes sign there, 0 otherwise (r left
// untouched). The search stops when the replaced end moved by 1e-10 or
// less, after 10 000 iterations at most, and gives up (0) when a value
// stops being a finite number. iterations, when given, receives the number
// of false-position steps taken.
int FindZero(const double* x, const double* y, int n, double& r,
             int* iterations = nullptr);

// The same search on the derivative; v is the polynomial's value at r.
// Does not tell a maximum from a minimum.
int FindExtremum(const double* x, const double* y, int n, double& r,
                 double& v, int* iterations = nullptr);
