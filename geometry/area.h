#pragma once

#include "geometry/exact_geometry.h"

namespace segcalc {

// Areas in the square of the user's unit, lengths in the unit.
struct SegmentArea {
  double segment = 0.0;  // 弓形面积: between the arc and the chord, R^2 / 2 (theta - sin theta)
  double sector = 0.0;   // 扇形面积: R^2 theta / 2
  double perimeter = 0.0;  // 周长 of the segment: arc + chord
};

SegmentArea AreaOf(const ExactSegment& segment);

// theta - sin(theta) for theta in radians, 0 <= theta < 2 pi, to full
// precision also where the two nearly cancel.
double ThetaMinusSine(double theta);

}  // namespace segcalc
