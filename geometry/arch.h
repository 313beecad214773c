#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "geometry/arc_piece.h"
#include "geometry/bending_arcs.h"
#include "geometry/checked.h"
#include "geometry/ellipse_arc.h"
#include "geometry/exact_geometry.h"
#include "geometry/plane_point.h"

namespace segcalc {

// A point of an arch with s, its length along the arch from the left end.
struct ArchPoint {
  double x = 0.0;
  double y = 0.0;
  double s = 0.0;
};

// The arch over one end of its span: one point or two, kept without an
// allocation since every table asks for both ends.
struct ArchEnd {
  std::array<ArchPoint, 2> points{};
  std::size_t count = 0;

  const ArchPoint* begin() const { return points.data(); }
  const ArchPoint* end() const { return points.data() + count; }
};

// Where the arch is at a length s from its left end, with its outward unit
// normal; where on its own terms: the circular piece and the angle on it in
// degrees, or the ellipse's parameter. A parallel arch has a point at the
// same place, along the same normal.
struct ArchFrame {
  PlanePoint point;
  PlanePoint normal;
  std::size_t piece = 0;
  double parameter = 0.0;
};

// What every part, drawing and output of segcalc is built on: the head of an
// opening, standing on the springing line y = 0 from x = -S/2 to S/2 (a
// quarter head reaches its crown at one end). Three kinds:
// - a circle: one segment, its chord on y = 0 and its middle at x = 0; the
//   closed forms of the segment answer, so a flat arc keeps its digits;
// - a chain of circular pieces from left to right, each meeting the next,
//   tangent there unless the joint is a corner (a pointed apex);
// - the true half (or quarter) ellipse, or a parallel of it, with the
//   tangent-continuous arcs a bender rolls in its place.
class Arch {
 public:
  enum class Kind { Circle, Chain, Ellipse };

  static Arch OfSegment(const ExactSegment& segment);
  // corners[i] says whether pieces i and i + 1 meet at an angle.
  static Arch OfPieces(std::vector<ArcPiece> pieces, std::vector<bool> corners);
  static Arch OfEllipse(const EllipseArc& curve, BendingArcs arcs);

  Kind kind() const { return kind_; }
  const ExactSegment* circle() const { return circle_ ? &*circle_ : nullptr; }
  const EllipseArc* ellipse() const { return ellipse_ ? &*ellipse_ : nullptr; }
  // The circle's one piece, a chain's pieces, an ellipse's bending arcs.
  std::span<const ArcPiece> pieces() const {
    return circle_ ? std::span<const ArcPiece>(&single_, 1) : std::span<const ArcPiece>(pieces_);
  }
  bool CornerAfter(std::size_t piece) const { return corners_.at(piece); }
  // An ellipse's bending arcs' largest distance from it.
  double bending_deviation() const { return bending_deviation_; }

  PlanePoint LeftEnd() const;
  PlanePoint RightEnd() const;
  double Top() const;  // the greatest y
  double Length() const;
  ArchFrame At(double s) const;
  // The length from the left end to a place given as At gives it, on this
  // arch or on one of its parallels (its own ends where a corner cut it back).
  double LengthAtParameter(std::size_t piece, double parameter) const;
  // The point at a place given as At gives it.
  PlanePoint PointAtParameter(std::size_t piece, double parameter) const;
  // The arch's points above x, strictly between its ends: one, the top of a
  // convex head. (A circle beyond a semicircle has only its far side there.)
  std::optional<ArchPoint> Above(double x) const;
  // Only its height there, without the length along it.
  std::optional<double> HeightAbove(double x) const;
  // The arch over one end of its span, from the springing upwards: the end
  // itself, and above it the far side of a circle beyond a semicircle.
  ArchEnd OverEnd(bool left) const;
  // The parallel arch at distance d, outside when d > 0: a chain keeps its
  // centres, each radius d more, its corners moved to where the new pieces
  // meet. Refused where it closes up: a radius not above 0, a corner whose
  // pieces no longer meet, an ellipse's parallel folding over itself.
  Checked<Arch> Parallel(double d) const;
  // Between the arch and the springing line (a circle's chord).
  double Area() const;

 private:
  Kind kind_ = Kind::Circle;
  std::optional<ExactSegment> circle_;
  std::optional<EllipseArc> ellipse_;
  ArcPiece single_;  // a circle's piece: no allocation for the arch of every segment
  std::vector<ArcPiece> pieces_;
  std::vector<bool> corners_;
  std::vector<double> starts_;  // each piece's s at its left end
  double bending_deviation_ = 0.0;

  void MeasurePieces();
  std::size_t PieceAt(double s) const;
  double StartOf(std::size_t piece) const { return starts_.empty() ? 0.0 : starts_[piece]; }
};

}  // namespace segcalc
