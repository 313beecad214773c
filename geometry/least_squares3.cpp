#include "geometry/least_squares3.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace segcalc {

std::optional<std::array<double, 3>> LeastSquares3(std::vector<Row3> a, std::vector<double> b) {
  const std::size_t m = a.size();
  if (m < 3 || b.size() != m) return std::nullopt;
  std::array<double, 3> diagonal{};
  double largest = 0;
  for (std::size_t k = 0; k < 3; ++k) {
    // Reflect column k below the diagonal onto the diagonal.
    double norm2 = 0;
    for (std::size_t i = k; i < m; ++i) norm2 += a[i][k] * a[i][k];
    const double norm = std::sqrt(norm2);
    // The sign opposite to the diagonal entry's keeps v's first entry free of
    // cancellation, and |v|^2 = 2 norm (norm + |a_kk|).
    const double alpha = a[k][k] > 0 ? -norm : norm;
    const double v2 = 2 * norm * (norm + std::abs(a[k][k]));
    diagonal[k] = alpha;
    largest = std::max(largest, norm);
    a[k][k] -= alpha;  // a[k..m)[k] is now the reflection's vector v
    if (!(v2 > 0)) continue;
    for (std::size_t j = k + 1; j < 3; ++j) {
      double dot = 0;
      for (std::size_t i = k; i < m; ++i) dot += a[i][k] * a[i][j];
      const double f = 2 * dot / v2;
      for (std::size_t i = k; i < m; ++i) a[i][j] -= f * a[i][k];
    }
    double dot = 0;
    for (std::size_t i = k; i < m; ++i) dot += a[i][k] * b[i];
    const double f = 2 * dot / v2;
    for (std::size_t i = k; i < m; ++i) b[i] -= f * a[i][k];
  }
  // A diagonal entry this small beside the largest column is a dependent column.
  const double tiny = largest * static_cast<double>(m) * std::numeric_limits<double>::epsilon();
  std::array<double, 3> x{};
  for (std::size_t k = 3; k-- > 0;) {
    if (!(std::abs(diagonal[k]) > tiny)) return std::nullopt;
    double sum = b[k];
    for (std::size_t j = k + 1; j < 3; ++j) sum -= a[k][j] * x[j];
    x[k] = sum / diagonal[k];
  }
  for (const double value : x) {
    if (!std::isfinite(value)) return std::nullopt;
  }
  return x;
}

}  // namespace segcalc
