#pragma once

#include <optional>
#include <string>
#include <vector>

#include "geometry/area.h"
#include "geometry/checked.h"
#include "geometry/divisions.h"
#include "geometry/exact_geometry.h"
#include "geometry/ordinates.h"
#include "geometry/profile.h"
#include "geometry/stations.h"

namespace segcalc {

// What the shop asks to have worked out from the exact circle. Whatever is
// absent is not worked out.
struct PartRequest {
  std::optional<double> ordinate_step;  // about ten stations when absent
  std::optional<ProfileRequest> profile = std::nullopt;
  // With a profile, on the profile's faces; refused with it when it is refused.
  std::optional<DivisionRequest> divisions = std::nullopt;
  std::optional<StationPlan> stations = std::nullopt;
  bool area = false;
};

// The exact circle and what is marked out and made from it; the report and
// the drawing show this, the same wherever the compute came from. Each part
// asked for is there, with its value or the reason it has none.
struct ArcPart {
  ExactSegment segment;
  double ordinate_step = 0;
  OrdinateTable ordinates;
  std::optional<SegmentArea> area;
  std::optional<Checked<ProfileBend>> profile;
  std::optional<Checked<Divisions>> divisions;
  std::optional<Checked<std::vector<Station>>> stations;

  // The reasons of the parts asked for and refused, in the order above.
  std::vector<std::string> Errors() const;
};

ArcPart MakePart(const ExactSegment& segment, const PartRequest& request);

}  // namespace segcalc
