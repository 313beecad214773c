#include "shopfloor/part_sections.h"

#include "shopfloor/section_builder.h"

namespace segcalc {
namespace {

template <typename T>
const T* IfOk(const std::optional<Checked<T>>& part) {
  return part && part->ok() ? &*part->value : nullptr;
}

PartSection StationSection(const std::vector<Station>* stations, const SectionLayout& layout,
                           const OutputFormat& format) {
  SectionBuilder section(
      "放样点", layout.segment_values
                    ? "x 自弦的中点起,y 为该点到圆弧的垂直距离,s 为自圆弧左端沿弧到该点的长度。"
                    : "x 自跨度的中点起,y 为该点在起拱线以上的高度,s 为自左端沿拱到该点的长度。");
  SectionTable table{"放样", "放样点", {"x", "y", "s"}, {}};
  if (stations) {
    for (const Station& station : *stations) {
      table.rows.push_back(
          {format.Length(station.x), format.Length(station.y), format.Length(station.s)});
    }
  }
  section.Table(std::move(table));
  return section.Done(stations != nullptr);
}

PartSection AreaSection(const SegmentArea* area, const SectionLayout& layout,
                        const OutputFormat& format) {
  SectionBuilder section("面积", {});
  const auto text = [&](double value, bool square) {
    if (!area) return std::string();
    return square ? format.Area(value) : format.Length(value);
  };
  if (layout.segment_values) {
    section.Value("弓形面积", text(area ? area->segment : 0, true));
    section.Value("扇形面积", text(area ? area->sector : 0, true));
  }
  section.Value("周长", text(area ? area->perimeter : 0, false));
  return section.Done(area != nullptr);
}

}  // namespace

SectionLayout LayoutOf(std::optional<ArchShape> shape, bool quarter, bool legs,
                       const PartRequest& request) {
  SectionLayout layout;
  layout.head = shape.has_value();
  const ArchShape named = shape.value_or(ArchShape::Segment);
  layout.segment_values = named == ArchShape::Segment && !quarter;
  layout.uniform_pieces = layout.segment_values || (named == ArchShape::Semicircle && !quarter);
  layout.legs = legs;
  layout.ellipse = named == ArchShape::Ellipse;
  layout.profile = request.profile.has_value();
  layout.divisions = request.divisions.has_value();
  layout.stations = request.stations.has_value();
  layout.area = request.area;
  return layout;
}

SectionLayout LayoutOf(const ArcPart& part) {
  PartRequest asked;
  if (part.profile) asked.profile = ProfileRequest{};
  if (part.divisions) asked.divisions = DivisionRequest{};
  if (part.stations) asked.stations = StationPlan{};
  asked.area = part.area.has_value();
  const ArchHead& head = part.head;
  return LayoutOf(head.named ? std::optional(head.shape) : std::nullopt, head.quarter.has_value(),
                  head.legs.has_value(), asked);
}

std::vector<std::string> PieceColumns() {
  return {"段", "半径", "弧长", "夹角", "圆心x", "圆心y"};
}

std::vector<std::string> PieceRow(std::size_t i, const ArcPiece& piece,
                                  const OutputFormat& format) {
  return {std::to_string(i),
          format.Length(piece.radius),
          format.Length(piece.Length()),
          format.Angle(piece.SweepDegrees()),
          format.Length(piece.centre_x),
          format.Length(piece.centre_y)};
}

std::vector<PartSection> PartSections(const ArcPart* part, const SectionLayout& layout,
                                      const OutputFormat& format) {
  std::vector<PartSection> sections;
  if (layout.head) sections.push_back(HeadSection(part, layout, format));
  if (layout.profile) {
    sections.push_back(ProfileSection(part ? IfOk(part->profile) : nullptr, layout, format));
  }
  if (layout.divisions) {
    sections.push_back(DivisionSection(part ? IfOk(part->divisions) : nullptr, layout, format));
  }
  if (layout.stations) {
    sections.push_back(StationSection(part ? IfOk(part->stations) : nullptr, layout, format));
  }
  if (layout.area) {
    sections.push_back(AreaSection(part && part->area ? &*part->area : nullptr, layout, format));
  }
  return sections;
}

namespace {

// One member of every value a batch has a column for, in order.
std::vector<std::string> OfColumns(const std::vector<PartSection>& sections,
                                   std::string SectionValue::*member) {
  std::vector<std::string> cells;
  for (const PartSection& section : sections) {
    for (const SectionBlock& block : section.blocks) {
      for (const SectionValue& value : block.values) {
        if (value.in_columns) cells.push_back(value.*member);
      }
    }
  }
  return cells;
}

}  // namespace

std::vector<std::string> ColumnLabels(const std::vector<PartSection>& sections) {
  return OfColumns(sections, &SectionValue::label);
}

std::vector<std::string> ColumnTexts(const std::vector<PartSection>& sections) {
  return OfColumns(sections, &SectionValue::text);
}

std::string SectionLines(const std::vector<PartSection>& sections) {
  std::string lines;
  for (const PartSection& section : sections) {
    if (!section.filled) continue;
    for (const SectionBlock& block : section.blocks) {
      for (const SectionValue& value : block.values) {
        if (value.in_lines) lines += value.label + '\t' + value.text + '\n';
      }
      if (!block.table) continue;
      for (const std::vector<std::string>& row : block.table->rows) {
        lines += block.table->line_label;
        for (const std::string& cell : row) lines += '\t' + cell;
        lines += '\n';
      }
    }
  }
  return lines;
}

}  // namespace segcalc
