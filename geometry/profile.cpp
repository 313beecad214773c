#include "geometry/profile.h"

#include <cmath>
#include <string>

#include "calc/number_text.h"

namespace segcalc {
namespace {

bool FiniteSegment(const ExactSegment& s) {
  return std::isfinite(s.arc) && std::isfinite(s.chord) && std::isfinite(s.height) &&
         std::isfinite(s.radius) && std::isfinite(s.angle);
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

const ExactSegment& ProfileBend::Face(ProfileFace face) const {
  return FaceIn(*this, face);
}

Checked<ProfileBend> BendProfile(const ExactSegment& given, const ProfileRequest& request) {
  if (!FiniteSegment(given) || !(given.radius > 0)) return Refused("圆弧数据无效");
  const double depth = request.depth;
  if (!(std::isfinite(depth) && depth > 0)) return Refused("型材深度应为大于 0 的数");
  const double k = request.neutral_factor;
  if (!(k >= 0 && k <= 1)) return Refused("中性层系数 K 应在 0 到 1 之间");
  if (!NonNegative(request.tail_a) || !NonNegative(request.tail_b)) {
    return Refused("尾料长度应为不小于 0 的数");
  }
  if (!NonNegative(request.trim)) return Refused("切割余量应为不小于 0 的数");

  const double inner_radius = given.radius - InnerOffset(request.face, depth);
  if (!(inner_radius > 0)) {
    return Refused("型材深度 " + FormatNumber(depth, {}) + " 使内侧半径不大于 0(" +
                   std::string(FaceName(request.face)) + "半径为 " +
                   FormatNumber(given.radius, {}) + ")");
  }

  ProfileBend bend;
  bend.given_face = request.face;
  bend.depth = depth;
  bend.inner = SegmentOfRadiusAndAngle(inner_radius, given.angle);
  bend.centre = SegmentOfRadiusAndAngle(inner_radius + depth / 2, given.angle);
  bend.outer = SegmentOfRadiusAndAngle(inner_radius + depth, given.angle);
  FaceIn(bend, request.face) = given;

  bend.neutral_factor = k;
  bend.neutral_radius = inner_radius + k * depth;
  bend.neutral_arc = bend.neutral_radius * Radians(given.angle);
  bend.tail_a = request.tail_a;
  bend.tail_b = request.tail_b;
  bend.trim = request.trim;
  bend.cut_length = bend.neutral_arc + bend.tail_a + bend.tail_b + bend.trim;
  if (!FiniteSegment(bend.outer) || !std::isfinite(bend.cut_length)) {
    return Refused("数值超出可计算的范围");
  }
  return Accepted(bend);
}

}  // namespace segcalc
