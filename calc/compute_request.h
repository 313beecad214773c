#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/number_text.h"
#include "calc/segment_solver.h"

namespace segcalc {

enum class MeasurementBox { Arc, Chord, Height };

enum class OutcomeKind { Solved, Incomplete, NoSolution, ConversionError, ArithmeticError };

inline constexpr std::string_view kIncompleteWarning = "当前输入项不完整,请填写完整后再试!";
inline constexpr std::string_view kNoSolutionWarning = "按当前条件无法求解!请核对后再试!";

// The texts a solve writes into the window.
struct ResultTexts {
  std::string angle;
  std::string radius;
  std::string missing;
  MeasurementBox missing_box = MeasurementBox::Height;
};

// What the solve was given and what it found, for callers that go on from the
// same two numbers (the exact geometry beside the scan).
struct SolveInput {
  InputPair pair = InputPair::ArcAndChord;
  double first = 0.0;  // in the order of the pair's name
  double second = 0.0;
  SegmentResult result;
};

struct ComputeOutcome {
  OutcomeKind kind = OutcomeKind::Incomplete;
  // Solved; ArithmeticError when a match was found before the fault.
  std::optional<ResultTexts> texts;
  // ConversionError: the box whose text could not be read, and why.
  MeasurementBox failed_box = MeasurementBox::Arc;
  ConversionStatus conversion = ConversionStatus::Ok;
  // Whenever the solve ran, whatever it found.
  std::optional<SolveInput> solve;
};

struct MeasurementTexts {
  std::string_view arc;
  std::string_view chord;
  std::string_view height;
};

// The compute command without the window: picks the given pair, reads the two
// numbers, runs the solve and says what the window must show. Changes nothing.
ComputeOutcome Compute(const MeasurementTexts& texts, int check_value,
                       const NumberSeparators& separators);

}  // namespace segcalc
