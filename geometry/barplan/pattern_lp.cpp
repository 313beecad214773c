#include "geometry/barplan/pattern_lp.h"

#include <cmath>

namespace segcalc::barplan {
namespace {

// Costs are scaled to at most a few units, so these are absolute.
constexpr double kReducedCostTolerance = 1e-9;
constexpr double kPivotTolerance = 1e-9;
// The inverse is rebuilt from the basis this often, before rounding piles up.
constexpr int kRefactorEvery = 200;
// Degenerate pivots in a row before the first improving column is taken.
constexpr int kDegenerateRun = 30;

}  // namespace

PatternLp::PatternLp(std::vector<double> rhs, const std::vector<double>& start_costs)
    : rhs_(std::move(rhs)) {
  const std::size_t rows = rhs_.size();
  inverse_.assign(rows * rows, 0.0);
  for (std::size_t r = 0; r < rows; ++r) {
    AddColumn(start_costs[r], {{static_cast<std::uint32_t>(r), 1.0}});
    basis_.push_back(r);
    basic_row_[r] = r;
    inverse_[r * rows + r] = 1.0;
  }
  basic_values_ = rhs_;
  ComputeDuals();
}

std::size_t PatternLp::AddColumn(double cost, SparseColumn column) {
  costs_.push_back(cost);
  double squares = 1.0;
  for (const auto& entry : column) squares += entry.second * entry.second;
  norms_.push_back(std::sqrt(squares));
  columns_.push_back(std::move(column));
  basic_row_.push_back(Rows());
  return costs_.size() - 1;
}

double PatternLp::Value(std::size_t column) const {
  const std::size_t row = basic_row_[column];
  return row < Rows() ? basic_values_[row] : 0.0;
}

double PatternLp::Objective() const {
  double total = 0.0;
  for (std::size_t r = 0; r < Rows(); ++r) total += costs_[basis_[r]] * basic_values_[r];
  return total;
}

// Gauss-Jordan on the basis with partial pivoting (ties to the first row).
void PatternLp::Refactor() {
  const std::size_t n = Rows();
  std::vector<double> matrix(n * n, 0.0);
  for (std::size_t r = 0; r < n; ++r) {
    for (const auto& [row, value] : columns_[basis_[r]]) matrix[row * n + r] = value;
  }
  std::vector<double> inverse(n * n, 0.0);
  for (std::size_t r = 0; r < n; ++r) inverse[r * n + r] = 1.0;
  for (std::size_t col = 0; col < n; ++col) {
    std::size_t pivot = col;
    for (std::size_t r = col + 1; r < n; ++r) {
      if (std::abs(matrix[r * n + col]) > std::abs(matrix[pivot * n + col])) pivot = r;
    }
    // A basis the pivots kept nonsingular stays so; should rounding say
    // otherwise, the updated inverse is kept.
    if (std::abs(matrix[pivot * n + col]) < 1e-12) return;
    if (pivot != col) {
      for (std::size_t c = 0; c < n; ++c) {
        std::swap(matrix[pivot * n + c], matrix[col * n + c]);
        std::swap(inverse[pivot * n + c], inverse[col * n + c]);
      }
    }
    const double scale = matrix[col * n + col];
    // The basis is sparse: only the span of the pivot row's nonzeros changes
    // the other rows. Its columns before `col` are zero already.
    std::size_t first = n, last = 0;
    for (std::size_t c = 0; c < n; ++c) {
      matrix[col * n + c] /= scale;
      inverse[col * n + c] /= scale;
      if (inverse[col * n + c] != 0.0) {
        first = std::min(first, c);
        last = c + 1;
      }
    }
    for (std::size_t r = 0; r < n; ++r) {
      const double factor = matrix[r * n + col];
      if (r == col || factor == 0.0) continue;
      for (std::size_t c = col; c < n; ++c) matrix[r * n + c] -= factor * matrix[col * n + c];
      for (std::size_t c = first; c < last; ++c)
        inverse[r * n + c] -= factor * inverse[col * n + c];
    }
  }
  inverse_ = std::move(inverse);
  for (std::size_t r = 0; r < n; ++r) {
    double value = 0.0;
    for (std::size_t c = 0; c < n; ++c) value += inverse_[r * n + c] * rhs_[c];
    basic_values_[r] = value < 0.0 ? 0.0 : value;
  }
  pivots_since_refactor_ = 0;
}

void PatternLp::ComputeDuals() {
  const std::size_t n = Rows();
  duals_.assign(n, 0.0);
  for (std::size_t r = 0; r < n; ++r) {
    const double cost = costs_[basis_[r]];
    if (cost == 0.0) continue;
    for (std::size_t c = 0; c < n; ++c) duals_[c] += cost * inverse_[r * n + c];
  }
}

double PatternLp::ReducedCost(std::size_t column) const {
  double reduced = costs_[column];
  for (const auto& [row, value] : columns_[column]) reduced -= duals_[row] * value;
  return reduced;
}

std::size_t PatternLp::Entering(bool bland) const {
  std::size_t best = Columns();
  double best_cost = -kReducedCostTolerance;
  for (std::size_t j = 0; j < Columns(); ++j) {
    if (basic_row_[j] < Rows()) continue;
    // Scaled by the column's length, so that long patterns do not win for
    // their size alone.
    const double reduced = ReducedCost(j) / norms_[j];
    if (reduced < best_cost) {
      if (bland) return j;
      best = j;
      best_cost = reduced;
    }
  }
  return best;
}

void PatternLp::Pivot(std::size_t entering, std::size_t row, const std::vector<double>& direction) {
  const std::size_t n = Rows();
  const double pivot = direction[row];
  const double step = basic_values_[row] / pivot;
  const double reduced = ReducedCost(entering);
  std::vector<std::size_t> nonzero;
  for (std::size_t c = 0; c < n; ++c) {
    inverse_[row * n + c] /= pivot;
    if (inverse_[row * n + c] != 0.0) nonzero.push_back(c);
  }
  const std::size_t first = nonzero.empty() ? 0 : nonzero.front();
  const std::size_t last = nonzero.empty() ? 0 : nonzero.back() + 1;
  for (std::size_t r = 0; r < n; ++r) {
    if (r == row || direction[r] == 0.0) continue;
    const double factor = direction[r];
    double* target = &inverse_[r * n];
    const double* source = &inverse_[row * n];
    for (std::size_t c = first; c < last; ++c) target[c] -= factor * source[c];
    const double value = basic_values_[r] - step * factor;
    basic_values_[r] = value < 0.0 ? 0.0 : value;
  }
  // The duals move along the new row of the inverse by the entering reduced cost.
  for (const std::size_t c : nonzero) duals_[c] += reduced * inverse_[row * n + c];
  basic_values_[row] = step;
  basic_row_[basis_[row]] = n;
  basis_[row] = entering;
  basic_row_[entering] = row;
  ++pivots_since_refactor_;
}

bool PatternLp::Solve(WorkMeter& meter) {
  const std::size_t n = Rows();
  int degenerate = 0;
  std::vector<double> direction(n);
  for (;;) {
    const bool bland = degenerate >= kDegenerateRun;
    if (pivots_since_refactor_ >= kRefactorEvery) {
      Refactor();
      ComputeDuals();
      if (!meter.Add(static_cast<std::int64_t>(n * n * n / 8 + 1))) return false;
    }
    const std::size_t entering = Entering(bland);
    if (!meter.Add(static_cast<std::int64_t>(n * n / 2 + 4 * Columns()))) return false;
    if (entering == Columns()) return true;
    for (std::size_t r = 0; r < n; ++r) {
      double value = 0.0;
      for (const auto& [row, coefficient] : columns_[entering]) {
        value += inverse_[r * n + row] * coefficient;
      }
      direction[r] = value;
    }
    std::size_t leaving = n;
    double best_ratio = 0.0;
    for (std::size_t r = 0; r < n; ++r) {
      if (!(direction[r] > kPivotTolerance)) continue;
      const double ratio = basic_values_[r] / direction[r];
      // Ties: under Bland's rule to the first column, else to the largest pivot.
      const bool better_tie =
          leaving != n && ratio == best_ratio &&
          (bland ? basis_[r] < basis_[leaving] : direction[r] > direction[leaving]);
      if (leaving == n || ratio < best_ratio || better_tie) {
        leaving = r;
        best_ratio = ratio;
      }
    }
    // Unbounded cannot happen with costs of at least 0; stop rather than loop.
    if (leaving == n) return true;
    degenerate = best_ratio == 0.0 ? degenerate + 1 : 0;
    Pivot(entering, leaving, direction);
  }
}

}  // namespace segcalc::barplan
