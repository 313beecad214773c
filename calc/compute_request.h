#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/number_text.h"
#include "calc/quantity.h"
#include "calc/segment_solver.h"

namespace segcalc {

enum class OutcomeKind { Solved, Incomplete, NoSolution, ConversionError, ArithmeticError };

inline constexpr std::string_view kIncompleteWarning = "当前输入项不完整,请填写完整后再试!";
inline constexpr std::string_view kNoSolutionWarning = "按当前条件无法求解!请核对后再试!";

// The first pair of filled boxes: the two given measurements in the order of
// the pair's name, and the third, which the compute finds.
struct GivenPair {
  InputPair pair = InputPair::ArcAndChord;
  Quantity first = Quantity::Arc;
  Quantity second = Quantity::Chord;
  Quantity missing = Quantity::Height;
};

// The texts a solve writes into the window: the angle, the radius and the
// missing measurement, whose box the given pair names.
struct ResultTexts {
  std::string angle;
  std::string radius;
  std::string missing;
};

// The two given numbers as the compute read them, in the order of the pair's
// name, and what the scan found for them.
struct ScanAnswer {
  double first = 0.0;
  double second = 0.0;
  SegmentResult result;
};

struct ComputeOutcome {
  OutcomeKind kind = OutcomeKind::Incomplete;
  // Every outcome but Incomplete.
  std::optional<GivenPair> given;
  // Solved; ArithmeticError when a match was found before the fault.
  std::optional<ResultTexts> texts;
  // ConversionError: the box whose text could not be read, and why.
  Quantity failed_box = Quantity::Arc;
  ConversionStatus conversion = ConversionStatus::Ok;
  // Whenever the scan ran, whatever it found.
  std::optional<ScanAnswer> scan;
};

struct MeasurementTexts {
  std::string_view arc;
  std::string_view chord;
  std::string_view height;
};

// The check box's value as the window holds it: only 1, ticked, selects
// MinorArc; every other value MajorArc.
constexpr SolveMode ModeOfCheckValue(int check_value) {
  return check_value == 1 ? SolveMode::MinorArc : SolveMode::MajorArc;
}

// The compute command without the window: picks the given pair, reads the two
// numbers, runs the solve and says what the window must show. Changes nothing.
ComputeOutcome Compute(const MeasurementTexts& texts, SolveMode mode,
                       const NumberSeparators& separators);

}  // namespace segcalc
