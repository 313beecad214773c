#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/compute_request.h"
#include "calc/quantity.h"
#include "geometry/exact_geometry.h"

namespace segcalc {

// The check box's caption, and what the report says of it.
inline constexpr std::string_view kMinorArcCaption = "小于半圆";
std::string_view CheckBoxWord(SolveMode mode);  // 勾选 or 不勾选

// What the user typed for one compute: one text per quantity, and the check
// box as the mode it selects. The window and a batch line give the three
// measurements only; the command line may give a radius or an angle, which
// the calculator does not take.
struct TypedInput {
  BoxTexts texts;
  SolveMode mode = SolveMode::MinorArc;

  std::string& text(Quantity quantity) { return texts[QuantityIndex(quantity)]; }
  const std::string& text(Quantity quantity) const { return texts[QuantityIndex(quantity)]; }
  bool GivesRadiusOrAngle() const {
    return !text(Quantity::Radius).empty() || !text(Quantity::Angle).empty();
  }
};

// One compute and everything that comes out of it: what was typed, the
// calculator's outcome with the pair it chose, and the exact circle (true pi)
// of the same two numbers. Every output is written from this one value.
struct ComputeRecord {
  TypedInput typed;
  // The calculator's compute; absent when a radius or an angle was typed.
  std::optional<ComputeOutcome> calculator;
  // The exact circle, or why there is none; not solved unless asked for.
  ExactChoice exact;
  // With a radius or an angle: why the typed texts are not two numbers to
  // solve from. A fault of the request, not of the geometry.
  std::string input_error;

  bool CalculatorSolved() const { return calculator && calculator->kind == OutcomeKind::Solved; }
  // What the box of a quantity shows after the compute: the calculator's
  // result, or the text as typed.
  std::string_view BoxText(Quantity quantity) const;
  // The calculator's five values: the two given numbers as it read them and
  // what its scan found; absent when it wrote no result.
  std::optional<ExactSegment> CalculatorValues() const;
};

enum class ExactCircle { Skip, Solve };

// The one way a compute is made, for the command line, each batch line, both
// windows and the workbench. The exact circle costs as much as the
// calculator's solve; a batch that shows none of it skips it.
ComputeRecord RecordCompute(TypedInput typed, const NumberSeparators& separators,
                            ExactCircle exact = ExactCircle::Solve);

}  // namespace segcalc
