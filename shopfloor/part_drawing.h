#pragma once

#include <string>
#include <vector>

#include "geometry/arc_part.h"
#include "geometry/plane_point.h"
#include "shopfloor/output_format.h"

namespace segcalc {

// What a drawing of the part is made of, by layer; the DXF names each layer
// for CAM programs that pick what to cut by layer.
// Each curve is drawn once, since a CAM program cutting by layer would cut a
// curve drawn twice twice: ARC is the arch as measured, without a profile;
// with one its faces INNER and OUTER (the measured face among them, or the
// centre line between them) stand for it, each with its straight tails;
// DIVISIONS a line across the profile (or the arc) at
// each division point; FACETS the straight members between them; LEGS the
// straight sides under the springing and the sill; ELLIPSE the true curve of
// an elliptical head, whose ARC is the circular arcs it is bent in.
enum class DrawingLayer {
  Arc,
  Chord,
  Height,
  Ordinates,
  Inner,
  Outer,
  Divisions,
  Facets,
  Legs,
  Ellipse
};
const char* LayerName(DrawingLayer layer);  // ARC, CHORD, HEIGHT, ORDINATES, INNER, ...

// An arc of a circle, counter-clockwise from start to end as CAD arcs are
// given; angles in degrees from +x.
struct DrawnArc {
  DrawingLayer layer;
  double centre_x = 0, centre_y = 0, radius = 0;
  double start_degrees = 0, end_degrees = 0;
};

struct DrawnLine {
  DrawingLayer layer;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// A curve that is no circle, as straight pieces close enough to it.
struct DrawnPolyline {
  DrawingLayer layer;
  std::vector<PlanePoint> points;
};

// A label beside a vertical or a level line from `from` to `to`, its text
// running along the line (up the page, or left to right) wherever along it
// the text fits on one sheet: left of a vertical line, under a level one.
struct LineLabel {
  std::string text;
  PlanePoint from, to;
  bool Vertical() const { return from.x == to.x; }
};

// A short label centred on a point: the number of a division point.
struct PointLabel {
  std::string text;
  double x = 0, y = 0;
};

struct DrawingBox {
  double min_x = 0, min_y = 0, max_x = 0, max_y = 0;
  bool Overlaps(const DrawingBox& other) const {
    return min_x <= other.max_x && other.min_x <= max_x && min_y <= other.max_y &&
           other.min_y <= max_y;
  }
};

// How the chord, the rise and the ordinates are drawn: in full, as the DXF
// and the overview show them, or as short ticks where they meet the arch
// and at the chord's ends, each with its value, as the full-size sheets
// print them, so that the sheets need follow the arch alone.
enum class GuideLines { Full, Ticks };

// The part drawn once, in millimetres, every length scaled from the typed
// unit here and nowhere else: the chord on the x axis with its midpoint at
// the origin, y up. The DXF, the full-size sheets and their assembly map all
// draw from this.
struct PartDrawing {
  std::vector<DrawnArc> arcs;
  std::vector<DrawnLine> lines;
  std::vector<DrawnPolyline> polylines;
  std::vector<LineLabel> labels;
  std::vector<PointLabel> numbers;
  // Marks at the centres that lie on the template, where they help to set
  // out and check the radii: an arc of more than a semicircle, the centres
  // on the springing line of a pointed or three-centred head.
  std::vector<PlanePoint> centres;
  DrawingBox extent;
  GuideLines guides = GuideLines::Full;
};

// Whether some of a line or an arc lies in the box.
bool Touches(const DrawnLine& line, const DrawingBox& box);
bool Touches(const DrawnArc& arc, const DrawingBox& box);

PartDrawing DrawPart(const ArcPart& part, const OutputFormat& format,
                     GuideLines guides = GuideLines::Full);

// The box around every arc, line and curve of a drawing.
DrawingBox ExtentOf(const PartDrawing& drawing);

}  // namespace segcalc
