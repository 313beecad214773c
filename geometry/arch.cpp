#include "geometry/arch.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "geometry/arch_chain.h"
#include "geometry/area.h"
#include "geometry/ordinates.h"

namespace segcalc {
namespace {

// s of the circle's point (x, y): its angle at the centre from the arc's
// middle, by atan2 so that the far side beyond a semicircle comes out right
// too, as a share of the whole angle. The centre lies R - H below the chord.
double CircleLengthTo(const ExactSegment& s, double x, double y) {
  const double from_middle = std::atan2(x, y + (s.radius - s.height));
  return s.arc * (0.5 + from_middle / Radians(s.angle));
}

ArchPoint CircleAbove(const ExactSegment& s, double x) {
  const double y = OrdinateAt(s, x);
  return {x, y, CircleLengthTo(s, x, y)};
}

}  // namespace

Arch Arch::OfSegment(const ExactSegment& segment) {
  Arch arch;
  arch.kind_ = Kind::Circle;
  arch.circle_ = segment;
  double start = 90 - segment.angle / 2;
  if (start < 0) start += 360;
  arch.single_ = {0, segment.height - segment.radius, segment.radius, start,
                  90 + segment.angle / 2};
  // One piece from s = 0: no table of where each piece starts.
  return arch;
}

Arch Arch::OfPieces(std::vector<ArcPiece> pieces, std::vector<bool> corners) {
  Arch arch;
  arch.kind_ = Kind::Chain;
  arch.pieces_ = std::move(pieces);
  arch.corners_ = std::move(corners);
  arch.corners_.resize(arch.pieces_.empty() ? 0 : arch.pieces_.size() - 1, false);
  arch.MeasurePieces();
  return arch;
}

Arch Arch::OfEllipse(const EllipseArc& curve, BendingArcs arcs) {
  Arch arch;
  arch.kind_ = Kind::Ellipse;
  arch.ellipse_ = curve;
  arch.pieces_ = std::move(arcs.pieces);
  arch.corners_.assign(arch.pieces_.empty() ? 0 : arch.pieces_.size() - 1, false);
  arch.bending_deviation_ = arcs.deviation;
  arch.MeasurePieces();
  return arch;
}

void Arch::MeasurePieces() {
  starts_.clear();
  double s = 0;
  for (const ArcPiece& piece : pieces_) {
    starts_.push_back(s);
    s += piece.Length();
  }
}

std::size_t Arch::PieceAt(double s) const {
  if (starts_.empty()) return 0;
  const auto after = std::upper_bound(starts_.begin(), starts_.end(), s);
  return after == starts_.begin() ? 0 : static_cast<std::size_t>(after - starts_.begin()) - 1;
}

PlanePoint Arch::LeftEnd() const {
  if (circle_) return {-circle_->chord / 2, 0};
  if (ellipse_) return ellipse_->PointAt(ellipse_->FirstParameter());
  return ChainLeftEnd(pieces_);
}

PlanePoint Arch::RightEnd() const {
  if (circle_) return {circle_->chord / 2, 0};
  if (ellipse_) return ellipse_->PointAt(ellipse_->LastParameter());
  return ChainRightEnd(pieces_);
}

double Arch::Top() const {
  if (circle_) return circle_->height;
  if (ellipse_) return ellipse_->b + ellipse_->offset;
  return ChainTop(pieces_);
}

double Arch::Length() const {
  if (circle_) return circle_->arc;
  if (ellipse_) return ellipse_->Length();
  return starts_.empty() ? 0 : starts_.back() + pieces_.back().Length();
}

ArchFrame Arch::At(double s) const {
  if (ellipse_) {
    const double t = ellipse_->ParameterAtLength(s);
    return {ellipse_->PointAt(t), ellipse_->NormalAt(t), 0, t};
  }
  const std::size_t i = PieceAt(s);
  const ArcPiece& piece = pieces()[i];
  const double degrees = piece.end_degrees - Degrees((s - StartOf(i)) / piece.radius);
  const double a = Radians(degrees);
  return {piece.PointAt(degrees), {std::cos(a), std::sin(a)}, i, degrees};
}

double Arch::LengthAtParameter(std::size_t piece, double parameter) const {
  if (ellipse_) return ellipse_->LengthTo(parameter);
  const ArcPiece& p = pieces()[piece];
  const double degrees = std::clamp(parameter, p.end_degrees - p.SweepDegrees(), p.end_degrees);
  return StartOf(piece) + p.radius * Radians(p.end_degrees - degrees);
}

PlanePoint Arch::PointAtParameter(std::size_t piece, double parameter) const {
  if (ellipse_) return ellipse_->PointAt(parameter);
  const ArcPiece& p = pieces()[piece];
  return p.PointAt(std::clamp(parameter, p.end_degrees - p.SweepDegrees(), p.end_degrees));
}

std::optional<ArchPoint> Arch::Above(double x) const {
  if (!(x > LeftEnd().x && x < RightEnd().x)) return std::nullopt;
  if (circle_) return CircleAbove(*circle_, x);
  if (ellipse_) {
    const std::vector<double> heights = ellipse_->HeightsAt(x);
    if (heights.empty()) return std::nullopt;
    return ArchPoint{x, heights.front(), ellipse_->LengthTo(ellipse_->ParameterAtX(x))};
  }
  return ChainAbove(pieces_, starts_, x);
}

std::optional<double> Arch::HeightAbove(double x) const {
  if (!(x > LeftEnd().x && x < RightEnd().x)) return std::nullopt;
  if (circle_) return OrdinateAt(*circle_, x);
  const std::optional<ArchPoint> point = Above(x);
  if (!point) return std::nullopt;
  return point->y;
}

ArchEnd Arch::OverEnd(bool left) const {
  const PlanePoint end = left ? LeftEnd() : RightEnd();
  const ArchPoint own{end.x, end.y, left ? 0.0 : Length()};
  if (!circle_ || !(circle_->angle > 180)) return {{own}, 1};
  const ArchPoint far = CircleAbove(*circle_, end.x);
  return left ? ArchEnd{{own, far}, 2} : ArchEnd{{far, own}, 2};
}

Checked<Arch> Arch::Parallel(double d) const {
  if (circle_) {
    const double radius = circle_->radius + d;
    if (!(radius > 0)) return Refused(ClosesUpMessage(1, circle_->radius, d));
    return Accepted(OfSegment(SegmentOfRadiusAndAngle(radius, circle_->angle)));
  }
  if (ellipse_) {
    EllipseArc curve = *ellipse_;
    curve.offset += d;
    if (!(curve.offset > -curve.TightestRadius())) {
      return Refused(EllipseFoldsMessage(curve.TightestRadius(), -curve.offset));
    }
    BendingArcs arcs{{}, bending_deviation_};
    for (const ArcPiece& piece : pieces_) arcs.pieces.push_back(piece.WithRadius(piece.radius + d));
    for (std::size_t i = 0; i < pieces_.size(); ++i) {
      if (!(arcs.pieces[i].radius > 0))
        return Refused(ClosesUpMessage(i + 1, pieces()[i].radius, d));
    }
    return Accepted(OfEllipse(curve, std::move(arcs)));
  }
  Checked<std::vector<ArcPiece>> pieces = ParallelChain(pieces_, corners_, d);
  if (!pieces.ok()) return Refused(pieces.error);
  return Accepted(OfPieces(std::move(*pieces.value), corners_));
}

double Arch::Area() const {
  if (circle_) return AreaOf(*circle_).segment;
  if (ellipse_) return ellipse_->Area();
  return ChainArea(pieces_);
}

}  // namespace segcalc
