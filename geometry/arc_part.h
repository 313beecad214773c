#pragma once

#include <optional>

#include "geometry/exact_geometry.h"
#include "geometry/ordinates.h"

namespace segcalc {

// What the shop asks to have worked out from the exact circle.
struct PartRequest {
  std::optional<double> ordinate_step;  // about ten stations when absent
};

// The exact circle and what is marked out and made from it; the report and
// the drawing show this, the same wherever the compute came from.
struct ArcPart {
  ExactSegment segment;
  double ordinate_step = 0;
  OrdinateTable ordinates;
};

ArcPart MakePart(const ExactSegment& segment, const PartRequest& request);

}  // namespace segcalc
