#include "geometry/profile.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "calc/number_text.h"

namespace segcalc {
namespace {

bool FiniteSegment(const ExactSegment& s) {
  return std::isfinite(s.arc) && std::isfinite(s.chord) && std::isfinite(s.height) &&
         std::isfinite(s.radius) && std::isfinite(s.angle);
}

bool Usable(const Arch& arch) {
  if (const ExactSegment* circle = arch.circle()) {
    return FiniteSegment(*circle) && circle->radius > 0;
  }
  const double length = arch.Length();
  return std::isfinite(length) && length > 0;
}

bool NonNegative(double value) {
  return std::isfinite(value) && value >= 0;
}

// How far inside the given face the inner face lies.
double InnerOffset(ProfileFace face, double depth) {
  switch (face) {
    case ProfileFace::Inner:
      return 0;
    case ProfileFace::Centre:
      return depth / 2;
    case ProfileFace::Outer:
      return depth;
  }
  return 0;
}

// One face of a bend, as it is or to be filled in.
template <typename Bend>
auto& FaceIn(Bend& bend, ProfileFace face) {
  switch (face) {
    case ProfileFace::Inner:
      return bend.inner;
    case ProfileFace::Centre:
      return bend.centre;
    case ProfileFace::Outer:
      return bend.outer;
  }
  return bend.inner;
}

std::string NoInnerFace(const Arch& given, const ProfileRequest& request, const std::string& why) {
  const std::string depth = "型材深度 " + FormatNumber(request.depth, {});
  if (const ExactSegment* circle = given.circle()) {
    return depth + " 使内侧半径不大于 0(" + std::string(FaceName(request.face)) + "半径为 " +
           FormatNumber(circle->radius, {}) + ")";
  }
  return depth + " 时内侧无法成形:" + why;
}

// Where each radius of the neutral layer begins and ends along the cut bar;
// nothing to set where the whole head has one radius (a pointed arch's two
// pieces are bent alike).
std::vector<BendStretch> Program(const ProfileBend& bend) {
  std::vector<BendStretch> program;
  const std::span<const ArcPiece> pieces = bend.neutral.pieces();
  const bool one_radius = std::all_of(pieces.begin(), pieces.end(), [&](const ArcPiece& piece) {
    return piece.radius == pieces.front().radius;
  });
  if (one_radius) return program;
  double at = bend.trim / 2 + bend.tail_a;
  for (const ArcPiece& piece : bend.neutral.pieces()) {
    const double to = at + piece.Length();
    program.push_back({piece.radius, at, to});
    at = to;
  }
  return program;
}

}  // namespace

std::string_view FaceName(ProfileFace face) {
  switch (face) {
    case ProfileFace::Inner:
      return "内侧";
    case ProfileFace::Centre:
      return "中心线";
    case ProfileFace::Outer:
      return "外侧";
  }
  return "";
}

const Arch& ProfileBend::Face(ProfileFace face) const {
  return FaceIn(*this, face);
}

Checked<ProfileBend> BendProfile(const Arch& given, const ProfileRequest& request) {
  if (!Usable(given)) return Refused("圆弧数据无效");
  const double depth = request.depth;
  if (!(std::isfinite(depth) && depth > 0)) return Refused("型材深度应为大于 0 的数");
  const double k = request.neutral_factor;
  if (!(k >= 0 && k <= 1)) return Refused("中性层系数 K 应在 0 到 1 之间");
  if (!NonNegative(request.tail_a) || !NonNegative(request.tail_b)) {
    return Refused("尾料长度应为不小于 0 的数");
  }
  if (!NonNegative(request.trim)) return Refused("切割余量应为不小于 0 的数");

  // Every face from the inner one, so that each is the same distance from it
  // whichever face was measured.
  Checked<Arch> inner = given.Parallel(-InnerOffset(request.face, depth));
  if (!inner.ok()) return Refused(NoInnerFace(given, request, inner.error));
  Checked<Arch> centre = inner.value->Parallel(depth / 2);
  Checked<Arch> outer = inner.value->Parallel(depth);
  Checked<Arch> neutral = inner.value->Parallel(k * depth);
  if (!centre.ok() || !outer.ok() || !neutral.ok()) return Refused("数值超出可计算的范围");

  ProfileBend bend;
  bend.given_face = request.face;
  bend.depth = depth;
  bend.inner = std::move(*inner.value);
  bend.centre = std::move(*centre.value);
  bend.outer = std::move(*outer.value);
  FaceIn(bend, request.face) = given;

  bend.neutral_factor = k;
  bend.neutral = std::move(*neutral.value);
  bend.neutral_arc = bend.neutral.Length();
  // An ellipse is bent in circular arcs: the bar keeps their length, which
  // the cut length and the bender's program must agree on.
  if (bend.neutral.ellipse()) {
    bend.neutral_arc = 0;
    for (const ArcPiece& piece : bend.neutral.pieces()) bend.neutral_arc += piece.Length();
  }
  bend.tail_a = request.tail_a;
  bend.tail_b = request.tail_b;
  bend.trim = request.trim;
  bend.cut_length = bend.neutral_arc + bend.tail_a + bend.tail_b + bend.trim;
  if (!Usable(bend.outer) || !std::isfinite(bend.cut_length)) {
    return Refused("数值超出可计算的范围");
  }
  bend.program = Program(bend);
  return Accepted(std::move(bend));
}

Checked<ProfileBend> BendProfile(const ExactSegment& given, const ProfileRequest& request) {
  return BendProfile(Arch::OfSegment(given), request);
}

}  // namespace segcalc
