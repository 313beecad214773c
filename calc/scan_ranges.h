#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <mutex>
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

// For each mode, what the fast solve needs of the angle sequence that does
// not depend on the measurements: the accumulated angle at the start of each
// range and each pair's bounds over each range. Built the first time a mode is
// asked for (one pass over the angles, a few thousand sines and cosines) and
// never changed after, so any number of threads may share one instance.
class ScanRanges {
 public:
  struct ModeRanges {
    int passes = 0;
    std::vector<double> first_angles;  // the angle of the first pass of each range
    double last_angle = 0;             // the angle of the last pass
    std::array<std::vector<scan::Interval>, 3> implied_per_unit;  // by InputPair, by range

    int Count() const { return static_cast<int>(first_angles.size()); }
    // The angles of range r lie between these two (inclusive).
    double EndAngle(int r) const { return r + 1 < Count() ? first_angles[r + 1] : last_angle; }
  };

  ScanRanges() = default;
  ScanRanges(const ScanRanges&) = delete;
  ScanRanges& operator=(const ScanRanges&) = delete;

  const ModeRanges& For(SolveMode mode);

  bool IsBuilt(SolveMode mode) const;
  // Memory held between solves.
  std::size_t BytesKept() const;

 private:
  struct Slot {
    std::once_flag once;
    ModeRanges ranges;
    std::atomic<bool> built{false};
  };
  std::array<Slot, 2> slots_;
};

// The ranges behind Solve, shared by the whole process and never freed.
ScanRanges& SharedScanRanges();

}  // namespace segcalc
