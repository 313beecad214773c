#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shopfloor/length_unit.h"

namespace segcalc {

// The shop-floor outputs beside the calculator's results: exact values, the
// ordinate table, the printable report and the drawing, the head's shape,
// and what the shop makes from it. Values are kept as typed and read when
// used; shop_option_table.cpp says which option fills which.
struct ShopOptions {
  bool exact = false;
  std::optional<std::string> ordinate_step;  // read like the chord and height
  std::optional<std::string> report_file;
  std::optional<std::string> dxf_file;
  // The report's full-size sheets: the paper (A4 unless given) and whether
  // the chord and the ordinates are drawn in full across them.
  std::optional<std::string> paper;
  bool full_lines = false;
  std::optional<std::string> radius;  // with radius or angle the calculator's
  std::optional<std::string> angle;   // scan does not run, only the exact solve
  LengthUnit unit = LengthUnit::Millimetre;
  std::optional<std::string> dxf_dir;  // batch: one drawing per line with a circle

  // The head, when it is not the segment the calculator solves: its shape,
  // span and rise (or the chord and height given for them), a pointed arch's
  // radius (radius above), a three-centred one's small radius, legs, a
  // quarter, and how an ellipse is bent.
  std::optional<std::string> shape;
  std::optional<std::string> span;
  std::optional<std::string> rise;
  std::optional<std::string> small_radius;
  std::optional<std::string> legs;  // H or HL,HR, an option list
  std::optional<std::string> quarter;
  std::optional<std::string> bend_arcs;
  std::optional<std::string> bend_tolerance;

  // A profile bent to the arc.
  std::optional<std::string> profile_depth;
  std::optional<std::string> face;  // inner, centre or outer: which one was measured
  std::optional<std::string> neutral;
  std::optional<std::string> tails;  // A[,B], an option list
  std::optional<std::string> trim;
  // The arc in equal pieces: by count, or the least count for a deviation or
  // a panel width. At most one.
  std::optional<std::string> pieces;
  std::optional<std::string> max_deviation;
  std::optional<std::string> max_panel;
  std::optional<std::string> stations;  // from-end:STEP, divide:N or list:a,b,c
  bool area = false;
  std::optional<std::string> fit_file;  // measured points of a bent piece
  std::optional<std::string> target;    // the radius the piece should have

  // The cutting list as people read it, and the plan of the bars to cut:
  // pieces from the batch or a plain list, the stock lengths, the rack, the
  // saw's rules.
  std::optional<std::string> sheet_file;
  std::optional<std::string> plan_file;  // "-": standard output
  std::optional<std::string> plan_from;
  std::optional<std::string> bars;  // L[,L2...], an option list
  std::optional<std::string> stock_file;
  std::optional<std::string> kerf;
  std::optional<std::string> bar_ends;  // A[,B], an option list
  std::optional<std::string> min_offcut;

  bool GivesRadiusOrAngle() const { return !shape && (radius || angle); }
  // A head other than the calculator's segment: no scan runs.
  bool NamesShape() const { return shape.has_value(); }
  bool AsksForPart() const {
    return profile_depth || pieces || max_deviation || max_panel || stations || area;
  }
  // Each batch line's row is kept: for the sheet, and for the plan's pieces.
  bool WantsSheetRows() const { return sheet_file || plan_file; }
  bool WantsSingleOutput() const {
    return exact || ordinate_step || report_file || dxf_file || GivesRadiusOrAngle() ||
           NamesShape() || AsksForPart();
  }
};

}  // namespace segcalc
