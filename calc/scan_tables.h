#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <memory>
#include <mutex>
#include <span>

#include "calc/segment_solver.h"

namespace segcalc {

// What a pass needs of its angle that does not depend on the measurements:
// the accumulated angle itself and the sine or cosine of one of its half-angles.
enum class ScanColumn { Angle, SinMinorHalf, CosMinorHalf, SinMajorHalf, CosMajorHalf };

inline constexpr int kScanColumnCount = 5;

// One value per pass of a mode, in scan order, each produced by the same
// operations as the plain scan: the angle by the same accumulation, the
// half-angles by the same degree-to-radian expressions. A column is built the
// first time it is asked for and never changes after, so any number of
// threads may share one instance.
class ScanTables {
 public:
  ScanTables() = default;
  ScanTables(const ScanTables&) = delete;
  ScanTables& operator=(const ScanTables&) = delete;

  std::span<const double> Column(SolveMode mode, ScanColumn column);

  bool IsBuilt(SolveMode mode, ScanColumn column) const;
  std::size_t BytesBuilt() const;

 private:
  struct AlignedFree {
    void operator()(double* values) const;
  };
  struct Slot {
    std::once_flag once;
    std::unique_ptr<double[], AlignedFree> values;
    std::size_t size = 0;
    std::atomic<bool> built{false};
  };

  void Build(Slot& slot, SolveMode mode, ScanColumn column);
  static int IndexOf(SolveMode mode, ScanColumn column);

  std::array<Slot, 2 * kScanColumnCount> slots_;
};

// The tables behind Solve, shared by the whole process and never freed.
ScanTables& SharedScanTables();

}  // namespace segcalc
