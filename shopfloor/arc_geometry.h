#pragma once

#include "geometry/exact_geometry.h"

namespace segcalc {

// An arc laid out for drawing: the chord on the x axis with its midpoint at
// the origin, the arc above it (y up), lengths scaled to the drawing's unit.
struct ArcLayout {
  double radius = 0.0;
  double centre_y = 0.0;  // below the chord up to a semicircle, above it beyond
  double half_chord = 0.0;
  double height = 0.0;
  double start_degrees = 0.0;  // counter-clockwise from +x, as CAD arcs are
  double end_degrees = 0.0;    // given, from the right end to the left end
  bool beyond_semicircle = false;
  double min_x = 0.0;  // the arc's extent: the chord, or the diameter when it
  double max_x = 0.0;  // overhangs the chord's ends
};

ArcLayout LayOutArc(const ExactSegment& segment, double scale);

}  // namespace segcalc
