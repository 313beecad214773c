#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "geometry/exact_geometry.h"
#include "geometry/ordinates.h"
#include "shopfloor/dxf_writer.h"
#include "shopfloor/full_size_pages.h"
#include "shopfloor/html_report.h"
#include "shopfloor/plain_number.h"
#include "shopfloor/tile_layout.h"

namespace segcalc {
namespace {

TEST(PlainNumber, NeverUsesExponentsOrTheUsersSeparators) {
  EXPECT_EQ(PlainNumber(1e20), "100000000000000000000");
  EXPECT_EQ(PlainNumber(-0.0), "0");
  EXPECT_EQ(PlainNumber(0.1234567, 4), "0.1235");
  EXPECT_EQ(PlainNumber(2.5, 6), "2.5");
  EXPECT_EQ(PlainNumber(1200.0), "1200");
  EXPECT_EQ(PlainNumber(NAN), "0");
  // Shortest form reads back as the same double.
  for (const double value : {0.1, 89.91405729169786, 1e-7, 123456.789012345}) {
    EXPECT_EQ(std::stod(PlainNumber(value)), value) << value;
  }
}

TEST(TileLayout, CoversTheDrawingWithTheFewestWindows) {
  for (const double width : {1.0, 190.0, 190.5, 370.0, 370.01, 2087.63, 12345.6}) {
    for (const double height : {1.0, 250.0, 250.01, 490.0, 610.72}) {
      const TileGrid grid = LayOutTiles(width, height);
      const int last_column = grid.columns - 1;
      const int last_row = grid.rows - 1;
      // The last window reaches the far edge, and the one before does not.
      EXPECT_GE(grid.left(last_column) + kTileWidthMm, width) << width;
      EXPECT_GE(grid.top(last_row) + kTileHeightMm, height) << height;
      if (last_column > 0) {
        EXPECT_LT(grid.left(last_column - 1) + kTileWidthMm, width);
      }
      if (last_row > 0) {
        EXPECT_LT(grid.top(last_row - 1) + kTileHeightMm, height);
      }
      // Neighbours overlap by exactly the overlap.
      EXPECT_DOUBLE_EQ(grid.left(0) + kTileWidthMm - grid.left(1), kTileOverlapMm);
    }
  }
}

TEST(DefaultOrdinateStep, GivesAboutTenStationsAtARoundStep) {
  for (const double chord : {0.37, 1.0, 9.99, 100.0, 2067.63, 34567.0}) {
    const double step = DefaultOrdinateStep(chord);
    const double stations = chord / step;
    EXPECT_GE(stations, 4) << chord;
    EXPECT_LE(stations, 10) << chord;
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    EXPECT_TRUE(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 ||
                std::abs(mantissa - 5) < 1e-9)
        << step;
  }
}

// The group code / value pairs of a DXF text.
std::vector<std::pair<int, std::string>> DxfPairs(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::pair<int, std::string>> pairs;
  std::string code, value;
  while (std::getline(in, code) && std::getline(in, value)) {
    pairs.emplace_back(std::stoi(code), value);
  }
  return pairs;
}

TEST(Dxf, IsWellFormedAndScalesToMillimetres) {
  const ExactSegment segment = SolveExact(Quantity::Chord, 10, Quantity::Radius, 5.5).segments[0];
  const ArcPart part = MakePart(segment, {1});
  const OrdinateTable& stations = part.ordinates;
  const auto pairs = DxfPairs(DxfText(part, 25.4));
  ASSERT_FALSE(pairs.empty());
  EXPECT_EQ(pairs.back(), std::make_pair(0, std::string("EOF")));
  int sections = 0, ends = 0, arcs = 0, ordinate_lines = 0;
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    if (pairs[i] == std::make_pair(0, std::string("SECTION"))) ++sections;
    if (pairs[i] == std::make_pair(0, std::string("ENDSEC"))) ++ends;
    if (pairs[i] == std::make_pair(0, std::string("ARC"))) {
      ++arcs;
      for (std::size_t j = i + 1; j < pairs.size() && pairs[j].first != 0; ++j) {
        if (pairs[j].first == 40) {
          EXPECT_NEAR(std::stod(pairs[j].second), 5.5 * 25.4, 1e-9);
        }
      }
    }
    if (pairs[i] == std::make_pair(8, std::string(kDxfOrdinateLayer))) ++ordinate_lines;
  }
  EXPECT_EQ(sections, 3);
  EXPECT_EQ(ends, 3);
  EXPECT_EQ(arcs, 1);
  // The two end stations lie on the chord: no line there.
  EXPECT_EQ(ordinate_lines, static_cast<int>(stations.rows.size()) - 2);
}

struct Report {
  ComputeRecord record;
  std::optional<ArcPart> part;
  OutputFormat format;
};

Report ReportOf(const char* arc, const char* chord, const char* height, double step) {
  TypedInput typed;
  typed.text(Quantity::Arc) = arc;
  typed.text(Quantity::Chord) = chord;
  typed.text(Quantity::Height) = height;
  Report report{RecordCompute(typed, {}), std::nullopt, {}};
  if (report.record.exact.segment) report.part = MakePart(*report.record.exact.segment, {step});
  return report;
}

// The start-up example, with markup typed into the box the compute ignores.
Report StartupReport() {
  return ReportOf("2491.78", "2067.63", "<b>&\"x\"", 200);
}

std::string ReportText(const Report& report) {
  std::ostringstream out;
  WriteReport(out, report.record, report.part ? &*report.part : nullptr, report.format);
  return out.str();
}

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
    ++count;
  }
  return count;
}

