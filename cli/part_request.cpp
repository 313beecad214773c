#include "cli/part_request.h"

#include "geometry/option_numbers.h"
#include "geometry/station_text.h"

namespace segcalc {
namespace {

// A number given to an option, or the reason it is none.
Checked<double> OptionValue(const char* name, const std::string& text,
                            const NumberSeparators& separators) {
  const NumberReading reading = StrictNumber(text, separators);
  if (!reading.ok()) return Refused(std::string(name) + " 的值不是有效的数字");
  return Accepted(reading.value);
}

std::string Named(const char* name, const std::string& reason) {
  return std::string(name) + ": " + reason;
}

std::optional<ProfileFace> FaceOf(const std::string& text) {
  if (text == "inner") return ProfileFace::Inner;
  if (text == "centre" || text == "center") return ProfileFace::Centre;
  if (text == "outer") return ProfileFace::Outer;
  return std::nullopt;
}

Checked<ProfileRequest> ReadProfile(const ShopOptions& shop, const NumberSeparators& separators,
                                    const PartOptionNames& names) {
  ProfileRequest profile;
  const Checked<double> depth = OptionValue(names.profile, *shop.profile_depth, separators);
  if (!depth.ok()) return Refused(depth.error);
  profile.depth = *depth.value;
  const std::optional<ProfileFace> face = FaceOf(shop.face.value_or(""));
  if (!face) return Refused(std::string(names.face) + " 只能是 inner,centre 或 outer");
  profile.face = *face;
  if (shop.neutral) {
    const Checked<double> k = OptionValue(names.neutral, *shop.neutral, separators);
    if (!k.ok()) return Refused(k.error);
    profile.neutral_factor = *k.value;
  }
  if (shop.tails) {
    const Checked<Tails> tails = ReadTails(*shop.tails);
    if (!tails.ok()) return Refused(Named(names.tails, tails.error));
    profile.tail_a = tails.value->a;
    profile.tail_b = tails.value->b;
  }
  if (shop.trim) {
    const Checked<double> trim = OptionValue(names.trim, *shop.trim, separators);
    if (!trim.ok()) return Refused(trim.error);
    profile.trim = *trim.value;
  }
  return Accepted(profile);
}

}  // namespace

Checked<PartRequest> ReadPartRequest(const ShopOptions& shop, const NumberSeparators& separators,
                                     const PartOptionNames& names) {
  PartRequest request;
  if (shop.ordinate_step) {
    const Checked<double> step = OptionValue(names.ordinates, *shop.ordinate_step, separators);
    if (!step.ok()) return Refused(step.error);
    request.ordinate_step = step.value;
  }
  if (shop.profile_depth) {
    Checked<ProfileRequest> profile = ReadProfile(shop, separators, names);
    if (!profile.ok()) return Refused(profile.error);
    request.profile = profile.value;
  }
  const struct {
    const char* name;
    const std::optional<std::string>& text;
    DivisionRule rule;
  } divisions[] = {{names.pieces, shop.pieces, DivisionRule::Count},
                   {names.max_deviation, shop.max_deviation, DivisionRule::MaxDeviation},
                   {names.max_panel, shop.max_panel, DivisionRule::MaxPieceChord}};
  for (const auto& division : divisions) {
    if (!division.text) continue;
    const Checked<double> value = OptionValue(division.name, *division.text, separators);
    if (!value.ok()) return Refused(value.error);
    request.divisions = DivisionRequest{division.rule, *value.value};
  }
  request.area = shop.area;
  if (shop.stations) {
    Checked<StationPlan> plan = ReadStationPlan(*shop.stations);
    if (!plan.ok()) return Refused(Named(names.stations, plan.error));
    request.stations = std::move(plan.value);
  }
  return Accepted(std::move(request));
}

}  // namespace segcalc
