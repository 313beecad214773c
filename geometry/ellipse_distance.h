#pragma once

#include "geometry/plane_point.h"

namespace segcalc {

// The distance from a point to the ellipse of half axes a and b centred at
// the origin, axes along x and y: the nearest point by the root of a
// function that is monotone in one variable, found by halving, which cannot
// fail to converge.
double DistanceToEllipse(double a, double b, PlanePoint point);

}  // namespace segcalc
