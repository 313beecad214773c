// The paper the full-size sheets are printed on, a roll's strips and the map
// of the sheets.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "geometry/arc_part.h"
#include "geometry/arch_shapes.h"
#include "shopfloor/assembly_map.h"
#include "shopfloor/full_size_pages.h"
#include "shopfloor/sheet_paper.h"

namespace segcalc {
namespace {

// The window each sheet shows: ISO 216 less 10 mm margins, and down the page
// less the 27 mm heading too (190 x 250 mm on A4, as the README says).
TEST(SheetPaper, ReadsIsoSizesAndRolls) {
  const struct {
    const char* text;
    double across, down;  // 0 when refused; down 0 for a roll
  } cases[] = {
      {"A4", 190, 250},       {"a0", 821, 1142},    {"A3", 277, 373},
      {"A1", 574, 794},       {"roll:914", 894, 0}, {"卷筒:610", 590, 0},
      {"roll:2000", 1980, 0}, {"A5", 0, 0},         {"A", 0, 0},
      {"A44", 0, 0},          {"roll:", 0, 0},      {"roll:199.9", 0, 0},
      {"roll:2001", 0, 0},    {"roll:9x", 0, 0},    {"", 0, 0},
  };
  for (const auto& c : cases) {
    const std::optional<SheetPaper> paper = ParsePaper(c.text);
    ASSERT_EQ(paper.has_value(), c.across > 0) << c.text;
    if (!paper) continue;
    EXPECT_DOUBLE_EQ(paper->WindowWidth(), c.across) << c.text;
    EXPECT_EQ(paper->roll, c.down == 0) << c.text;
    if (!paper->roll) {
      EXPECT_DOUBLE_EQ(paper->WindowHeight(), c.down) << c.text;
    }
    // What it reads back as is read the same way.
    EXPECT_EQ(ParsePaper(paper->key)->width, paper->width) << c.text;
  }
}

ArcPart Segment(double chord, double height) {
  const ExactSegment segment =
      SolveExact(Quantity::Chord, chord, Quantity::Height, height).segments[0];
  return MakePart(segment, {});
}

ArcPart EllipseOnLegs() {
  HeadRequest request;
  request.shape = ArchShape::Ellipse;
  request.span = 3000;
  request.rise = 1000;
  request.legs = Legs{800, 800};
  return MakePart(*MakeHead(request).value, {});
}

// On a roll each column the arch passes through is one strip, reaching over
// all of it in that column and no more than one 40 mm row beyond: walked
// along the arch's own curve (and legs), not along the drawing's pieces.
TEST(SheetPlan, ARollsStripsFollowTheArchColumnByColumn) {
  const struct {
    const char* name;
    ArcPart part;
    std::function<PlanePoint(double)> at;  // t from 0 to 1 along what the sheets follow
    double min_x, max_y;                   // the drawing's extent
  } cases[] = {
      {"CurtainWall", Segment(8000, 1000),
       [](double t) {
         const double a = std::asin(4000.0 / 8500) * (2 * t - 1);
         return PlanePoint{8500 * std::sin(a), 8500 * std::cos(a) - 7500};
       },
       -4000, 1000},
      {"EllipseOnLegs", EllipseOnLegs(),
       [](double t) {
         // Up the left leg, over the ellipse, down the right leg, along the sill.
         if (t < 0.25) return PlanePoint{-1500, -800 + 3200 * t};
         if (t < 0.5) {
           const double a = std::numbers::pi * (1 - (t - 0.25) * 4);
           return PlanePoint{1500 * std::cos(a), 1000 * std::sin(a)};
         }
         if (t < 0.75) return PlanePoint{1500, -3200 * (t - 0.5)};
         return PlanePoint{1500 - 12000 * (t - 0.75), -800};
       },
       -1500, 1000},
  };
  const SheetPaper roll = *ParsePaper("roll:914");
  for (const auto& c : cases) {
    const SheetPlan plan = PlanSheets(DrawPart(c.part, {}, GuideLines::Ticks), roll);
    std::vector<std::pair<double, double>> band(static_cast<std::size_t>(plan.grid.columns),
                                                {INFINITY, -INFINITY});
    for (int i = 0; i <= 200'000; ++i) {
      const PlanePoint p = c.at(i / 200'000.0);
      const double x = 10 + p.x - c.min_x, y = 10 + c.max_y - p.y;
      for (int column = 0; column < plan.grid.columns; ++column) {
        if (x < column * 884.0 || x > column * 884.0 + 894) continue;
        auto& [low, high] = band[static_cast<std::size_t>(column)];
        low = std::min(low, y), high = std::max(high, y);
      }
    }
    std::size_t strips = 0;
    for (int column = 0; column < plan.grid.columns; ++column) {
      const auto [low, high] = band[static_cast<std::size_t>(column)];
      if (low > high) continue;
      ASSERT_LT(strips, plan.printed.size()) << c.name;
      const SheetPlan::Sheet& strip = plan.printed[strips++];
      EXPECT_EQ(strip.column, column) << c.name;
      EXPECT_LE(strip.top, low) << c.name << " column " << column;
      EXPECT_GE(strip.top + strip.height, high) << c.name << " column " << column;
      EXPECT_LE(low - strip.top, 40) << c.name << " column " << column;
      EXPECT_LE(strip.top + strip.height - high, 40) << c.name << " column " << column;
    }
    EXPECT_EQ(strips, plan.printed.size()) << c.name;
  }
}

// However many sheets, the map's labels print at 2.5 mm or more, within the
// page's width, and every printed sheet is on it.
TEST(AssemblyMap, KeepsItsLabelsReadableAtAnySheetCount) {
  const struct {
    const char* name;
    ArcPart part;
    const char* paper;
    bool pieces;  // too many sheets for one map
  } cases[] = {
      {"StartUp", Segment(2067.63, 591.83), "A4", false},
      {"LongWall", Segment(18000, 1500), "A4", true},
      {"LongWallOnA0", Segment(18000, 1500), "A0", false},
      {"LongWallOnARoll", Segment(18000, 1500), "roll:914", false},
  };
  const std::regex svg(
      "<svg class=\"assembly\" width=\"([\\d.]+)mm\" height=\"[\\d.]+mm\" "
      "viewBox=\"[-\\d.]+ [-\\d.]+ ([\\d.]+) [\\d.]+\">");
  const std::regex label("font-size=\"([\\d.]+)\"[^>]*>(R\\d+-C\\d+)</text>");
  for (const auto& c : cases) {
    const SheetPaper paper = *ParsePaper(c.paper);
    const PartDrawing drawing = DrawPart(c.part, {}, GuideLines::Ticks);
    const SheetPlan plan = PlanSheets(drawing, paper);
    const double width = paper.ContentWidth() - 10;
    const std::vector<std::string> pieces = AssemblyMap(drawing, plan, width, 217);
    EXPECT_EQ(pieces.size() > 1, c.pieces) << c.name << ": " << pieces.size();
    std::set<std::string> mapped;
    for (const std::string& piece : pieces) {
      std::smatch box;
      ASSERT_TRUE(std::regex_search(piece, box, svg)) << c.name;
      const double mm = std::stod(box[1]), user = std::stod(box[2]);
      EXPECT_LE(mm, width + 1e-9) << c.name;
      for (auto it = std::sregex_iterator(piece.begin(), piece.end(), label);
           it != std::sregex_iterator(); ++it) {
        EXPECT_GE(std::stod((*it)[1]) * mm / user, kMapReadableFontMm - 1e-3) << (*it)[2];
        mapped.insert((*it)[2]);
      }
    }
    std::set<std::string> printed;
    for (const SheetPlan::Sheet& sheet : plan.printed) printed.insert(SheetLabel(sheet));
    EXPECT_EQ(mapped, printed) << c.name;
  }
}

}  // namespace
}  // namespace segcalc
