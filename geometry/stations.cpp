#include "geometry/stations.h"

#include <cmath>

#include "calc/number_text.h"
#include "geometry/ordinates.h"

namespace segcalc {
namespace {

// s of the arc's point (x, y): its angle at the centre from the arc's middle,
// by atan2 so that the far side beyond a semicircle comes out right too, as a
// share of the whole angle. The centre lies R - H below the chord (above it,
// beyond a semicircle, where R - H is negative).
double ArcLengthTo(const ExactSegment& s, double x, double y) {
  const double from_middle = std::atan2(x, y + (s.radius - s.height));
  return s.arc * (0.5 + from_middle / Radians(s.angle));
}

Station StationAt(const ExactSegment& s, double x) {
  const double y = OrdinateAt(s, x);
  return {x, y, ArcLengthTo(s, x, y)};
}

// The ends, set exactly, around the stations strictly inside the chord.
std::vector<Station> WithEnds(const ExactSegment& s, const std::vector<double>& inside) {
  const double half = s.chord / 2;
  const bool beyond_semicircle = s.angle > 180;
  std::vector<Station> rows;
  rows.reserve(inside.size() + 4);
  rows.push_back({-half, 0.0, 0.0});
  if (beyond_semicircle) rows.push_back(StationAt(s, -half));
  for (const double x : inside) rows.push_back(StationAt(s, x));
  if (beyond_semicircle) rows.push_back(StationAt(s, half));
  rows.push_back({half, 0.0, s.arc});
  return rows;
}

// A station closer to an end than this is the end itself, as in the
// ordinates table.
double SameAsEnd(const ExactSegment& s) {
  return s.chord / 2 * 1e-12;
}

std::string TooManyRows() {
  return "测点太多,超过 " + std::to_string(kMaxOrdinateRows) + " 个";
}

Checked<std::vector<double>> CentredInside(const ExactSegment& s, double step) {
  const OrdinateTable table = Ordinates(s, step);
  if (!table.error.empty()) return Refused(table.error);
  std::vector<double> inside;
  for (const Ordinate& row : table.rows) {
    if (std::abs(row.x) < s.chord / 2) inside.push_back(row.x);
  }
  return Accepted(std::move(inside));
}

Checked<std::vector<double>> FromEndInside(const ExactSegment& s, double step) {
  const double limit = s.chord - SameAsEnd(s);
  const double count = std::ceil(limit / step) - 1;
  if (!(count + 2 <= static_cast<double>(kMaxOrdinateRows))) return Refused(TooManyRows());
  std::vector<double> inside;
  for (double k = 1; k <= count && k * step < limit; ++k) inside.push_back(k * step - s.chord / 2);
  return Accepted(std::move(inside));
}

std::vector<double> DivideInside(const ExactSegment& s, std::size_t parts) {
  std::vector<double> inside;
  const double n = static_cast<double>(parts);
  // (2i - N) / N is exactly antisymmetric: the table is symmetric to the bit.
  for (std::size_t i = 1; i < parts; ++i) {
    inside.push_back(s.chord / 2 * ((2 * static_cast<double>(i) - n) / n));
  }
  return inside;
}

Checked<std::vector<double>> ListInside(const ExactSegment& s,
                                        const std::vector<double>& spacings) {
  const double same = SameAsEnd(s);
  std::vector<double> inside;
  double offset = 0;
  double previous = -s.chord / 2;
  for (std::size_t i = 0; i < spacings.size(); ++i) {
    offset += spacings[i];
    const std::string which = "第 " + std::to_string(i + 1) + " 个间距";
    if (offset > s.chord + same) {
      return Refused("间距之和在" + which + "处达到 " + FormatNumber(offset, {}) + ",超出弦长 " +
                     FormatNumber(s.chord, {}));
    }
    if (offset >= s.chord - same) {
      if (i + 1 < spacings.size()) return Refused(which + "已到右端,其后的间距超出弦长");
      break;  // the right end itself, listed once
    }
    const double x = offset - s.chord / 2;
    if (!(x > previous)) return Refused(which + "太小,测点与前一个重合");
    inside.push_back(x);
    previous = x;
  }
  return Accepted(std::move(inside));
}

}  // namespace

std::string StationPlanProblem(const StationPlan& plan) {
  switch (plan.rule) {
    case StationRule::Centred:
    case StationRule::FromEnd:
      if (!(std::isfinite(plan.step) && plan.step > 0)) return "测点间距应为大于 0 的数";
      return {};
    case StationRule::Divide:
      if (plan.parts < 1 || plan.parts >= kMaxOrdinateRows) {
        return "等分份数应为 1 到 " + std::to_string(kMaxOrdinateRows - 1) + " 之间的整数";
      }
      return {};
    case StationRule::List:
      if (plan.spacings.empty()) return "未给出间距";
      if (plan.spacings.size() + 2 > kMaxOrdinateRows) return TooManyRows();
      for (std::size_t i = 0; i < plan.spacings.size(); ++i) {
        const double spacing = plan.spacings[i];
        if (!(std::isfinite(spacing) && spacing > 0)) {
          return "第 " + std::to_string(i + 1) + " 个间距应为大于 0 的数";
        }
      }
      return {};
  }
  return "测点方式无效";
}

Checked<std::vector<Station>> Stations(const ExactSegment& segment, const StationPlan& plan) {
  if (std::string problem = StationPlanProblem(plan); !problem.empty()) return Refused(problem);
  if (!(std::isfinite(segment.chord) && segment.chord > 0 && std::isfinite(segment.arc))) {
    return Refused("圆弧数据无效");
  }
  Checked<std::vector<double>> inside;
  switch (plan.rule) {
    case StationRule::Centred:
      inside = CentredInside(segment, plan.step);
      break;
    case StationRule::FromEnd:
      inside = FromEndInside(segment, plan.step);
      break;
    case StationRule::Divide:
      inside = Accepted(DivideInside(segment, plan.parts));
      break;
    case StationRule::List:
      inside = ListInside(segment, plan.spacings);
      break;
  }
  if (!inside.ok()) return Refused(inside.error);
  return Accepted(WithEnds(segment, *inside.value));
}

}  // namespace segcalc
