#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "geometry/checked.h"
#include "geometry/plane_point.h"

namespace segcalc {

// More points than this is a file of something else; a fit of this many
// takes well under a second.
inline constexpr std::size_t kMaxFitPoints = 100'000;
// A coordinate beyond this is a slip, and its square would leave no digits
// for the bend of the arc.
inline constexpr double kMaxFitCoordinate = 1e15;

struct CircleFit {
  double radius = 0.0;
  PlanePoint centre;
  double max_residual = 0.0;                // the largest | |p - centre| - radius | over the points
  std::vector<double> residuals;            // each point's |p - centre| - radius, outside > 0
  std::optional<double> radius_difference;  // fitted - target, when a target is given
  int iterations = 0;                       // the refining steps taken
};

// The circle nearest the points in the geometric sense, least
// sum (|p - centre| - radius)^2: an algebraic fit to start from, then
// Levenberg-Marquardt steps until no step lowers the sum, within a bounded
// number of them. Refuses fewer than three points, more than kMaxFitPoints,
// values that are not finite or beyond kMaxFitCoordinate, points (nearly) on
// one straight line, and a target radius that is not a number above 0.
Checked<CircleFit> FitCircle(std::span<const PlanePoint> points,
                             std::optional<double> target_radius = std::nullopt);

}  // namespace segcalc
