#pragma once

#include <optional>
#include <string>
#include <vector>

#include "geometry/arch_shapes.h"
#include "geometry/area.h"
#include "geometry/checked.h"
#include "geometry/divisions.h"
#include "geometry/exact_geometry.h"
#include "geometry/ordinates.h"
#include "geometry/profile.h"
#include "geometry/stations.h"

namespace segcalc {

// What the shop asks to have worked out from the head. Whatever is absent is
// not worked out.
struct PartRequest {
  std::optional<double> ordinate_step;  // about ten stations when absent
  std::optional<ProfileRequest> profile = std::nullopt;
  // With a profile, on the profile's faces; refused with it when it is refused.
  std::optional<DivisionRequest> divisions = std::nullopt;
  std::optional<StationPlan> stations = std::nullopt;
  bool area = false;
};

// The head (the exact circle of a segment, or any other shape) and what is
// marked out and made from it; the report and the drawing show this, the
// same wherever the compute came from. Each part asked for is there, with its
// value or the reason it has none.
struct ArcPart {
  ArchHead head;
  double ordinate_step = 0;
  OrdinateTable ordinates;
  // A segment's 弓形面积, 扇形面积 and 周长; any other head's area under it
  // (no sector) and its length plus its span.
  std::optional<SegmentArea> area;
  std::optional<Checked<ProfileBend>> profile;
  std::optional<Checked<Divisions>> divisions;
  std::optional<Checked<std::vector<Station>>> stations;

  // The segment's circle; null for any other head.
  const ExactSegment* circle() const { return head.arch.circle(); }
  const Arch& arch() const { return head.arch; }
  // The reasons of the parts asked for and refused, in the order above.
  std::vector<std::string> Errors() const;
};

ArcPart MakePart(ArchHead head, const PartRequest& request);
ArcPart MakePart(const ExactSegment& segment, const PartRequest& request);

}  // namespace segcalc
