#pragma once

#include <string>
#include <utility>
#include <vector>

#include "shopfloor/part_sections.h"

namespace segcalc {

// Collects a section's values and tables in order; a value's text is given
// only when there is a part, so that the same calls name a batch's columns.
class SectionBuilder {
 public:
  SectionBuilder(std::string title, std::string note) {
    section_.title = std::move(title);
    section_.note = std::move(note);
  }

  SectionValue& Value(std::string label, std::string text) {
    if (section_.blocks.empty() || section_.blocks.back().table) section_.blocks.emplace_back();
    section_.blocks.back().values.push_back({std::move(label), std::move(text), {}, {}});
    return section_.blocks.back().values.back();
  }
  // A value in the grid of faces and quantities: 内侧半径 is 内侧 by 半径.
  SectionValue& Grid(const std::string& row, const std::string& column, std::string text) {
    SectionValue& value = Value(row + column, std::move(text));
    value.row = row;
    value.column = column;
    return value;
  }
  void Table(SectionTable table) {
    if (table.rows.empty()) return;
    section_.blocks.push_back({{}, std::move(table)});
  }
  PartSection Done(bool filled) {
    section_.filled = filled;
    return std::move(section_);
  }

 private:
  PartSection section_;
};

// The sections of each part of the shop's work, in their own files.
PartSection HeadSection(const ArcPart* part, const SectionLayout& layout,
                        const OutputFormat& format);
PartSection ProfileSection(const ProfileBend* bend, const SectionLayout& layout,
                           const OutputFormat& format);
PartSection DivisionSection(const Divisions* divisions, const SectionLayout& layout,
                            const OutputFormat& format);

// A circular piece's row: i, 半径, 弧长, 夹角, 圆心x, 圆心y.
std::vector<std::string> PieceRow(std::size_t i, const ArcPiece& piece, const OutputFormat& format);
std::vector<std::string> PieceColumns();

}  // namespace segcalc
