#pragma once

#include <string>
#include <vector>

#include "geometry/circle_fit.h"
#include "shopfloor/part_sections.h"

namespace segcalc {

// A bent piece checked against its points: 拟合半径, 最大残差, and 与目标差
// when a target was given.
std::vector<SectionValue> FitValues(const CircleFit& fit, const OutputFormat& format);

}  // namespace segcalc
