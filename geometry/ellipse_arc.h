#pragma once

#include <vector>

#include "geometry/plane_point.h"

namespace segcalc {

// Which part of the half ellipse an arch is: the whole head, or the quarter
// left or right of its crown.
enum class EllipseSpan { Half, LeftQuarter, RightQuarter };

// The upper half of an ellipse standing on the springing line y = 0, half
// axes a along it and b up, centred at x = shift; or the parallel curve at a
// distance `offset` from it (outside when positive), which is what the faces
// of a profile bent to an ellipse are: not ellipses themselves. Points by the
// ellipse's own parameter t, P(t) = (shift - a cos t, b sin t) + offset n(t)
// with n the outward normal: t = 0 at the left springing, pi / 2 at the
// crown, pi at the right springing.
struct EllipseArc {
  double a = 0.0;
  double b = 0.0;
  double offset = 0.0;
  EllipseSpan span = EllipseSpan::Half;
  double shift = 0.0;

  double FirstParameter() const;
  double LastParameter() const;
  PlanePoint PointAt(double t) const;
  // The outward unit normal, the same for the ellipse and its parallels.
  PlanePoint NormalAt(double t) const;
  // Along the curve from its first end to t.
  double LengthTo(double t) const;
  double Length() const;
  double ParameterAtLength(double s) const;
  // Where the curve stands over x: none outside its ends, else one.
  std::vector<double> HeightsAt(double x) const;
  double ParameterAtX(double x) const;
  // Between the curve and the springing line (and the axis, for a quarter).
  double Area() const;
  double RadiusOfCurvature(double t) const;
  // The least radius of curvature of the ellipse itself over the span: a
  // parallel further inside than this folds over itself.
  double TightestRadius() const;
  // The foci's distance from the centre: on the springing line when a > b,
  // on the axis otherwise.
  double FocalDistance() const;

 private:
  // Along the ellipse itself (no offset) from t = 0, and its quarter.
  double EllipseLengthTo(double t) const;
  double Quarter() const;
  // How far the normal has turned from the left springing to t.
  double Turn(double t) const;
};

}  // namespace segcalc
