#include "shopfloor/part_values.h"

#include <functional>

namespace segcalc {
namespace {

constexpr ProfileFace kFaces[] = {ProfileFace::Inner, ProfileFace::Centre, ProfileFace::Outer};

// Adds a value under its label; its text only when there are values at all.
template <typename Source>
struct ValueList {
  const Source* source;
  std::vector<PartValue> values;

  void Add(std::string label, const std::function<std::string(const Source&)>& text) {
    values.push_back({std::move(label), source ? text(*source) : std::string()});
  }
};

}  // namespace

std::vector<PartValue> ProfileValues(const ProfileBend* bend, const OutputFormat& format) {
  ValueList<ProfileBend> list{bend, {}};
  for (const ProfileFace face : kFaces) {
    for (const Quantity quantity :
         {Quantity::Radius, Quantity::Arc, Quantity::Chord, Quantity::Height}) {
      list.Add(
          std::string(FaceName(face)) + std::string(QuantityLabel(quantity)),
          [&](const ProfileBend& b) { return format.Length(ValueOf(b.Face(face), quantity)); });
    }
  }
  list.Add("中性层半径", [&](const ProfileBend& b) { return format.Length(b.neutral_radius); });
  list.Add("中性层弧长", [&](const ProfileBend& b) { return format.Length(b.neutral_arc); });
  list.Add("下料长度", [&](const ProfileBend& b) { return format.Length(b.cut_length); });
  return list.values;
}

std::vector<PartValue> DivisionValues(const Divisions* divisions, bool profiled,
                                      const OutputFormat& format) {
  ValueList<Divisions> list{divisions, {}};
  list.Add("段数", [](const Divisions& d) { return std::to_string(d.count); });
  list.Add("每段夹角", [&](const Divisions& d) { return format.Angle(d.piece_angle); });
  for (const char* what : {"每段弧长", "每段弦长"}) {
    const bool arc = std::string_view(what) == "每段弧长";
    const auto piece = [&, arc](const FacePiece& p) {
      return format.Length(arc ? p.arc : p.chord);
    };
    if (!profiled) {
      list.Add(what, [&](const Divisions& d) { return piece(d.pieces.at(0)); });
      continue;
    }
    for (std::size_t face = 0; face < std::size(kFaces); ++face) {
      list.Add(std::string(FaceName(kFaces[face])) + what,
               [&, face](const Divisions& d) { return piece(d.pieces.at(face)); });
    }
  }
  list.Add("斜切角", [&](const Divisions& d) { return format.Angle(d.mitre_angle); });
  list.Add("折角", [&](const Divisions& d) { return format.Angle(d.panel_angle); });
  list.Add("最大偏差", [&](const Divisions& d) { return format.Length(d.max_deviation); });
  if (profiled) {
    list.Add("板料宽度", [&](const Divisions& d) {
      return d.stock_width ? format.Length(*d.stock_width) : std::string();
    });
  }
  return list.values;
}

std::vector<PartValue> AreaValues(const SegmentArea* area, const OutputFormat& format) {
  ValueList<SegmentArea> list{area, {}};
  list.Add("弓形面积", [&](const SegmentArea& a) { return format.Area(a.segment); });
  list.Add("扇形面积", [&](const SegmentArea& a) { return format.Area(a.sector); });
  list.Add("周长", [&](const SegmentArea& a) { return format.Length(a.perimeter); });
  return list.values;
}

std::vector<PartValue> FitValues(const CircleFit& fit, const OutputFormat& format) {
  std::vector<PartValue> values = {{"拟合半径", format.Length(fit.radius)},
                                   {"最大残差", format.Length(fit.max_residual)}};
  if (fit.radius_difference) values.push_back({"与目标差", format.Length(*fit.radius_difference)});
  return values;
}

}  // namespace segcalc
