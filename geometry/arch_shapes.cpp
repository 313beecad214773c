#include "geometry/arch_shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "geometry/head_halves.h"

namespace segcalc {
namespace {

constexpr double kPi = std::numbers::pi;

struct ShapeWords {
  ArchShape shape;
  std::string_view key;
  std::string_view name;
};

constexpr ShapeWords kShapes[] = {{ArchShape::Segment, "segment", "弓形"},
                                  {ArchShape::Semicircle, "semicircle", "半圆"},
                                  {ArchShape::Pointed, "pointed", "尖拱"},
                                  {ArchShape::ThreeCentred, "three-centred", "三心拱"},
                                  {ArchShape::Ellipse, "ellipse", "椭圆"}};

bool PositiveLength(const std::optional<double>& value) {
  return value && std::isfinite(*value) && *value > 0;
}

std::string Unwanted(std::string_view what, ArchShape shape) {
  return std::string(ShapeName(shape)) + "不需要" + std::string(what);
}

// Which of the optional values the shape takes; the rest must be absent.
std::string CheckGiven(const HeadRequest& r) {
  const ArchShape s = r.shape;
  if (!PositiveLength(r.span)) return "跨度应为大于 0 的数";
  if (s == ArchShape::Semicircle && r.rise) return "半圆的拱高为跨度之半,不另给拱高";
  if (s == ArchShape::Pointed) {
    if (r.rise.has_value() == r.radius.has_value()) return "尖拱应给出拱高或半径,二者只给其一";
  } else if (s != ArchShape::Semicircle && !r.rise) {
    return std::string(ShapeName(s)) + "需要拱高";
  }
  if (r.rise && !PositiveLength(r.rise)) return "拱高应为大于 0 的数";
  if (r.radius && s != ArchShape::Pointed) return Unwanted("半径", s);
  if (r.radius && !PositiveLength(r.radius)) return "半径应为大于 0 的数";
  if (r.small_radius && s != ArchShape::ThreeCentred) return Unwanted("小圆半径", s);
  if ((r.bend_arcs || r.bend_tolerance) && s != ArchShape::Ellipse) {
    return Unwanted("弯弧段数或弯弧允许偏差", s);
  }
  if (r.legs && !(std::isfinite(r.legs->left) && r.legs->left >= 0 &&
                  std::isfinite(r.legs->right) && r.legs->right >= 0)) {
    return "腿长应为不小于 0 的数";
  }
  return {};
}

// With a quarter the span given is the quarter's: the whole head's is twice it.
double WholeSpan(const HeadRequest& r) {
  return r.quarter ? 2 * *r.span : *r.span;
}

Checked<HalfHead> RightHalf(const HeadRequest& r) {
  const double a = WholeSpan(r) / 2;
  switch (r.shape) {
    case ArchShape::Segment:
      return SegmentHalf(a, *r.rise);
    case ArchShape::Semicircle:
      return Accepted(SemicircleHalf(a));
    case ArchShape::Pointed:
      return r.rise ? PointedHalfOfRise(a, *r.rise) : PointedHalfOfRadius(a, *r.radius);
    case ArchShape::ThreeCentred:
      return ThreeCentredHalf(a, *r.rise, r.small_radius);
    case ArchShape::Ellipse:
      break;
  }
  return Refused("拱形无效");
}

Checked<Arch> EllipseHead(const HeadRequest& r) {
  EllipseArc curve{WholeSpan(r) / 2, *r.rise, 0, EllipseSpan::Half, 0};
  if (r.quarter) {
    const bool left = *r.quarter == QuarterSide::Left;
    curve.span = left ? EllipseSpan::LeftQuarter : EllipseSpan::RightQuarter;
    curve.shift = (left ? 1 : -1) * *r.span / 2;
  }
  Checked<BendingArcs> arcs =
      r.bend_arcs ? BendEllipse(curve, *r.bend_arcs)
                  : FewestBendingArcs(curve, r.bend_tolerance.value_or(0.5 * r.millimetre));
  if (!arcs.ok()) return Refused(arcs.error);
  return Accepted(Arch::OfEllipse(curve, std::move(*arcs.value)));
}

Checked<Arch> HeadArch(const HeadRequest& r) {
  if (r.shape == ArchShape::Ellipse) return EllipseHead(r);
  if (!r.quarter && r.shape == ArchShape::Semicircle) {
    const double radius = *r.span / 2;
    return Accepted(Arch::OfSegment({kPi * radius, *r.span, radius, radius, 180}));
  }
  if (!r.quarter && r.shape == ArchShape::Segment) {
    const ExactChoice circle = ChooseExact(
        SolveExact(Quantity::Chord, *r.span, Quantity::Height, *r.rise), SolveMode::MinorArc);
    if (!circle.segment) return Refused(circle.reason);
    return Accepted(Arch::OfSegment(*circle.segment));
  }
  Checked<HalfHead> half = RightHalf(r);
  if (!half.ok()) return Refused(half.error);
  if (!r.quarter) return Accepted(WholeHead(*half.value));
  return Accepted(QuarterHead(*half.value, *r.quarter == QuarterSide::Left, *r.span));
}

}  // namespace

std::string_view ShapeName(ArchShape shape) {
  for (const ShapeWords& words : kShapes) {
    if (words.shape == shape) return words.name;
  }
  return "";
}

std::string_view ShapeKey(ArchShape shape) {
  for (const ShapeWords& words : kShapes) {
    if (words.shape == shape) return words.key;
  }
  return "";
}

std::optional<ArchShape> ShapeOf(std::string_view text) {
  if (text == "three-centered" || text == "basket" || text == "三心")
    return ArchShape::ThreeCentred;
  if (text == "半圆拱" || text == "圆拱") return ArchShape::Semicircle;
  if (text == "椭圆拱") return ArchShape::Ellipse;
  if (text == "弓形拱" || text == "弧形") return ArchShape::Segment;
  for (const ShapeWords& words : kShapes) {
    if (text == words.key || text == words.name) return words.shape;
  }
  return std::nullopt;
}

std::string ArchHead::Name() const {
  if (!quarter) return std::string(ShapeName(shape));
  const std::string side = *quarter == QuarterSide::Left ? "(左)" : "(右)";
  switch (shape) {
    case ArchShape::Semicircle:
      return "四分之一圆" + side;
    case ArchShape::Ellipse:
      return "四分之一椭圆" + side;
    default:
      return "半个" + std::string(ShapeName(shape)) + side;
  }
}

double ArchHead::Span() const {
  return arch.RightEnd().x - arch.LeftEnd().x;
}

double ArchHead::Rise() const {
  return arch.Top() - std::min(arch.LeftEnd().y, arch.RightEnd().y);
}

double ArchHead::LeftLeg() const {
  return legs ? legs->left + arch.LeftEnd().y : 0.0;
}

double ArchHead::RightLeg() const {
  return legs ? legs->right + arch.RightEnd().y : 0.0;
}

double ArchHead::TotalHeight() const {
  return arch.Top() + (legs ? std::max(legs->left, legs->right) : 0.0);
}

double ArchHead::OpeningArea() const {
  const double below = legs ? Span() * (legs->left + legs->right) / 2 : 0.0;
  return arch.Area() + below;
}

namespace {

// Whether each circular piece begins where the one before it ends, as near
// as the head's size lets doubles tell: a very slender ellipse's bending arcs
// can miss each other.
bool PiecesMeet(const ArchHead& head) {
  const auto pieces = head.arch.pieces();
  const double tolerance = 1e-6 * (head.Span() + head.Rise());
  for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
    const PlanePoint p = pieces[i].RightEnd(), q = pieces[i + 1].LeftEnd();
    if (!(std::hypot(p.x - q.x, p.y - q.y) <= tolerance)) return false;
  }
  return true;
}

}  // namespace

