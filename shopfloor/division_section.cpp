// The 分段 section: the arch in pieces, with the division points; on a head
// of several radii or an ellipse each piece and each joint on its own.

#include "shopfloor/section_builder.h"

namespace segcalc {
namespace {

SectionTable PointTable(const Divisions* d, const OutputFormat& format) {
  SectionTable table{"分点", "分点", {"分点", "x", "y", "s"}, {}};
  if (!d) return table;
  for (std::size_t i = 0; i < d->points.size(); ++i) {
    const DivisionPoint& p = d->points[i];
    table.rows.push_back(
        {std::to_string(i), format.Length(p.x), format.Length(p.y), format.Length(p.s)});
  }
  return table;
}

// Every piece alike: one value of each, per face with a profile.
void UniformValues(SectionBuilder& section, const Divisions* d, const SectionLayout& layout,
                   const OutputFormat& format) {
  const auto text = [&](auto value) { return d ? value() : std::string(); };
  section.Value("段数", text([&] { return std::to_string(d->count); }));
  section.Value("每段夹角", text([&] { return format.Angle(d->piece_angle); }));
  for (const bool arc : {true, false}) {
    const std::string what = arc ? "每段弧长" : "每段弦长";
    const auto piece = [&](std::size_t i) {
      return text([&] { return format.Length(arc ? d->pieces.at(i).arc : d->pieces.at(i).chord); });
    };
    if (!layout.profile) {
      section.Value(what, piece(0));
      continue;
    }
    for (std::size_t face = 0; face < std::size(kProfileFaces); ++face) {
      section.Value(std::string(FaceName(kProfileFaces[face])) + what, piece(face));
    }
  }
  section.Value("斜切角", text([&] { return format.Angle(d->mitre_angle); }));
  section.Value("折角", text([&] { return format.Angle(d->panel_angle); }));
  section.Value("最大偏差", text([&] { return format.Length(d->max_deviation); }));
  if (layout.profile) {
    section.Value("板料宽度", text([&] {
                    return d->stock_width ? format.Length(*d->stock_width) : std::string();
                  }));
  }
}

// Pieces of equal length along the given face, each with its own chord,
// deviation and stock, each joint with its own mitre and fold.
void PieceByPiece(SectionBuilder& section, const Divisions* d, const SectionLayout& layout,
                  const OutputFormat& format) {
  const auto text = [&](auto value) { return d ? value() : std::string(); };
  section.Value("段数", text([&] { return std::to_string(d->count); }));
  section.Value("每段弧长", text([&] { return format.Length(d->points[1].s - d->points[0].s); }));
  section.Value("最大偏差", text([&] { return format.Length(d->max_deviation); }));
  if (layout.profile) {
    section.Value("板料宽度", text([&] { return format.Length(d->stock_width.value_or(0)); }));
  }
  SectionTable facets{"分段", "每段", {"段", "弧长", "弦长", "偏差"}, {}};
  if (layout.profile) {
    for (const ProfileFace face : kProfileFaces) {
      facets.columns.push_back(std::string(FaceName(face)) + "弧长");
      facets.columns.push_back(std::string(FaceName(face)) + "弦长");
    }
    facets.columns.push_back("板料宽度");
  }
  SectionTable joints{"接点", "接点", {"接点", "斜切角", "折角"}, {}};
  if (d) {
    for (std::size_t i = 0; i < d->facets.size(); ++i) {
      const DivisionFacet& f = d->facets[i];
      std::vector<std::string> row = {std::to_string(i + 1), format.Length(f.arc),
                                      format.Length(f.chord), format.Length(f.deviation)};
      for (const FacePiece& piece : f.faces) {
        row.push_back(format.Length(piece.arc));
        row.push_back(format.Length(piece.chord));
      }
      if (f.stock_width) row.push_back(format.Length(*f.stock_width));
      facets.rows.push_back(std::move(row));
    }
    for (std::size_t i = 0; i < d->joints.size(); ++i) {
      const DivisionJoint& j = d->joints[i];
      joints.rows.push_back({std::to_string(i), format.Angle(j.mitre),
                             j.fold ? format.Angle(*j.fold) : std::string()});
    }
  }
  section.Table(std::move(facets));
  section.Table(std::move(joints));
}

}  // namespace

PartSection DivisionSection(const Divisions* divisions, const SectionLayout& layout,
                            const OutputFormat& format) {
  // A batch of heads of any shape lists every line's divisions piece by
  // piece, a circle's too.
  const bool uniform = layout.uniform_pieces && (!divisions || divisions->uniform);
  SectionBuilder section(
      "分段", uniform ? "斜切角为每段两端各自偏离直角的角度;折角为相邻两块平板之间的夹角;"
                        "最大偏差为平板中部到圆弧的距离。"
                      : "各段沿所给的面等长;斜切角在两端为杆件偏离直角的角度,在接点为两杆件"
                        "各自的斜切角度;折角为相邻两块平板之间的夹角;偏差为平板中部到拱的距离。");
  if (uniform) {
    UniformValues(section, divisions, layout, format);
  } else {
    PieceByPiece(section, divisions, layout, format);
  }
  section.Table(PointTable(divisions, format));
  return section.Done(divisions != nullptr);
}

}  // namespace segcalc
