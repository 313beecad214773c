#include "shopfloor/arc_geometry.h"

#include <cmath>

namespace segcalc {

ArcLayout LayOutArc(const ExactSegment& segment, double scale) {
  ArcLayout arc;
  arc.radius = segment.radius * scale;
  arc.half_chord = segment.chord / 2 * scale;
  arc.height = segment.height * scale;
  // The centre sits R - H below the chord; from the given lengths, not from a
  // cosine, so a flat arc's centre is as exact as its height.
  arc.centre_y = arc.height - arc.radius;
  arc.start_degrees = 90 - segment.angle / 2;
  if (arc.start_degrees < 0) arc.start_degrees += 360;
  arc.end_degrees = 90 + segment.angle / 2;
  arc.beyond_semicircle = segment.angle > 180;
  arc.max_x = arc.beyond_semicircle ? arc.radius : arc.half_chord;
  arc.min_x = -arc.max_x;
  return arc;
}

}  // namespace segcalc
