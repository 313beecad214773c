#pragma once

#include "geometry/plane_point.h"

namespace segcalc {

// One circular piece of an arch: its centre and radius, and the angles of its
// two ends about the centre, in degrees from +x, counter-clockwise from start
// to end as CAD arcs are given. An arch runs from left to right over the top,
// so over each of its pieces from end to start: clockwise.
struct ArcPiece {
  double centre_x = 0.0;
  double centre_y = 0.0;
  double radius = 0.0;
  double start_degrees = 0.0;
  double end_degrees = 0.0;

  // From start to end counter-clockwise, in (0, 360).
  double SweepDegrees() const;
  double Length() const;
  PlanePoint PointAt(double degrees) const;
  PlanePoint LeftEnd() const { return PointAt(end_degrees); }
  PlanePoint RightEnd() const { return PointAt(start_degrees); }
  // The straight line between the two ends, and the piece's greatest
  // distance from it.
  double Chord() const;
  double Sagitta() const;
  // The same centre and angles at another radius: a face of a profile bent
  // to the piece.
  ArcPiece WithRadius(double radius) const;
};

// Whether the angle lies on the piece, its ends included.
bool WithinSweep(const ArcPiece& piece, double degrees);

}  // namespace segcalc
