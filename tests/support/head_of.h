#pragma once

#include <cstddef>
#include <optional>

#include "geometry/arch_shapes.h"

namespace segcalc::testing_heads {

// A head by its shape and sizes, the rest as HeadRequest leaves it.
inline HeadRequest HeadOf(ArchShape shape, double span, std::optional<double> rise,
                          std::optional<double> radius = std::nullopt,
                          std::optional<std::size_t> arcs = std::nullopt) {
  HeadRequest head;
  head.shape = shape;
  head.span = span;
  head.rise = rise;
  head.radius = radius;
  head.bend_arcs = arcs;
  return head;
}

}  // namespace segcalc::testing_heads
