#include "calc/compute_request.h"

#include "calc/segment_solver.h"

namespace segcalc {
namespace {

// The first pair of filled boxes, in this order; blanks count as filled.
std::optional<GivenPair> ChoosePair(const MeasurementTexts& texts) {
  using enum Quantity;
  if (!texts.arc.empty() && !texts.chord.empty()) {
    return GivenPair{InputPair::ArcAndChord, Arc, Chord, Height};
  }
  if (!texts.arc.empty() && !texts.height.empty()) {
    return GivenPair{InputPair::ArcAndHeight, Arc, Height, Chord};
  }
  if (!texts.chord.empty() && !texts.height.empty()) {
    return GivenPair{InputPair::ChordAndHeight, Chord, Height, Arc};
  }
  return std::nullopt;
}

std::string_view TextOf(const MeasurementTexts& texts, Quantity box) {
  switch (box) {
    case Quantity::Arc:
      return texts.arc;
    case Quantity::Chord:
      return texts.chord;
    default:
      return texts.height;
  }
}

ResultTexts Texts(const SegmentResult& result, const NumberSeparators& separators) {
  return {FormatNumber(result.angle, separators), FormatNumber(result.radius, separators),
          FormatNumber(result.missing, separators)};
}

}  // namespace

ComputeOutcome Compute(const MeasurementTexts& texts, SolveMode mode,
                       const NumberSeparators& separators) {
  ComputeOutcome outcome;
  outcome.given = ChoosePair(texts);
  if (!outcome.given) return outcome;
  const GivenPair& given = *outcome.given;

  // Pairs with the arc length are read leniently, chord with height strictly.
  const auto read = given.pair == InputPair::ChordAndHeight ? StrictNumber : LenientNumber;
  double values[2] = {};
  const Quantity boxes[2] = {given.first, given.second};
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

  const SolveOutcome solved = Solve(given.pair, mode, values[0], values[1]);
  outcome.scan = ScanAnswer{values[0], values[1], solved.result};
  if (solved.result.found) outcome.texts = Texts(solved.result, separators);
  if (solved.arithmetic_error) {
    outcome.kind = OutcomeKind::ArithmeticError;
  } else {
    outcome.kind = solved.result.found ? OutcomeKind::Solved : OutcomeKind::NoSolution;
  }
  return outcome;
}

}  // namespace segcalc
