#include "cli/part_request.h"

#include <cmath>

#include "geometry/bending_arcs.h"
#include "geometry/option_numbers.h"
#include "geometry/station_text.h"
#include "shopfloor/length_unit.h"

namespace segcalc {
namespace {

using S = ShopOptions;

std::string Name(std::optional<std::string> ShopOptions::*member, OptionVoice voice) {
  return OptionName(RowOf(member), voice);
}

// A number given to an option, or the reason it is none.
Checked<double> OptionValue(std::optional<std::string> ShopOptions::*member,
                            const std::string& text, const NumberSeparators& separators,
                            OptionVoice voice) {
  const NumberReading reading = StrictNumber(text, separators);
  if (!reading.ok()) return Refused(Name(member, voice) + " 的值不是有效的数字");
  return Accepted(reading.value);
}

// The value of an option that may be absent.
Checked<std::optional<double>> MaybeValue(const ShopOptions& shop,
                                          std::optional<std::string> ShopOptions::*member,
                                          const NumberSeparators& separators, OptionVoice voice) {
  if (!(shop.*member)) return Accepted(std::optional<double>());
  const Checked<double> value = OptionValue(member, *(shop.*member), separators, voice);
  if (!value.ok()) return Refused(value.error);
  return Accepted(std::optional<double>(*value.value));
}

std::string Named(std::optional<std::string> ShopOptions::*member, OptionVoice voice,
                  const std::string& reason) {
  return Name(member, voice) + ": " + reason;
}

Checked<ProfileRequest> ReadProfile(const ShopOptions& shop, const NumberSeparators& separators,
                                    OptionVoice voice) {
  ProfileRequest profile;
  const Checked<double> depth =
      OptionValue(&S::profile_depth, *shop.profile_depth, separators, voice);
  if (!depth.ok()) return Refused(depth.error);
  profile.depth = *depth.value;
  const std::optional<ProfileFace> face = FaceOf(shop.face.value_or(""));
  if (!face)
    return Refused(Name(&S::face, voice) + " 只能是 inner,centre 或 outer(内侧,中心线,外侧)");
  profile.face = *face;
  const Checked<std::optional<double>> k = MaybeValue(shop, &S::neutral, separators, voice);
  if (!k.ok()) return Refused(k.error);
  profile.neutral_factor = k.value->value_or(profile.neutral_factor);
  if (shop.tails) {
    const Checked<Tails> tails = ReadTails(*shop.tails);
    if (!tails.ok()) return Refused(Named(&S::tails, voice, tails.error));
    profile.tail_a = tails.value->a;
    profile.tail_b = tails.value->b;
  }
  const Checked<std::optional<double>> trim = MaybeValue(shop, &S::trim, separators, voice);
  if (!trim.ok()) return Refused(trim.error);
  profile.trim = trim.value->value_or(0);
  return Accepted(profile);
}

std::optional<QuarterSide> QuarterOf(std::string_view text) {
  if (text == "left" || text == "左" || text == "左半") return QuarterSide::Left;
  if (text == "right" || text == "右" || text == "右半") return QuarterSide::Right;
  return std::nullopt;
}

// A length given either way, never both.
Checked<std::optional<double>> EitherLength(const ShopOptions& shop,
                                            std::optional<std::string> ShopOptions::*member,
                                            const std::string& other_text, const char* other_name,
                                            const NumberSeparators& separators, OptionVoice voice) {
  if ((shop.*member) && !other_text.empty()) {
    return Refused(Name(member, voice) + " 与 " + other_name + " 只能给出其中一个");
  }
  if (shop.*member) return MaybeValue(shop, member, separators, voice);
  if (other_text.empty()) return Accepted(std::optional<double>());
  const NumberReading reading = StrictNumber(other_text, separators);
  if (!reading.ok()) return Refused(std::string(other_name) + " 的值不是有效的数字");
  return Accepted(std::optional<double>(reading.value));
}

}  // namespace

std::optional<ProfileFace> FaceOf(std::string_view text) {
  if (text == "inner" || text == "内侧" || text == "内") return ProfileFace::Inner;
  if (text == "centre" || text == "center" || text == "中心线" || text == "中") {
    return ProfileFace::Centre;
  }
  if (text == "outer" || text == "外侧" || text == "外") return ProfileFace::Outer;
  return std::nullopt;
}

Checked<PartRequest> ReadPartRequest(const ShopOptions& shop, const NumberSeparators& separators,
                                     OptionVoice voice) {
  PartRequest request;
  const Checked<std::optional<double>> step =
      MaybeValue(shop, &S::ordinate_step, separators, voice);
  if (!step.ok()) return Refused(step.error);
  request.ordinate_step = *step.value;
  if (shop.profile_depth) {
    Checked<ProfileRequest> profile = ReadProfile(shop, separators, voice);
    if (!profile.ok()) return Refused(profile.error);
    request.profile = profile.value;
  }
  const struct {
    std::optional<std::string> ShopOptions::*member;
    DivisionRule rule;
  } divisions[] = {{&S::pieces, DivisionRule::Count},
                   {&S::max_deviation, DivisionRule::MaxDeviation},
                   {&S::max_panel, DivisionRule::MaxPieceChord}};
  for (const auto& division : divisions) {
    if (!(shop.*division.member)) continue;
    const Checked<double> value =
        OptionValue(division.member, *(shop.*division.member), separators, voice);
    if (!value.ok()) return Refused(value.error);
    request.divisions = DivisionRequest{division.rule, *value.value};
  }
  request.area = shop.area;
  if (shop.stations) {
    Checked<StationPlan> plan = ReadStationPlan(*shop.stations);
    if (!plan.ok()) return Refused(Named(&S::stations, voice, plan.error));
    request.stations = std::move(plan.value);
  }
  return Accepted(std::move(request));
}

Checked<HeadRequest> ReadHeadRequest(const ShopOptions& shop, const HeadTexts& texts,
                                     const NumberSeparators& separators, OptionVoice voice) {
  HeadRequest head;
  const std::optional<ArchShape> shape = ShapeOf(shop.shape.value_or(""));
  if (!shape) {
    return Refused(Name(&S::shape, voice) +
                   " 只能是 segment,semicircle,pointed,three-centred 或 ellipse"
                   "(弓形,半圆,尖拱,三心拱,椭圆)");
  }
  head.shape = *shape;
  const bool cli = voice == OptionVoice::Cli;
  const Checked<std::optional<double>> span =
      EitherLength(shop, &S::span, texts.span, cli ? "--chord" : "弦长", separators, voice);
  if (!span.ok()) return Refused(span.error);
  const Checked<std::optional<double>> rise =
      EitherLength(shop, &S::rise, texts.rise, cli ? "--height" : "弦高", separators, voice);
  if (!rise.ok()) return Refused(rise.error);
  head.span = *span.value;
  head.rise = *rise.value;
  for (const auto& [member, target] :
       {std::pair{&S::radius, &head.radius}, std::pair{&S::small_radius, &head.small_radius},
        std::pair{&S::bend_tolerance, &head.bend_tolerance}}) {
    const Checked<std::optional<double>> value = MaybeValue(shop, member, separators, voice);
    if (!value.ok()) return Refused(value.error);
    *target = *value.value;
  }
  if (shop.bend_arcs) {
    const Checked<double> count = ReadOptionNumber(*shop.bend_arcs);
    if (!count.ok() || !(*count.value >= 1 && *count.value <= kMaxBendingArcs) ||
        *count.value != std::floor(*count.value)) {
      return Refused(Name(&S::bend_arcs, voice) + " 应为 1 到 " + std::to_string(kMaxBendingArcs) +
                     " 之间的整数");
    }
    head.bend_arcs = static_cast<std::size_t>(*count.value);
  }
  if (shop.legs) {
    const Checked<std::vector<double>> legs = ReadOptionList(*shop.legs, 2);
    if (!legs.ok()) return Refused(Named(&S::legs, voice, legs.error));
    head.legs = Legs{legs.value->front(), legs.value->back()};
  }
  if (shop.quarter) {
    head.quarter = QuarterOf(*shop.quarter);
    if (!head.quarter) return Refused(Name(&S::quarter, voice) + " 只能是 left 或 right(左,右)");
  }
  head.millimetre = 1 / MillimetresPer(shop.unit);
  return Accepted(head);
}

Checked<SheetSetup> ReadSheetSetup(const ShopOptions& shop, OptionVoice voice) {
  SheetSetup setup;
  setup.full_lines = shop.full_lines;
  if (shop.paper) {
    const std::optional<SheetPaper> paper = ParsePaper(*shop.paper);
    if (!paper) return Refused(Name(&S::paper, voice) + " " + kPaperChoices);
    setup.paper = *paper;
  }
  return Accepted(setup);
}

}  // namespace segcalc
