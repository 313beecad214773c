#include "shopfloor/tile_layout.h"

#include <cmath>

namespace segcalc {
namespace {

// Windows of `window` mm that advance by window - overlap until one reaches
// the far edge.
int WindowsAcross(double length, double window) {
  if (!(length > window)) return 1;
  const double stride = window - kTileOverlapMm;
  const double more = std::ceil((length - window) / stride);
  return more > 1e6 ? 1'000'001 : 1 + static_cast<int>(more);
}

}  // namespace

TileGrid LayOutTiles(double width_mm, double height_mm, double window_width, double window_height) {
  TileGrid grid;
  grid.width = width_mm;
  grid.height = height_mm;
  grid.window_width = window_width;
  grid.window_height = window_height;
  grid.columns = WindowsAcross(width_mm, window_width);
  grid.rows = WindowsAcross(height_mm, window_height);
  return grid;
}

}  // namespace segcalc
