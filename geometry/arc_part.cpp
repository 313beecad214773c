#include "geometry/arc_part.h"

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

ArcPart MakePart(const ExactSegment& segment, const PartRequest& request) {
  ArcPart part;
  part.segment = segment;
  part.ordinate_step = request.ordinate_step.value_or(DefaultOrdinateStep(segment.chord));
  part.ordinates = Ordinates(segment, part.ordinate_step);
  if (request.area) part.area = AreaOf(segment);
  if (request.profile) part.profile = BendProfile(segment, *request.profile);
  if (request.divisions) {
    if (!part.profile) {
      part.divisions = Divide(segment, *request.divisions);
    } else if (part.profile->ok()) {
      part.divisions = Divide(*part.profile->value, *request.divisions);
    } else {
      part.divisions = Refused("型材参数有误,未分段:" + part.profile->error);
    }
  }
  if (request.stations) part.stations = Stations(segment, *request.stations);
  return part;
}

}  // namespace segcalc
