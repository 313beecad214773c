#include "geometry/exact_gap.h"

#include <gtest/gtest.h>

namespace segcalc {
namespace {

// The warning colour's rule at its edges: more than 0.5 % off, and for a
// length more than 1 in the typed unit as well.
TEST(FarFromExact, NeedsBothTheShareAndTheLength) {
  const struct {
    Quantity quantity;
    double calculator;
    double exact;
    bool far;
  } cases[] = {
      {Quantity::Height, 1130.85, 1055.7, true},  // a long flat arc
      {Quantity::Radius, 1005.0, 1000.0, false},  // exactly 0.5 %
      {Quantity::Radius, 1005.01, 1000.0, true},  // just over it
      {Quantity::Radius, 994.99, 1000.0, true},   // below the exact value too
      {Quantity::Height, 100.9, 100.0, false},    // 0.9 % but under 1
      {Quantity::Height, 101.01, 100.0, true},    // 1.01 % and over 1
      {Quantity::Chord, 200.99, 200.0, false},    // over 0.49 % but under 1
      {Quantity::Arc, 1000.5, 1000.0, false},     // 0.05 %
      {Quantity::Angle, 2.02, 2.0, true},         // an angle needs no length
      {Quantity::Angle, 119.03, 118.97, false},   // the start-up example
      {Quantity::Height, 591.83, 590.72, false},  // likewise
      {Quantity::Radius, 0.0, 0.0, false},        // nothing off at all
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FarFromExact(c.quantity, c.calculator, c.exact), c.far)
        << QuantityLabel(c.quantity) << " " << c.calculator << " against " << c.exact;
  }
}

}  // namespace
}  // namespace segcalc
