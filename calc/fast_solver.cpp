#include "calc/fast_solver.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <iterator>

#include "calc/number_text.h"
#include "calc/scan_pass.h"

namespace segcalc {
namespace {

using scan::ClassifyInput;

// Passes classified at a time: the codes stay in the first-level cache, and the
// scan stops within one block of a fault, or of the last match when it looks
// from the end.
constexpr std::size_t kBlockPasses = 4096;

// Up to this magnitude of both measurements no checked result of a pass or of
// its record can overflow: the radius stays below about 6e304 (the angle is at
// least 0.001 degrees and the sine of the minor half-angle at least about
// 8.7e-6) and the tangents at most about 1256. Beyond it the first fault may
// come from the record of a match, so each match's record is computed in turn.
constexpr double kRecordSafeMagnitude = 1e300;

struct Columns {
  ScanColumn first;
  ScanColumn second;
};

Columns ColumnsFor(InputPair pair, SolveMode mode) {
  const bool minor = mode == SolveMode::MinorArc;
  switch (pair) {
    case InputPair::ArcAndChord:
      return {ScanColumn::Angle, minor ? ScanColumn::SinMinorHalf : ScanColumn::SinMajorHalf};
    case InputPair::ArcAndHeight:
      return {ScanColumn::Angle, minor ? ScanColumn::CosMinorHalf : ScanColumn::CosMajorHalf};
    case InputPair::ChordAndHeight:
      break;
  }
  return {ScanColumn::SinMinorHalf, minor ? ScanColumn::CosMinorHalf : ScanColumn::CosMajorHalf};
}

// What every pass computes from the measurements alone, checked as the plain
// scan checks it on each pass: if any of it is not finite, the first pass faults.
struct Invariants {
  double radius_numerator;
  double compared;  // the given value whose rounding the implied one must equal
};

Invariants InvariantsOf(scan::CheckedArithmetic& op, InputPair pair, double first, double second) {
  switch (pair) {
    case InputPair::ArcAndChord:
      return {op.Mul(first, 360.0), op.Div(second, 2.0)};
    case InputPair::ArcAndHeight:
      return {op.Mul(first, 360.0), second};
    case InputPair::ChordAndHeight:
      break;
  }
  return {op.Div(first, 2.0), second};
}

// The rounded given value, as whole hundredths when they are few enough for
// the classifier to compare without dividing by 100.
void SetTarget(ClassifyInput& input, double compared) {
  const double scaled = compared * 100.0;
  const double whole = std::nearbyint(scaled);
  input.whole_hundredths = std::isfinite(scaled) && std::fabs(whole) < 0x1p52;
  input.target = input.whole_hundredths ? whole : RoundHalfEven2(compared);
}

const std::uint8_t* LastMatch(const std::uint8_t* codes, std::size_t count) {
#if defined(__GLIBC__)
  return static_cast<const std::uint8_t*>(memrchr(codes, scan::kMatch, count));
#else
  const auto found = std::find(std::make_reverse_iterator(codes + count),
                               std::make_reverse_iterator(codes), scan::kMatch);
  return found.base() == codes ? nullptr : found.base() - 1;
#endif
}

class FastScan {
 public:
  FastScan(ScanTables& tables, InputPair pair, SolveMode mode, double first, double second,
           scan::InstructionSet set)
      : pair_(pair), mode_(mode), first_(first), second_(second), set_(set) {
    angles_ = tables.Column(mode, ScanColumn::Angle);
    const Columns columns = ColumnsFor(pair, mode);
    input_.pair = pair;
    input_.mode = mode;
    input_.first_column = tables.Column(mode, columns.first).data();
    input_.second_column = tables.Column(mode, columns.second).data();
  }

  SolveOutcome Run() {
    scan::CheckedArithmetic op;
    const Invariants invariants = InvariantsOf(op, pair_, first_, second_);
    if (op.faulted()) return Faulted(0);
    input_.radius_numerator = invariants.radius_numerator;
    SetTarget(input_, invariants.compared);
    const bool records_may_fault =
        !(std::fabs(first_) <= kRecordSafeMagnitude && std::fabs(second_) <= kRecordSafeMagnitude);
    if (!records_may_fault && FromTheEnd()) return Finished();
    return FromTheStart(records_may_fault);
  }

 private:
  // Classifies the passes of [begin, end) and returns the first fault in it,
  // or nullptr.
  const std::uint8_t* ClassifyBlock(std::size_t begin, std::size_t end) {
    scan::ClassifyPasses(set_, input_, begin, end, codes_.data());
    return static_cast<const std::uint8_t*>(std::memchr(codes_.data(), scan::kFault, end - begin));
  }

  // With measurements this small no pass can fault, so the result is the last
  // match and the scan can look for it from the end, stopping at the first
  // block that holds one. False, having found nothing, if a fault shows after
  // all.
  bool FromTheEnd() {
    for (std::size_t end = angles_.size(); end > 0;) {
      const std::size_t begin = end - std::min(end, kBlockPasses);
      if (ClassifyBlock(begin, end)) return false;
      if (const std::uint8_t* match = LastMatch(codes_.data(), end - begin)) {
        last_match_ = begin + static_cast<std::size_t>(match - codes_.data());
        has_match_ = true;
        return true;
      }
      end = begin;
    }
    return true;
  }

  // In scan order, up to the first fault.
  SolveOutcome FromTheStart(bool records_may_fault) {
    for (std::size_t begin = 0; begin < angles_.size(); begin += kBlockPasses) {
      const std::size_t end = std::min(angles_.size(), begin + kBlockPasses);
      const std::uint8_t* fault = ClassifyBlock(begin, end);
      const std::size_t clean =
          fault ? static_cast<std::size_t>(fault - codes_.data()) : end - begin;
      if (records_may_fault) {
        // Matches in order, so that the first whose record faults ends the scan.
        for (std::size_t i = 0; i < clean; ++i) {
          if (codes_[i] == scan::kMatch && !Record(begin + i)) return Faulted(begin + i);
        }
      } else if (const std::uint8_t* match = LastMatch(codes_.data(), clean)) {
        last_match_ = begin + static_cast<std::size_t>(match - codes_.data());
        has_match_ = true;
      }
      if (fault) return Faulted(begin + clean);
    }
    return Finished();
  }

  // The plain scan's pass, run again for a pass known to match; false when
  // its record faults.
  bool Record(std::size_t pass) {
    scan::CheckedArithmetic op;
    const scan::Match match = scan::Pass(op, pair_, mode_, angles_[pass], first_, second_);
    if (op.faulted()) return false;
    if (match) outcome_.result = *match;
    return true;
  }

  SolveOutcome Finished() {
    if (has_match_) Record(last_match_);
    return outcome_;
  }

  SolveOutcome Faulted(std::size_t pass) {
    if (has_match_) Record(last_match_);
    outcome_.arithmetic_error = true;
    outcome_.fault_pass = static_cast<int>(pass);
    return outcome_;
  }

  InputPair pair_;
  SolveMode mode_;
  double first_;
  double second_;
  scan::InstructionSet set_;
  std::span<const double> angles_;
  ClassifyInput input_;
  SolveOutcome outcome_;
  std::array<std::uint8_t, kBlockPasses> codes_;
  std::size_t last_match_ = 0;
  bool has_match_ = false;
};

}  // namespace

SolveOutcome SolveWithTables(ScanTables& tables, InputPair pair, SolveMode mode, double first,
                             double second, scan::InstructionSet set) {
  return FastScan(tables, pair, mode, first, second, set).Run();
}

}  // namespace segcalc
