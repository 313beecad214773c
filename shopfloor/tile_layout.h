#pragma once

namespace segcalc {

// How a full-size drawing is cut into pages: each page shows a window of the
// drawing as large as the paper allows (190 by 250 mm on A4); neighbouring
// windows share kTileOverlapMm, so the sheets can be laid over each other and
// their alignment marks matched.
inline constexpr double kTileOverlapMm = 10;
// Blank paper kept around the arc itself, so its line never runs along the
// edge of a page.
inline constexpr double kDrawingMarginMm = 10;

struct TileGrid {
  int columns = 1;
  int rows = 1;
  double width = 0;  // the whole drawing, margins included, in mm
  double height = 0;
  double window_width = 190;  // what one page shows
  double window_height = 250;

  long long count() const { return static_cast<long long>(columns) * rows; }
  // The top left corner of a window in the drawing's coordinates.
  double left(int column) const { return column * (window_width - kTileOverlapMm); }
  double top(int row) const { return row * (window_height - kTileOverlapMm); }
};

// The fewest windows of the given size that cover a drawing of the given
// size (all in mm).
TileGrid LayOutTiles(double width_mm, double height_mm, double window_width, double window_height);

}  // namespace segcalc
