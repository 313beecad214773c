#include "calc/compute_request.h"

#include "calc/segment_solver.h"

namespace segcalc {
namespace {

struct GivenPair {
  InputPair pair;
  MeasurementBox first;
  MeasurementBox second;
  MeasurementBox missing;
};

// The first pair of filled boxes, in this order; blanks count as filled.
std::optional<GivenPair> ChoosePair(const MeasurementTexts& texts) {
  using enum MeasurementBox;
  if (!texts.arc.empty() && !texts.chord.empty()) return GivenPair{InputPair::ArcAndChord, Arc, Chord, Height};
  if (!texts.arc.empty() && !texts.height.empty()) return GivenPair{InputPair::ArcAndHeight, Arc, Height, Chord};
  if (!texts.chord.empty() && !texts.height.empty()) return GivenPair{InputPair::ChordAndHeight, Chord, Height, Arc};
  return std::nullopt;
}

std::string_view TextOf(const MeasurementTexts& texts, MeasurementBox box) {
  switch (box) {
    case MeasurementBox::Arc:
      return texts.arc;
    case MeasurementBox::Chord:
      return texts.chord;
    case MeasurementBox::Height:
      return texts.height;
  }
  return {};
}

ResultTexts Texts(const SegmentResult& result, MeasurementBox missing_box,
                  const NumberSeparators& separators) {
  return {FormatNumber(result.angle, separators), FormatNumber(result.radius, separators),
          FormatNumber(result.missing, separators), missing_box};
}

}  // namespace

ComputeOutcome Compute(const MeasurementTexts& texts, int check_value,
                       const NumberSeparators& separators) {
  const SolveMode mode = check_value == 1 ? SolveMode::MinorArc : SolveMode::MajorArc;
  const std::optional<GivenPair> given = ChoosePair(texts);
  ComputeOutcome outcome;
  if (!given) return outcome;

  // Pairs with the arc length are read leniently, chord with height strictly.
  const auto read = given->pair == InputPair::ChordAndHeight ? StrictNumber : LenientNumber;
  double values[2] = {};
  const MeasurementBox boxes[2] = {given->first, given->second};
  for (int i = 0; i < 2; ++i) {
    const NumberReading reading = read(TextOf(texts, boxes[i]), separators);
    if (!reading.ok()) {
      outcome.kind = OutcomeKind::ConversionError;
      outcome.failed_box = boxes[i];
      outcome.conversion = reading.status;
      return outcome;
    }
    values[i] = reading.value;
  }

  const SolveOutcome solved = Solve(given->pair, mode, values[0], values[1]);
  outcome.solve = SolveInput{given->pair, values[0], values[1], solved.result};
  if (solved.result.found) outcome.texts = Texts(solved.result, given->missing, separators);
  if (solved.arithmetic_error) {
    outcome.kind = OutcomeKind::ArithmeticError;
  } else {
    outcome.kind = solved.result.found ? OutcomeKind::Solved : OutcomeKind::NoSolution;
  }
  return outcome;
}

}  // namespace segcalc
