#include "geometry/arc_piece.h"

#include <cmath>

#include "geometry/exact_geometry.h"

namespace segcalc {

double ArcPiece::SweepDegrees() const {
  double sweep = std::fmod(end_degrees - start_degrees, 360.0);
  if (sweep < 0) sweep += 360;
  return sweep;
}

double ArcPiece::Length() const {
  return radius * Radians(SweepDegrees());
}

// At a quarter turn the point is exact: a springing on y = 0 stays there.
PlanePoint ArcPiece::PointAt(double degrees) const {
  if (degrees == 0 || degrees == 360) return {centre_x + radius, centre_y};
  if (degrees == 90) return {centre_x, centre_y + radius};
  if (degrees == 180) return {centre_x - radius, centre_y};
  const double a = Radians(degrees);
  return {centre_x + radius * std::cos(a), centre_y + radius * std::sin(a)};
}

// 2 R sin(phi / 2), and R (1 - cos(phi / 2)) as 2 R sin^2(phi / 4): a flat
// piece keeps its digits.
double ArcPiece::Chord() const {
  return 2 * radius * std::sin(Radians(SweepDegrees()) / 2);
}

double ArcPiece::Sagitta() const {
  const double s = std::sin(Radians(SweepDegrees()) / 4);
  return 2 * radius * s * s;
}

ArcPiece ArcPiece::WithRadius(double new_radius) const {
  ArcPiece piece = *this;
  piece.radius = new_radius;
  return piece;
}

bool WithinSweep(const ArcPiece& piece, double degrees) {
  double from_start = std::fmod(degrees - piece.start_degrees, 360.0);
  if (from_start < 0) from_start += 360;
  return from_start <= piece.SweepDegrees();
}

}  // namespace segcalc
