#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/number_text.h"
#include "calc/segment_solver.h"

namespace segcalc {

// The circle of an arc solved with the true value of pi, beside the
// calculator's own scan (which takes pi as 3.14 and answers at two decimals).
// Lengths are in the unit the user typed, the angle in degrees.
struct ExactSegment {
  double arc = 0.0;
  double chord = 0.0;
  double height = 0.0;
  double radius = 0.0;
  double angle = 0.0;  // the central angle, above 0 and below 360
};

enum class Quantity { Arc, Chord, Height, Radius, Angle };

// 弧长, 弦长, 弦高, 半径 or 夹角, as the window labels them.
const char* QuantityLabel(Quantity quantity);

// Every circle two quantities allow, by ascending angle: none (reason says
// why), one, or two (a chord with a radius, an arc with a height between
// 1/pi and about 0.3623 times the arc).
struct ExactSolutions {
  std::vector<ExactSegment> segments;
  std::string reason;
};

// Any two different quantities fix the circle up to the ambiguities above.
ExactSolutions SolveExact(Quantity first, double first_value, Quantity second, double second_value);

// The calculator's pairs, values in the order of the pair's name.
ExactSolutions SolveExact(InputPair pair, double first, double second);

struct ExactChoice {
  std::optional<ExactSegment> segment;
  std::string reason;    // when there is no segment
  bool had_two = false;  // the other solution was set aside
  ExactSegment other;    // that other solution, when had_two
};

// Of two solutions: the one whose angle is nearest near_angle when given (the
// calculator's own answer), otherwise the smaller angle for a minor arc and the
// larger for a major one.
ExactChoice ChooseExact(const ExactSolutions& solutions, bool minor,
                        std::optional<double> near_angle = std::nullopt);

// The calculator's way of showing a result: rounded to two places, then
// written with the user's separators.
std::string FormatTwoPlaces(double value, const NumberSeparators& separators);

// The largest chord height an arc of a given length can have, as a share of
// that length: at a central angle of about 267 degrees.
double MaxHeightToArcRatio();

// True-pi conversions; the calculator's scan keeps its own 3.14.
double Radians(double degrees);
double Degrees(double radians);

}  // namespace segcalc
