#include "geometry/elliptic_integral.h"

#include <algorithm>
#include <cmath>

namespace segcalc {
namespace {

// The duplication stops once the arguments agree to this relative
// difference; the series after it then leaves an error of about its sixth
// power, below the last bit of a double.
constexpr double kAgreement = 5e-4;
// Each duplication quarters the differences: far more than ever needed.
constexpr int kMostDuplications = 60;

}  // namespace

double CarlsonRF(double x, double y, double z) {
  double mean = (x + y + z) / 3;
  double dx = 0, dy = 0, dz = 0;
  for (int i = 0; i < kMostDuplications; ++i) {
    const double sx = std::sqrt(x), sy = std::sqrt(y), sz = std::sqrt(z);
    const double lambda = sx * (sy + sz) + sy * sz;
    x = (x + lambda) / 4;
    y = (y + lambda) / 4;
    z = (z + lambda) / 4;
    mean = (x + y + z) / 3;
    dx = (mean - x) / mean;
    dy = (mean - y) / mean;
    dz = (mean - z) / mean;
    if (std::max({std::abs(dx), std::abs(dy), std::abs(dz)}) <= kAgreement) break;
  }
  const double e2 = dx * dy - dz * dz;
  const double e3 = dx * dy * dz;
  return (1 + (e2 / 24 - 0.1 - 3 * e3 / 44) * e2 + e3 / 14) / std::sqrt(mean);
}

double CarlsonRD(double x, double y, double z) {
  double sum = 0;
  double factor = 1;
  double mean = (x + y + 3 * z) / 5;
  double dx = 0, dy = 0, dz = 0;
  for (int i = 0; i < kMostDuplications; ++i) {
    const double sx = std::sqrt(x), sy = std::sqrt(y), sz = std::sqrt(z);
    const double lambda = sx * (sy + sz) + sy * sz;
    sum += factor / (sz * (z + lambda));
    factor /= 4;
    x = (x + lambda) / 4;
    y = (y + lambda) / 4;
    z = (z + lambda) / 4;
    mean = (x + y + 3 * z) / 5;
    dx = (mean - x) / mean;
    dy = (mean - y) / mean;
    dz = (mean - z) / mean;
    if (std::max({std::abs(dx), std::abs(dy), std::abs(dz)}) <= kAgreement) break;
  }
  const double ea = dx * dy;
  const double eb = dz * dz;
  const double ec = ea - eb;
  const double ed = ea - 6 * eb;
  const double ee = ed + ec + ec;
  constexpr double c1 = 3.0 / 14, c2 = 1.0 / 6, c3 = 9.0 / 22, c4 = 3.0 / 26;
  constexpr double c5 = 0.25 * c3, c6 = 1.5 * c4;
  const double series =
      1 + ed * (-c1 + c5 * ed - c6 * dz * ee) + dz * (c2 * ee + dz * (-c3 * ec + dz * c4 * ea));
  return 3 * sum + factor * series / (mean * std::sqrt(mean));
}

double EllipticE(double sine, double cosine, double m) {
  if (sine == 0) return 0;
  const double c2 = cosine * cosine;
  const double q = 1 - m * sine * sine;
  return sine * CarlsonRF(c2, q, 1) - m / 3 * sine * sine * sine * CarlsonRD(c2, q, 1);
}

double CompleteEllipticE(double m) {
  return EllipticE(1, 0, m);
}

}  // namespace segcalc
