// The 型材 section: each face of the profile, the neutral layer, the cut
// length and, on a head of several radii, where the bender sets each one.

#include "shopfloor/section_builder.h"

namespace segcalc {
namespace {

constexpr Quantity kCircleColumns[] = {Quantity::Radius, Quantity::Arc, Quantity::Chord,
                                       Quantity::Height};

std::string Title(const ProfileBend* bend, const OutputFormat& format) {
  if (!bend) return "型材";
  return "型材(深度 " + format.Length(bend->depth) + ",所给尺寸为" +
         std::string(FaceName(bend->given_face)) + ")";
}

// A segment's faces as they always were: radius, arc, chord and height each.
void CircleFaces(SectionBuilder& section, const ProfileBend* bend, const OutputFormat& format) {
  for (const ProfileFace face : kProfileFaces) {
    for (const Quantity quantity : kCircleColumns) {
      section.Grid(std::string(FaceName(face)), std::string(QuantityLabel(quantity)),
                   bend ? format.Length(ValueOf(*bend->Face(face).circle(), quantity)) : "");
    }
  }
}

// Any other head: each face's span, rise and length, and a head of one piece
// its radius, arc, chord and height too (not batch columns: a batch's heads
// may differ); a head of several pieces lists them below.
void ArchFaces(SectionBuilder& section, const ProfileBend* bend, const OutputFormat& format) {
  for (const ProfileFace face : kProfileFaces) {
    const std::string name(FaceName(face));
    const Arch* arch = bend ? &bend->Face(face) : nullptr;
    const auto length = [&](auto value) { return arch ? format.Length(value()) : std::string(); };
    section.Grid(name, "跨度", length([&] { return arch->RightEnd().x - arch->LeftEnd().x; }));
    section.Grid(name, "拱高", length([&] {
                   return arch->Top() - std::min(arch->LeftEnd().y, arch->RightEnd().y);
                 }));
    section.Grid(name, "拱长", length([&] { return arch->Length(); }));
    if (!arch || arch->pieces().size() != 1) continue;
    const ArcPiece& piece = arch->pieces().front();
    for (const auto& [column, value] :
         {std::pair{"半径", piece.radius}, std::pair{"弧长", piece.Length()},
          std::pair{"弦长", piece.Chord()}, std::pair{"弦高", piece.Sagitta()}}) {
      section.Grid(name, column, format.Length(value)).in_columns = false;
    }
  }
  if (!bend || bend->Face(bend->given_face).pieces().size() < 2) return;
  for (const ProfileFace face : kProfileFaces) {
    const std::string name(FaceName(face));
    SectionTable pieces{name + "圆弧段", name + "圆弧段", PieceColumns(), {}};
    const std::span<const ArcPiece> list = bend->Face(face).pieces();
    for (std::size_t i = 0; i < list.size(); ++i) {
      pieces.rows.push_back(PieceRow(i + 1, list[i], format));
    }
    section.Table(std::move(pieces));
  }
}

}  // namespace

PartSection ProfileSection(const ProfileBend* bend, const SectionLayout& layout,
                           const OutputFormat& format) {
  SectionBuilder section(Title(bend, format), {});
  const auto length = [&](double value) { return bend ? format.Length(value) : std::string(); };
  if (layout.segment_values) {
    CircleFaces(section, bend, format);
    section.Value("中性层半径", bend ? format.Length(bend->neutral.circle()->radius) : "");
  } else {
    ArchFaces(section, bend, format);
    if (bend && bend->neutral.pieces().size() == 1) {
      section.Value("中性层半径", format.Length(bend->neutral.pieces().front().radius)).in_columns =
          false;
    }
  }
  section.Value("中性层弧长", length(bend ? bend->neutral_arc : 0));
  // What the cut length adds up, for the report and the page.
  SectionValue& tails = section.Value(
      "两端直段", bend ? format.Length(bend->tail_a) + " + " + format.Length(bend->tail_b) : "");
  tails.in_lines = tails.in_columns = false;
  SectionValue& trim = section.Value("切割余量", length(bend ? bend->trim : 0));
  trim.in_lines = trim.in_columns = false;
  section.Value("下料长度", length(bend ? bend->cut_length : 0));
  SectionTable program{
      "弯弧段", "弯弧程序(中性层,自下料左端量起)", {"段", "半径", "起点", "终点"}, {}};
  if (bend) {
    for (std::size_t i = 0; i < bend->program.size(); ++i) {
      const BendStretch& stretch = bend->program[i];
      program.rows.push_back({std::to_string(i + 1), format.Length(stretch.radius),
                              format.Length(stretch.from), format.Length(stretch.to)});
    }
  }
  section.Table(std::move(program));
  return section.Done(bend != nullptr);
}

}  // namespace segcalc
