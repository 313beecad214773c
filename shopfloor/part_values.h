#pragma once

#include <string>
#include <vector>

#include "geometry/area.h"
#include "geometry/circle_fit.h"
#include "geometry/divisions.h"
#include "geometry/profile.h"
#include "shopfloor/output_format.h"

namespace segcalc {

// One value of what the shop makes, with the label segcalc-cli prints it
// under, a batch names its column by, and the report lists it with.
struct PartValue {
  std::string label;
  std::string text;
};

// Each list below, given no values (nullptr), has its labels alone with empty
// texts: a batch's header, and the cells of a line that has no such values.

// 内侧半径, 内侧弧长, 内侧弦长, 内侧弦高, the same for 中心线 and 外侧, then
// 中性层半径, 中性层弧长, 下料长度.
std::vector<PartValue> ProfileValues(const ProfileBend* bend, const OutputFormat& format);

// 段数, 每段夹角, the pieces' arcs and chords (每段弧长 and 每段弦长, or with a
// profile one of each per face: 内侧每段弧长, ...), 斜切角, 折角, 最大偏差, and
// with a profile 板料宽度.
std::vector<PartValue> DivisionValues(const Divisions* divisions, bool profiled,
                                      const OutputFormat& format);

// 弓形面积, 扇形面积, 周长.
std::vector<PartValue> AreaValues(const SegmentArea* area, const OutputFormat& format);

// 拟合半径, 最大残差, and 与目标差 when a target was given.
std::vector<PartValue> FitValues(const CircleFit& fit, const OutputFormat& format);

}  // namespace segcalc
