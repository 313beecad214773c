#include "shopfloor/fit_values.h"

namespace segcalc {

std::vector<SectionValue> FitValues(const CircleFit& fit, const OutputFormat& format) {
  std::vector<SectionValue> values = {{"拟合半径", format.Length(fit.radius), {}, {}},
                                      {"最大残差", format.Length(fit.max_residual), {}, {}}};
  if (fit.radius_difference) {
    values.push_back({"与目标差", format.Length(*fit.radius_difference), {}, {}});
  }
  return values;
}

}  // namespace segcalc
