#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/quantity.h"
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

// One of the five, by quantity.
double ValueOf(const ExactSegment& segment, Quantity quantity);
void SetValue(ExactSegment& segment, Quantity quantity, double value);

// Every circle two quantities allow, by ascending angle: none (reason says
// why), one, or two (a chord with a radius, an arc with a height between
// 1/pi and about 0.3623 times the arc).
struct ExactSolutions {
  std::vector<ExactSegment> segments;
  std::string reason;
};

// Any two different quantities fix the circle up to the ambiguities above.
ExactSolutions SolveExact(Quantity first, double first_value, Quantity second, double second_value);

struct ExactChoice {
  std::optional<ExactSegment> segment;
  std::string reason;    // when there is no segment
  bool had_two = false;  // the other solution was set aside
  ExactSegment other;    // that other solution, when had_two
};

// Of two solutions: the one whose angle is nearest near_angle when given (the
// calculator's own answer), otherwise the smaller angle for MinorArc (the
// check box 小于半圆 ticked) and the larger for MajorArc.
ExactChoice ChooseExact(const ExactSolutions& solutions, SolveMode mode,
                        std::optional<double> near_angle = std::nullopt);

// The largest chord height an arc of a given length can have, as a share of
// that length (about 0.3623): at a central angle of about 267 degrees.
double MaxHeightToArcRatio();

// The circle of a radius and a central angle in degrees (0 < angle < 360),
// the others from the half-angle forms that keep a flat arc's digits.
ExactSegment SegmentOfRadiusAndAngle(double radius, double degrees);

// True-pi conversions; the calculator's scan keeps its own 3.14.
double Radians(double degrees);
double Degrees(double radians);

}  // namespace segcalc
