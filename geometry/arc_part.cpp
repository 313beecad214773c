#include "geometry/arc_part.h"

namespace segcalc {

ArcPart MakePart(const ExactSegment& segment, const PartRequest& request) {
  ArcPart part;
  part.segment = segment;
  part.ordinate_step = request.ordinate_step.value_or(DefaultOrdinateStep(segment.chord));
  part.ordinates = Ordinates(segment, part.ordinate_step);
  return part;
}

}  // namespace segcalc
