#pragma once

namespace segcalc {

// Carlson's symmetric elliptic integrals, by the duplication theorem: only
// sums, products and square roots, so every build gives the same digits.
// RF(x, y, z) for x, y, z >= 0, at most one of them 0.
double CarlsonRF(double x, double y, double z);
// RD(x, y, z) for x, y >= 0, at most one of them 0, and z > 0.
double CarlsonRD(double x, double y, double z);

// The incomplete integral of the second kind, E(phi | m) =
// integral from 0 to phi of sqrt(1 - m sin^2 t) dt, for 0 <= phi <= pi / 2
// and 0 <= m <= 1, from sin(phi) and cos(phi): the caller passes those, so
// that a whole quarter (sin 1, cos 0) is exact.
double EllipticE(double sine, double cosine, double m);

// The complete integral E(m), a quarter of an ellipse of half axes 1 and
// sqrt(1 - m) measured along it.
double CompleteEllipticE(double m);

}  // namespace segcalc
