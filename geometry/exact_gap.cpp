#include "geometry/exact_gap.h"

#include <cmath>

namespace segcalc {
namespace {

constexpr double kShareOff = 0.005;
constexpr double kLengthOff = 1.0;

}  // namespace

bool FarFromExact(Quantity quantity, double calculator, double exact) {
  const double gap = std::fabs(calculator - exact);
  if (!(gap > kShareOff * std::fabs(exact))) return false;
  return quantity == Quantity::Angle || gap > kLengthOff;
}

}  // namespace segcalc
