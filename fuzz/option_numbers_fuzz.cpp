// The numbers of the shop options on any bytes: one number, a list, the tails.
// Each reads as the full-stop locale's strict reader reads it or is refused
// with a reason; and whatever number it is, a division by it as a count, a
// deviation or a piece chord, and a profile of it as depth, either meet their
// definitions or say why not.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/number_text.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/number_properties.h"
#include "geometry/divisions.h"
#include "geometry/option_numbers.h"
#include "geometry/profile.h"

using namespace segcalc;

namespace {

const ExactSegment kArc = SegmentOfRadiusAndAngle(1200, 119.03);
const ExactSegment kMajorArc = SegmentOfRadiusAndAngle(300, 250);

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t") == std::string_view::npos;
}

void CheckNumber(const std::string& text) {
  const Checked<double> number = ReadOptionNumber(text);
  const NumberReading strict = StrictNumber(text, {".", ""});
  const bool in_range = strict.ok() && std::abs(strict.value) <= kMaxOptionNumber;
  FUZZ_CHECK(number.ok() == (in_range && !IsBlank(text)));
  if (number.ok()) {
    FUZZ_CHECK(fuzz::SameDouble(*number.value, strict.value));
  } else {
    FUZZ_CHECK(!number.error.empty());
  }
}

void CheckList(const std::string& text) {
  const Checked<std::vector<double>> list = ReadOptionList(text);
  const std::string ascii = WithAsciiForms(text);
  const auto commas = static_cast<std::size_t>(std::count(ascii.begin(), ascii.end(), ','));
  if (list.ok()) {
    FUZZ_CHECK(list.value->size() == commas + 1);
    for (const double value : *list.value) FUZZ_CHECK(std::abs(value) <= kMaxOptionNumber);
    if (commas == 0)
      FUZZ_CHECK(fuzz::SameDouble(list.value->front(), *ReadOptionNumber(text).value));
  } else {
    FUZZ_CHECK(!list.error.empty());
  }

  const Checked<Tails> tails = ReadTails(text);
  if (!tails.ok()) {
    FUZZ_CHECK(!tails.error.empty());
    return;
  }
  FUZZ_CHECK(list.ok() && commas <= 1);
  FUZZ_CHECK(tails.value->a >= 0 && tails.value->b >= 0);
  FUZZ_CHECK(fuzz::SameDouble(tails.value->a, list.value->front()));
  FUZZ_CHECK(fuzz::SameDouble(tails.value->b, list.value->back()));
  // The tails and a trim as long as the first go into the cut length whole.
  const Checked<ProfileBend> bend = BendProfile(
      kArc, {60, ProfileFace::Inner, 0.4, tails.value->a, tails.value->b, tails.value->a});
  FUZZ_CHECK(bend.ok());
  const double added = bend.value->cut_length - bend.value->neutral_arc;
  const double expected = 2 * tails.value->a + tails.value->b;
  FUZZ_CHECK(std::abs(added - expected) <= 1e-12 * (bend.value->cut_length + 1));
}

// The least count for a limit: within it, and one piece fewer is not.
void CheckDivision(const ExactSegment& arc, DivisionRule rule, double value) {
  const Checked<Divisions> d = Divide(arc, {rule, value});
  if (!d.ok()) {
    FUZZ_CHECK(!d.error.empty());
    return;
  }
  const std::size_t n = d.value->count;
  FUZZ_CHECK(n >= 1 && n <= kMaxDivisions && d.value->points.size() == n + 1);
  const auto measure = [rule](const Divisions& divisions) {
    return rule == DivisionRule::MaxDeviation ? divisions.max_deviation
                                              : divisions.pieces.back().chord;
  };
  if (rule == DivisionRule::Count) {
    FUZZ_CHECK(static_cast<double>(n) == value);
    return;
  }
  FUZZ_CHECK(measure(*d.value) <= value);
  if (n > 1) {
    const Checked<Divisions> fewer = Divide(arc, {DivisionRule::Count, static_cast<double>(n - 1)});
    FUZZ_CHECK(fewer.ok() && measure(*fewer.value) > value);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  CheckNumber(text);
  CheckList(text);
  const Checked<double> number = ReadOptionNumber(text);
  if (!number.ok()) return 0;
  for (const ExactSegment& arc : {kArc, kMajorArc}) {
    for (const DivisionRule rule :
         {DivisionRule::Count, DivisionRule::MaxDeviation, DivisionRule::MaxPieceChord}) {
      CheckDivision(arc, rule, *number.value);
    }
  }
  const Checked<ProfileBend> bend = BendProfile(kArc, {*number.value, ProfileFace::Outer});
  if (bend.ok()) {
    FUZZ_CHECK(std::abs(bend.value->outer.circle()->radius - bend.value->inner.circle()->radius -
                        *number.value) <= 1e-12 * kArc.radius);
  } else {
    FUZZ_CHECK(!bend.error.empty());
  }
  return 0;
}
