#pragma once

namespace segcalc {

// How a full-size drawing is cut into A4 pages: each page shows a window of
// kTileWidthMm by kTileHeightMm; neighbouring windows share kTileOverlapMm, so
// the sheets can be laid over each other and their alignment marks matched.
inline constexpr double kTileWidthMm = 190;
inline constexpr double kTileHeightMm = 250;
inline constexpr double kTileOverlapMm = 10;
// Blank paper kept around the arc itself, so its line never runs along the
// edge of a page.
inline constexpr double kDrawingMarginMm = 10;

struct TileGrid {
  int columns = 1;
  int rows = 1;
  double width = 0;  // the whole drawing, margins included, in mm
  double height = 0;

  long long count() const { return static_cast<long long>(columns) * rows; }
  // The top left corner of a window in the drawing's coordinates.
  double left(int column) const { return column * (kTileWidthMm - kTileOverlapMm); }
  double top(int row) const { return row * (kTileHeightMm - kTileOverlapMm); }
};

// The fewest windows that cover a drawing of the given size (in mm).
TileGrid LayOutTiles(double width_mm, double height_mm);

}  // namespace segcalc
