#pragma once

#include <array>
#include <optional>
#include <vector>

namespace segcalc {

// One row of an overdetermined linear system in three unknowns.
using Row3 = std::array<double, 3>;

// The x minimising |A x - b| for an m x 3 matrix A (m >= 3), by Householder
// reflections: they work with A's own condition, where the normal equations
// A^T A x = A^T b would square it, which a fit to a flat arc cannot afford.
// Absent when A's columns are (numerically) dependent.
std::optional<std::array<double, 3>> LeastSquares3(std::vector<Row3> a, std::vector<double> b);

}  // namespace segcalc
