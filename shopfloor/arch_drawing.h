#pragma once

#include "geometry/arc_part.h"
#include "shopfloor/output_format.h"
#include "shopfloor/part_drawing.h"

namespace segcalc {

// How far a division's line reaches across an arch without a profile, and
// how far beyond its outer end the division's number stands, in mm.
inline constexpr double kDivisionTick = 5;
inline constexpr double kNumberOffset = 4;

// A head that is not one circle, drawn into the part's drawing at the given
// scale (mm per unit of the part): its pieces, the springing line and the
// rise, the ordinates, the profile's faces, the division lines and facets,
// the centres on the template, and an ellipse's true curve.
void DrawArchHead(const ArcPart& part, const OutputFormat& format, double scale,
                  PartDrawing& drawing);

// The springing line (the chord) from left to right, the rise up to the
// crown and the ordinates, each with its value, in lines or ticks as
// drawing.guides says; positions in the part's unit.
void DrawGuides(const ArcPart& part, const OutputFormat& format, double scale, double left,
                double right, PlanePoint crown, PartDrawing& drawing);

// A profile's straight tails (--tails, A at the left end, B at the right):
// each face runs on straight along its tangent from the end of its drawn
// arcs, on the face's layer, as long as the straight length left there.
// Call after the faces are drawn.
void DrawTails(const ArcPart& part, const ProfileBend& bend, double scale, PartDrawing& drawing);

// The legs under the springing and the sill between their feet.
void DrawLegs(const ArcPart& part, double scale, PartDrawing& drawing);

}  // namespace segcalc
