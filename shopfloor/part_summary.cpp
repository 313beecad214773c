#include "shopfloor/part_summary.h"

#include <algorithm>

namespace segcalc {
namespace {

// The radii of an arch's pieces, left to right: one for a circle.
std::string Radii(const Arch& arch, const OutputFormat& format) {
  std::string text;
  for (const ArcPiece& piece : arch.pieces()) {
    text += (text.empty() ? "" : " / ") + format.Length(piece.radius);
  }
  return text;
}

}  // namespace

std::vector<SectionValue> PartSummary(const ArcPart& part, const OutputFormat& format) {
  std::vector<SectionValue> values;
  const auto add = [&](std::string label, std::string text) {
    values.push_back({std::move(label), std::move(text), {}, {}});
  };
  // An ellipse is bent in circular arcs: those are the radii to set.
  const std::string radius = part.arch().ellipse() ? "弯弧半径" : "半径";
  const ProfileBend* bend = part.profile && part.profile->ok() ? &*part.profile->value : nullptr;
  if (bend) {
    for (const ProfileFace face : kProfileFaces) {
      add(std::string(FaceName(face)) + radius, Radii(bend->Face(face), format));
    }
    add("下料长度", format.Length(bend->cut_length));
  } else {
    add(radius, Radii(part.arch(), format));
  }
  if (part.divisions && part.divisions->ok()) {
    const Divisions& d = *part.divisions->value;
    // Equal along the face the measurements describe, on any head.
    const std::string face = bend ? std::string(FaceName(bend->given_face)) : "";
    add("段数", std::to_string(d.count));
    // A circle's pieces are alike on every face: the given face's arc and
    // chord; elsewhere only the length is the same for every piece.
    const auto given = std::find_if(d.pieces.begin(), d.pieces.end(), [&](const FacePiece& p) {
      return !bend || p.face == bend->given_face;
    });
    if (d.uniform && given != d.pieces.end()) {
      add(face + "每段弧长", format.Length(given->arc));
      add(face + "每段弦长", format.Length(given->chord));
    } else {
      add(face + "每段弧长", format.Length(d.points.at(1).s - d.points.at(0).s));
    }
  }
  return values;
}

}  // namespace segcalc
