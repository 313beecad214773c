#include "geometry/arc_part.h"

#include <utility>

namespace segcalc {

std::vector<std::string> ArcPart::Errors() const {
  std::vector<std::string> errors;
  if (!ordinates.error.empty()) errors.push_back(ordinates.error);
  const auto add = [&errors](const auto& part) {
    if (part && !part->ok()) errors.push_back(part->error);
  };
  add(profile);
  add(divisions);
  add(stations);
  return errors;
}

ArcPart MakePart(ArchHead head, const PartRequest& request) {
  ArcPart part;
  part.head = std::move(head);
  const Arch& arch = part.head.arch;
  const double span = part.head.Span();
  part.ordinate_step = request.ordinate_step.value_or(DefaultOrdinateStep(span));
  part.ordinates = Ordinates(arch, part.ordinate_step);
  if (request.area) {
    part.area = arch.circle() ? AreaOf(*arch.circle())
                              : SegmentArea{arch.Area(), 0.0, arch.Length() + span};
  }
  if (request.profile) part.profile = BendProfile(arch, *request.profile);
  if (request.divisions) {
    if (!part.profile) {
      part.divisions = Divide(arch, *request.divisions);
    } else if (part.profile->ok()) {
      part.divisions = Divide(*part.profile->value, *request.divisions);
    } else {
      part.divisions = Refused("型材参数有误,未分段:" + part.profile->error);
    }
  }
  if (request.stations) part.stations = Stations(arch, *request.stations);
  return part;
}

ArcPart MakePart(const ExactSegment& segment, const PartRequest& request) {
  return MakePart(SegmentHead(segment), request);
}

}  // namespace segcalc
