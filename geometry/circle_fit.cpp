#include "geometry/circle_fit.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "geometry/least_squares3.h"

namespace segcalc {
namespace {

// Points whose distance from their best straight line is below this share of
// their spread along it are a line: a 3 m run bowed by 3 micrometres has no
// radius anyone could measure.
constexpr double kMinBend = 1e-6;

// Each iteration either takes a step or raises the damping; the sum falls by
// orders of magnitude per step near the answer, so this is never reached on
// points from an arc, only on data that has no clear circle at all.
constexpr int kMaxIterations = 200;

struct Circle {
  double a = 0.0;  // centre
  double b = 0.0;
  double r = 0.0;
};

// The points moved to their mean and divided by their largest offset from it,
// so that every coordinate lies within [-1, 1] whatever the unit and place.
struct Normalised {
  std::vector<PlanePoint> points;
  PlanePoint mean;
  double scale = 0.0;
};

Normalised Normalise(std::span<const PlanePoint> points) {
  Normalised n;
  const double count = static_cast<double>(points.size());
  for (const PlanePoint& p : points) {
    n.mean.x += p.x / count;
    n.mean.y += p.y / count;
  }
  for (const PlanePoint& p : points) {
    n.scale = std::max({n.scale, std::abs(p.x - n.mean.x), std::abs(p.y - n.mean.y)});
  }
  if (n.scale == 0) return n;
  n.points.reserve(points.size());
  for (const PlanePoint& p : points) {
    n.points.push_back({(p.x - n.mean.x) / n.scale, (p.y - n.mean.y) / n.scale});
  }
  return n;
}

// The RMS distance of the points from the line through their mean along
// their largest spread, as a share of their RMS spread along it. Measured
// directly, not from the scatter matrix's eigenvalues, whose difference
// would cancel for points close to a line.
double Bend(const std::vector<PlanePoint>& points) {
  double uu = 0, uv = 0, vv = 0;
  for (const PlanePoint& p : points) {
    uu += p.x * p.x;
    uv += p.x * p.y;
    vv += p.y * p.y;
  }
  const double direction = std::atan2(2 * uv, uu - vv) / 2;
  const double c = std::cos(direction), s = std::sin(direction);
  double along = 0, across = 0;
  for (const PlanePoint& p : points) {
    along += (c * p.x + s * p.y) * (c * p.x + s * p.y);
    across += (c * p.y - s * p.x) * (c * p.y - s * p.x);
  }
  return std::sqrt(across / along);
}

// Kasa's fit: x^2 + y^2 + D x + E y + F = 0 by linear least squares. Biased
// towards small circles on short arcs, but close enough to start from.
std::optional<Circle> AlgebraicFit(const std::vector<PlanePoint>& points) {
  std::vector<Row3> rows;
  std::vector<double> rhs;
  rows.reserve(points.size());
  rhs.reserve(points.size());
  for (const PlanePoint& p : points) {
    rows.push_back({p.x, p.y, 1.0});
    rhs.push_back(-(p.x * p.x + p.y * p.y));
  }
  const auto def = LeastSquares3(std::move(rows), std::move(rhs));
  if (!def) return std::nullopt;
  const Circle c{-(*def)[0] / 2, -(*def)[1] / 2, 0.0};
  const double r2 = c.a * c.a + c.b * c.b - (*def)[2];
  if (!(r2 > 0)) return std::nullopt;
  return Circle{c.a, c.b, std::sqrt(r2)};
}

double Residual(const PlanePoint& p, const Circle& c) {
  return std::hypot(p.x - c.a, p.y - c.b) - c.r;
}

double SumOfSquares(const std::vector<PlanePoint>& points, const Circle& c) {
  double sum = 0;
  for (const PlanePoint& p : points) sum += Residual(p, c) * Residual(p, c);
  return sum;
}

struct Refined {
  Circle circle;
  int iterations = 0;
  bool converged = false;
};

// Levenberg-Marquardt on (a, b, r): each step solves the Jacobian's least
// squares problem with Marquardt's damping rows appended, by QR.
Refined Refine(const std::vector<PlanePoint>& points, Circle circle) {
  double cost = SumOfSquares(points, circle);
  double damping = 1e-3;
  Refined out{circle, 0, false};
  const std::size_t n = points.size();
  std::vector<Row3> jacobian(n);
  std::vector<double> residuals(n);
  for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
    Row3 column_norms{};
    for (std::size_t i = 0; i < n; ++i) {
      const double dx = points[i].x - circle.a, dy = points[i].y - circle.b;
      const double d = std::hypot(dx, dy);
      jacobian[i] = {d > 0 ? -dx / d : 0.0, d > 0 ? -dy / d : 0.0, -1.0};
      residuals[i] = d - circle.r;
      for (int j = 0; j < 3; ++j) column_norms[j] += jacobian[i][j] * jacobian[i][j];
    }
    std::vector<Row3> rows = jacobian;
    std::vector<double> rhs(n);
    for (std::size_t i = 0; i < n; ++i) rhs[i] = -residuals[i];
    for (int j = 0; j < 3; ++j) {
      Row3 damping_row{};
      damping_row[j] = std::sqrt(damping * column_norms[j]);
      rows.push_back(damping_row);
      rhs.push_back(0.0);
    }
    const auto step = LeastSquares3(std::move(rows), std::move(rhs));
    out.iterations = iteration + 1;
    const Circle trial =
        step ? Circle{circle.a + (*step)[0], circle.b + (*step)[1], circle.r + (*step)[2]} : circle;
    const double trial_cost = step ? SumOfSquares(points, trial) : cost;
    if (trial_cost < cost) {
      const double size = std::max({std::abs(circle.a), std::abs(circle.b), circle.r, 1.0});
      const bool tiny_step = std::max({std::abs((*step)[0]), std::abs((*step)[1]),
                                       std::abs((*step)[2])}) <= 1e-13 * size;
      const bool tiny_gain = cost - trial_cost <= 1e-15 * cost;
      circle = trial;
      cost = trial_cost;
      damping = std::max(damping / 10, 1e-12);
      if (tiny_step || tiny_gain) {
        out.converged = true;
        break;
      }
    } else {
      // No lower sum along any damped step: a minimum, to the last bit.
      damping *= 10;
      if (damping > 1e12) {
        out.converged = true;
        break;
      }
    }
  }
  out.circle = circle;
  return out;
}

std::string CheckPoints(std::span<const PlanePoint> points) {
  if (points.size() < 3) return "拟合圆至少需要 3 个测点";
  if (points.size() > kMaxFitPoints)
    return "测点太多,最多 " + std::to_string(kMaxFitPoints) + " 个";
  for (std::size_t i = 0; i < points.size(); ++i) {
    const PlanePoint& p = points[i];
    if (!(std::abs(p.x) <= kMaxFitCoordinate && std::abs(p.y) <= kMaxFitCoordinate)) {
      return "第 " + std::to_string(i + 1) + " 个测点的坐标不是有效的数或太大";
    }
  }
  return {};
}

}  // namespace

