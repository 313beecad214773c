#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "geometry/arch.h"
#include "geometry/checked.h"
#include "geometry/exact_geometry.h"

namespace segcalc {

// The heads window and door makers build. All but the ellipse are chains of
// circular arcs.
enum class ArchShape { Segment, Semicircle, Pointed, ThreeCentred, Ellipse };

std::string_view ShapeName(ArchShape shape);  // 弓形, 半圆, 尖拱, 三心拱, 椭圆
std::string_view ShapeKey(ArchShape shape);   // segment, semicircle, pointed, ...
// By its key or its Chinese name; three-centered and basket are taken too.
std::optional<ArchShape> ShapeOf(std::string_view text);

enum class QuarterSide { Left, Right };

// Straight sides under the springing line: each one's length down to the sill.
struct Legs {
  double left = 0.0;
  double right = 0.0;
};

// A head as the shop gives it; every length is on the face the measurements
// describe. With a quarter the span is the quarter's own width, the half of
// the symmetric head it is taken from.
struct HeadRequest {
  ArchShape shape = ArchShape::Segment;
  std::optional<double> span;
  std::optional<double> rise;
  std::optional<double> radius;          // pointed: instead of the rise
  std::optional<double> small_radius;    // three-centred: instead of the classical one
  std::optional<std::size_t> bend_arcs;  // ellipse: the bending arcs' count
  std::optional<double> bend_tolerance;  // ellipse: else the fewest within this
  double millimetre = 1.0;  // in the unit of the lengths: the tolerance is 0.5 mm unless given
  std::optional<QuarterSide> quarter;
  std::optional<Legs> legs;
};

// The head worked out: what it is, and its arch on the given face.
struct ArchHead {
  ArchShape shape = ArchShape::Segment;
  // Named by the user (--shape): its outputs say what the head is; a
  // segment solved from the calculator's quantities is not.
  bool named = false;
  std::optional<QuarterSide> quarter;
  std::optional<Legs> legs;
  Arch arch;

  // 弓形, 尖拱, 四分之一椭圆(左), ...
  std::string Name() const;
  double Span() const;
  double Rise() const;
  // The legs' lengths: a quarter's jamb under its crown reaches up to it.
  double LeftLeg() const;
  double RightLeg() const;
  double TotalHeight() const;
  // The arch's area, and the straight part below it down to the sill.
  double OpeningArea() const;
};

// Refuses what gives no head: lengths that are not numbers above 0, a
// pointed arch no taller than half its span, a three-centred one not lower,
// a small radius that admits no large one, legs below 0, a quarter of a
// segment beyond a semicircle.
Checked<ArchHead> MakeHead(const HeadRequest& request);

// Today's head: the segment of the exact circle.
ArchHead SegmentHead(const ExactSegment& segment);

}  // namespace segcalc