TEST(Report, IsSelfContainedAndEscapesWhatWasTyped) {
  const std::string html = ReportText(StartupReport());
  EXPECT_EQ(html.find("<script"), std::string::npos);
  for (const char* fetch : {"src=\"http", "href=\"http", "src=\"//", "href=\"//", "url(http"}) {
    EXPECT_EQ(html.find(fetch), std::string::npos) << fetch;
  }
  EXPECT_EQ(html.find("<b>&\""), std::string::npos);
  EXPECT_NE(html.find("&lt;b&gt;&amp;&quot;x&quot;"), std::string::npos);
  EXPECT_NE(html.find("@page { size: A4"), std::string::npos);
}

TEST(Report, HasOneSheetPerWindowAndEachHasACheckBar) {
  Report report = ReportOf("", "100", "20", 10);
  for (const LengthUnit unit : {LengthUnit::Millimetre, LengthUnit::Centimetre}) {
    report.format.unit = unit;
    const std::string html = ReportText(report);
    const TileGrid grid = FullSizeGrid(report.part->segment, MillimetresPer(unit));
    EXPECT_EQ(static_cast<long long>(Count(html, "<section class=\"sheet\">")), grid.count());
    // One on every sheet, and one on the first page.
    EXPECT_EQ(static_cast<long long>(Count(html, "class=\"check-bar\"")), grid.count() + 1);
    std::ostringstream last_sheet;
    last_sheet << 'R' << grid.rows << "-C" << grid.columns;
    EXPECT_NE(html.find(last_sheet.str()), std::string::npos);
  }
  // An arc of 2 km: no sheets, and the report says so.
  report = StartupReport();
  report.format.unit = LengthUnit::Metre;
  const std::string html = ReportText(report);
  EXPECT_EQ(Count(html, "<section class=\"sheet\">"), 0u);
  EXPECT_NE(html.find("超过"), std::string::npos);
}

TEST(Report, WithoutAnExactCircleGivesTheReasonAndNoDrawing) {
  const Report report = ReportOf("100", "200", "", 1);
  ASSERT_FALSE(report.part);
  const std::string html = ReportText(report);
  EXPECT_NE(html.find(report.record.exact.reason), std::string::npos);
  EXPECT_EQ(html.find("class=\"overview\""), std::string::npos);
  EXPECT_EQ(html.find("class=\"sheet\""), std::string::npos);
}

}  // namespace
}  // namespace segcalc
