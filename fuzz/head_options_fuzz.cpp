// The head's options on any bytes, one a line: shape, span, rise, radius,
// small radius, legs, quarter, bending arcs, bending tolerance. Whatever they
// hold, a head is refused with a reason or stands on its span with its rise,
// its pieces meeting; and its part (a profile, divisions) is made or refused.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "cli/part_request.h"
#include "fuzz/fuzz_check.h"
#include "geometry/arc_part.h"

using namespace segcalc;

namespace {

std::optional<std::string> Line(std::string_view& text) {
  const std::size_t end = text.find('\n');
  std::string line(text.substr(0, end));
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  if (line.empty()) return std::nullopt;
  return line;
}

void CheckHead(const ArchHead& head) {
  const Arch& arch = head.arch;
  const double span = head.Span(), rise = head.Rise(), length = arch.Length();
  FUZZ_CHECK(std::isfinite(span) && span > 0);
  FUZZ_CHECK(std::isfinite(rise) && rise > 0);
  FUZZ_CHECK(std::isfinite(length) && length >= span / 2);
  FUZZ_CHECK(std::isfinite(arch.Area()));
  FUZZ_CHECK(!arch.pieces().empty());
  const double tolerance = 1e-6 * (span + rise);
  for (std::size_t i = 0; i + 1 < arch.pieces().size(); ++i) {
    const PlanePoint p = arch.pieces()[i].RightEnd(), q = arch.pieces()[i + 1].LeftEnd();
    FUZZ_CHECK(std::hypot(p.x - q.x, p.y - q.y) <= tolerance);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  ShopOptions shop;
  shop.shape = Line(text).value_or("");
  shop.span = Line(text);
  shop.rise = Line(text);
  shop.radius = Line(text);
  shop.small_radius = Line(text);
  shop.legs = Line(text);
  shop.quarter = Line(text);
  shop.bend_arcs = Line(text);
  shop.bend_tolerance = Line(text);
  const Checked<HeadRequest> request = ReadHeadRequest(shop, {}, {".", ","});
  if (!request.ok()) {
    FUZZ_CHECK(!request.error.empty());
    return 0;
  }
  const Checked<ArchHead> head = MakeHead(*request.value);
  if (!head.ok()) {
    FUZZ_CHECK(!head.error.empty());
    return 0;
  }
  CheckHead(*head.value);
  PartRequest part;
  part.profile = ProfileRequest{head.value->Span() / 20, ProfileFace::Outer};
  part.divisions = DivisionRequest{DivisionRule::Count, 5};
  part.stations = StationPlan{StationRule::Divide, 0, 4, {}};
  const ArcPart made = MakePart(*head.value, part);
  for (const auto* checked : {&*made.profile}) {
    FUZZ_CHECK(checked->ok() || !checked->error.empty());
  }
  FUZZ_CHECK(made.divisions->ok() || !made.divisions->error.empty());
  if (made.divisions->ok()) FUZZ_CHECK(made.divisions->value->points.size() == 6);
  FUZZ_CHECK(made.stations->ok() || !made.stations->error.empty());
  return 0;
}
