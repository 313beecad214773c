#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <mutex>
#include <span>
#include <vector>

#include "calc/angle_bounds.h"
#include "calc/segment_solver.h"

namespace segcalc {

// Passes per range: the fast solve rules out whole ranges by their bounds and
// looks inside the few that remain.
inline constexpr int kRangePasses = 512;

// Bounds of a pass's implied value over the angles from one end to the other
// (in either order), per unit of the magnitude of the first measurement, with
// room for every rounding of the computation and of its product by that
// magnitude; see pair_rules.h. An empty bound (lo > hi) never happens; an
// unbounded one is infinite.
scan::Interval ImpliedPerUnit(InputPair pair, SolveMode mode, const scan::TrigAt& one_end,
                              const scan::TrigAt& other_end);

// The factors ImpliedPerUnit reads for a pair and mode.
unsigned BoundFactors(InputPair pair, SolveMode mode);

// The angles that start the ranges of a mode, accumulated as the scan
// accumulates them (at compile time).
struct RangeAngles {
  int passes = 0;
  std::span<const double> first_angles;  // the angle of the first pass of each range
  double last_angle = 0;                 // the angle of the last pass

  int Count() const { return static_cast<int>(first_angles.size()); }
  // The angles of range r lie between its first angle and this one.
  double EndAngle(int r) const { return r + 1 < Count() ? first_angles[r + 1] : last_angle; }
};

const RangeAngles& RangeAnglesOf(SolveMode mode);

// What the fast solve keeps between solves: each pair's bounds over each range
// of a mode, built the first time that pair and mode are solved (a sine or
// cosine or three at each range end) and never changed after, so any number
// of threads may share one instance.
class RangeBounds {
 public:
  RangeBounds() = default;
  RangeBounds(const RangeBounds&) = delete;
  RangeBounds& operator=(const RangeBounds&) = delete;

  // By range: the implied value per unit of the magnitude of the first measurement.
  std::span<const scan::Interval> BoundsOf(InputPair pair, SolveMode mode);

  bool IsBuilt(InputPair pair, SolveMode mode) const;
  // Memory held between solves.
  std::size_t BytesKept() const;

 private:
  struct Slot {
    std::once_flag once;
    std::vector<scan::Interval> bounds;
    std::atomic<bool> built{false};
  };
  static int IndexOf(InputPair pair, SolveMode mode);

  std::array<Slot, 6> slots_;
};

// The range bounds behind Solve, shared by the whole process and never freed.
RangeBounds& SharedRangeBounds();

}  // namespace segcalc
