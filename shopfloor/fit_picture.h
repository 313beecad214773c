#pragma once

#include <optional>
#include <span>
#include <string>

#include "geometry/circle_fit.h"
#include "geometry/plane_point.h"
#include "shopfloor/output_format.h"

namespace segcalc {

// A bent piece's measured points against the circle fitted to them and the
// target circle (about the same centre), over the stretch the points cover.
// Deviations of a millimetre vanish beside a radius of metres, so each
// point's distance from the fitted circle, and the target's, are drawn
// magnified (by 1, 2 or 5 times a power of ten) until the largest shows; the
// bottom lines say by how much. The box is as PictureSvg takes it; the <svg>
// carries data-scale, data-x, data-y (the points' origin, in mm) and
// data-magnified, and its shapes data-layer FIT, TARGET, POINTS, RESIDUALS.
std::string FitPictureSvg(std::span<const PlanePoint> points, const CircleFit& fit,
                          std::optional<double> target, const OutputFormat& format, double width,
                          double height);

}  // namespace segcalc