Checked<ArchHead> MakeHead(const HeadRequest& request) {
  if (const std::string problem = CheckGiven(request); !problem.empty()) return Refused(problem);
  Checked<Arch> arch = HeadArch(request);
  if (!arch.ok()) return Refused(arch.error);
  ArchHead head{request.shape, true, request.quarter, request.legs, std::move(*arch.value)};
  // Sizes far enough apart (a span of 1e-320 under a rise of 70, a rise of
  // 1e-27 over a span of 4800) leave a radius beyond what a double holds or an
  // arc too short to sweep, and a very slender ellipse bending arcs that miss
  // each other: no such head is drawn. A curve between two points is no
  // shorter than the straight line, the span.
  const double span = head.Span(), length = head.arch.Length();
  if (!(std::isfinite(span) && span > 0 && std::isfinite(head.Rise()) && head.Rise() > 0 &&
        std::isfinite(length) && length >= span * (1 - 1e-9) && std::isfinite(head.arch.Area()) &&
        PiecesMeet(head))) {
    return Refused("跨度与拱高相差太悬殊,无法算出" + std::string(ShapeName(request.shape)));
  }
  return Accepted(std::move(head));
}

ArchHead SegmentHead(const ExactSegment& segment) {
  return {ArchShape::Segment, false, std::nullopt, std::nullopt, Arch::OfSegment(segment)};
}

}  // namespace segcalc
