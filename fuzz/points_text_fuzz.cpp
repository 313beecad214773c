// The measured-points file reader on any bytes, under every locale the
// platform can report, and the circle fit on whatever it reads. Points read
// are finite, at most one a line, and read back to the bit when written with
// full stops; a refusal names a line that exists.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "fuzz/number_properties.h"
#include "fuzz/separator_sets.h"
#include "geometry/circle_fit.h"
#include "geometry/points_text.h"

using namespace segcalc;

namespace {

constexpr std::string_view kByteOrderMark = "\xef\xbb\xbf";

// A fit is only tried on files small enough to keep each run quick.
constexpr std::size_t kMostPointsFitted = 2'000;

bool SamePoints(const Checked<std::vector<PlanePoint>>& x,
                const Checked<std::vector<PlanePoint>>& y) {
  if (x.ok() != y.ok() || x.error != y.error) return false;
  if (!x.ok()) return true;
  if (x.value->size() != y.value->size()) return false;
  for (std::size_t i = 0; i < x.value->size(); ++i) {
    if (!fuzz::SameDouble((*x.value)[i].x, (*y.value)[i].x) ||
        !fuzz::SameDouble((*x.value)[i].y, (*y.value)[i].y)) {
      return false;
    }
  }
  return true;
}

// The line number a refusal names, or 0 when it names none.
std::size_t NamedLine(const std::string& reason) {
  if (!reason.starts_with("第 ")) return 0;
  return std::stoul(reason.substr(std::string_view("第 ").size()));
}

void CheckFit(const std::vector<PlanePoint>& points) {
  if (points.size() < 3 || points.size() > kMostPointsFitted) return;
  const Checked<CircleFit> fit = FitCircle(points);
  if (!fit.ok()) {
    FUZZ_CHECK(!fit.error.empty());
    return;
  }
  FUZZ_CHECK(std::isfinite(fit.value->radius) && fit.value->radius > 0);
  FUZZ_CHECK(std::isfinite(fit.value->max_residual) && fit.value->max_residual >= 0);
  FUZZ_CHECK(std::isfinite(fit.value->centre.x) && std::isfinite(fit.value->centre.y));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::size_t lines = 1;
  for (const char c : text) lines += c == '\n';
  for (const NumberSeparators& separators : fuzz::kSeparatorSets) {
    const Checked<std::vector<PlanePoint>> read = ReadPoints(text, separators);
    // A byte-order mark in front and empty lines after change nothing.
    if (!text.starts_with(kByteOrderMark)) {
      FUZZ_CHECK(SamePoints(ReadPoints(std::string(kByteOrderMark) + text, separators), read));
    }
    FUZZ_CHECK(SamePoints(ReadPoints(text + "\n\r\n \t\n", separators), read));
    if (!read.ok()) {
      FUZZ_CHECK(!read.error.empty());
      FUZZ_CHECK(NamedLine(read.error) <= lines);
      continue;
    }
    const std::vector<PlanePoint>& points = *read.value;
    FUZZ_CHECK(!points.empty() && points.size() <= kMaxFitPoints && points.size() <= lines);
    std::string written;
    for (const PlanePoint& p : points) {
      FUZZ_CHECK(std::abs(p.x) <= kMaxFitCoordinate && std::abs(p.y) <= kMaxFitCoordinate);
      char line[64];
      std::snprintf(line, sizeof line, "%.17g\t%.17g\n", p.x, p.y);
      written += line;
    }
    FUZZ_CHECK(SamePoints(ReadPoints(written, separators), read));
    CheckFit(points);
  }
  return 0;
}
