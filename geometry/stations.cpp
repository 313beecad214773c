#include "geometry/stations.h"

#include <cmath>

#include "calc/number_text.h"
#include "geometry/ordinates.h"

namespace segcalc {
namespace {

// The ends, set exactly, around the stations strictly inside the span.
std::vector<Station> WithEnds(const Arch& arch, const std::vector<double>& inside) {
  std::vector<Station> rows;
  rows.reserve(inside.size() + 4);
  const auto add = [&rows](const ArchPoint& p) { rows.push_back({p.x, p.y, p.s}); };
  for (const ArchPoint& p : arch.OverEnd(true)) add(p);
  for (const double x : inside) {
    if (const std::optional<ArchPoint> p = arch.Above(x)) add(*p);
  }
  for (const ArchPoint& p : arch.OverEnd(false)) add(p);
  return rows;
}

// A station closer to an end than this is the end itself, as in the
// ordinates table.
double SameAsEnd(double half) {
  return half * 1e-12;
}

std::string TooManyRows() {
  return "测点太多,超过 " + std::to_string(kMaxOrdinateRows) + " 个";
}

Checked<std::vector<double>> CentredInside(const Arch& arch, double half, double step) {
  const OrdinateTable table = Ordinates(arch, step);
  if (!table.error.empty()) return Refused(table.error);
  std::vector<double> inside;
  for (const Ordinate& row : table.rows) {
    if (std::abs(row.x) < half) inside.push_back(row.x);
  }
  return Accepted(std::move(inside));
}

Checked<std::vector<double>> FromEndInside(double half, double step) {
  const double span = 2 * half;
  const double limit = span - SameAsEnd(half);
  const double count = std::ceil(limit / step) - 1;
  if (!(count + 2 <= static_cast<double>(kMaxOrdinateRows))) return Refused(TooManyRows());
  std::vector<double> inside;
  for (double k = 1; k <= count && k * step < limit; ++k) inside.push_back(k * step - half);
  return Accepted(std::move(inside));
}

std::vector<double> DivideInside(double half, std::size_t parts) {
  std::vector<double> inside;
  const double n = static_cast<double>(parts);
  // (2i - N) / N is exactly antisymmetric: the table is symmetric to the bit.
  for (std::size_t i = 1; i < parts; ++i) {
    inside.push_back(half * ((2 * static_cast<double>(i) - n) / n));
  }
  return inside;
}

Checked<std::vector<double>> ListInside(double half, const std::vector<double>& spacings) {
  const double span = 2 * half;
  const double same = SameAsEnd(half);
  std::vector<double> inside;
  double offset = 0;
  double previous = -half;
  for (std::size_t i = 0; i < spacings.size(); ++i) {
    offset += spacings[i];
    const std::string which = "第 " + std::to_string(i + 1) + " 个间距";
    if (offset > span + same) {
      return Refused("间距之和在" + which + "处达到 " + FormatNumber(offset, {}) + ",超出弦长 " +
                     FormatNumber(span, {}));
    }
    if (offset >= span - same) {
      if (i + 1 < spacings.size()) return Refused(which + "已到右端,其后的间距超出弦长");
      break;  // the right end itself, listed once
    }
    const double x = offset - half;
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

Checked<std::vector<Station>> Stations(const Arch& arch, const StationPlan& plan) {
  if (std::string problem = StationPlanProblem(plan); !problem.empty()) return Refused(problem);
  const double half = arch.RightEnd().x;
  if (!(std::isfinite(half) && half > 0 && std::isfinite(arch.Length()))) {
    return Refused("圆弧数据无效");
  }
  Checked<std::vector<double>> inside;
  switch (plan.rule) {
    case StationRule::Centred:
      inside = CentredInside(arch, half, plan.step);
      break;
    case StationRule::FromEnd:
      inside = FromEndInside(half, plan.step);
      break;
    case StationRule::Divide:
      inside = Accepted(DivideInside(half, plan.parts));
      break;
    case StationRule::List:
      inside = ListInside(half, plan.spacings);
      break;
  }
  if (!inside.ok()) return Refused(inside.error);
  return Accepted(WithEnds(arch, *inside.value));
}

Checked<std::vector<Station>> Stations(const ExactSegment& segment, const StationPlan& plan) {
  return Stations(Arch::OfSegment(segment), plan);
}

}  // namespace segcalc
