#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "geometry/barplan/work_meter.h"

namespace segcalc::barplan {

// A column of the LP: (row, coefficient) pairs, rows ascending.
using SparseColumn = std::vector<std::pair<std::uint32_t, double>>;

// A small LP over the patterns, min c·x subject to A x = b and x >= 0, by the
// revised simplex method with the basis inverse kept dense. It is exact in
// the sense the plan needs: it runs to optimality, not to a guess, and every
// choice is made by a total order (the most negative scaled reduced cost, ties to
// the first column; the least ratio, ties to the largest pivot, then to the
// first row), so that every build takes the same pivots. Reduced costs are
// compared per length of their column. After a run of
// degenerate pivots it takes the first improving column instead (Bland's
// rule), which cannot cycle.
class PatternLp {
 public:
  // One row for each right-hand side (all at least 0) and, for each, a unit
  // column on that row with the given cost: the starting basis.
  PatternLp(std::vector<double> rhs, const std::vector<double>& start_costs);

  std::size_t AddColumn(double cost, SparseColumn column);

  // False when the meter ran out first; the basis is then feasible but
  // perhaps not optimal.
  bool Solve(WorkMeter& meter);

  std::size_t Rows() const { return rhs_.size(); }
  std::size_t Columns() const { return costs_.size(); }
  // The dual values of the rows at the last basis.
  const std::vector<double>& Duals() const { return duals_; }
  double Value(std::size_t column) const;
  double Objective() const;

 private:
  void Refactor();
  void ComputeDuals();
  double ReducedCost(std::size_t column) const;
  // The column the basis enters next, or Columns() at optimality.
  std::size_t Entering(bool bland) const;
  void Pivot(std::size_t entering, std::size_t row, const std::vector<double>& direction);

  std::vector<double> rhs_;
  std::vector<double> costs_;
  std::vector<double> norms_;  // of each column, with the cost's 1
  std::vector<SparseColumn> columns_;
  std::vector<std::size_t> basis_;      // the column basic in each row
  std::vector<std::size_t> basic_row_;  // the row a column is basic in, or Rows()
  std::vector<double> inverse_;         // the basis inverse, row by row
  std::vector<double> basic_values_;    // x of the basic columns, row by row
  std::vector<double> duals_;
  int pivots_since_refactor_ = 0;
};

}  // namespace segcalc::barplan