Checked<CircleFit> FitCircle(std::span<const PlanePoint> points,
                             std::optional<double> target_radius) {
  if (std::string problem = CheckPoints(points); !problem.empty()) return Refused(problem);
  if (target_radius && !(std::isfinite(*target_radius) && *target_radius > 0)) {
    return Refused("目标半径应为大于 0 的数");
  }
  const Normalised normalised = Normalise(points);
  if (normalised.scale == 0) return Refused("测点全部重合,无法拟合圆");
  if (!(Bend(normalised.points) >= kMinBend)) return Refused("测点几乎在一条直线上,无法拟合圆");
  const std::optional<Circle> start = AlgebraicFit(normalised.points);
  if (!start) return Refused("测点几乎在一条直线上,无法拟合圆");
  const Refined refined = Refine(normalised.points, *start);
  if (!refined.converged) return Refused("拟合未能收敛,测点不像在一个圆上");

  const double scale = normalised.scale;
  CircleFit fit;
  fit.radius = refined.circle.r * scale;
  fit.centre = {normalised.mean.x + refined.circle.a * scale,
                normalised.mean.y + refined.circle.b * scale};
  fit.residuals.reserve(normalised.points.size());
  for (const PlanePoint& p : normalised.points) {
    fit.residuals.push_back(Residual(p, refined.circle) * scale);
    fit.max_residual = std::max(fit.max_residual, std::abs(fit.residuals.back()));
  }
  fit.iterations = refined.iterations;
  if (!(std::isfinite(fit.radius) && fit.radius > 0 && std::isfinite(fit.max_residual))) {
    return Refused("数值超出可计算的范围");
  }
  if (target_radius) fit.radius_difference = fit.radius - *target_radius;
  return Accepted(fit);
}

}  // namespace segcalc
