// The 拱形 section: what the head is, its size, and the circular pieces it
// is made of (an ellipse's: the arcs it is bent in).

#include "shopfloor/section_builder.h"

namespace segcalc {
namespace {

// A segment's one piece from its own closed forms, so that its length and
// angle are the circle's to the last digit.
std::vector<std::string> CircleRow(const ExactSegment& circle, const OutputFormat& format) {
  return {"1",
          format.Length(circle.radius),
          format.Length(circle.arc),
          format.Angle(circle.angle),
          format.Length(0),
          format.Length(circle.height - circle.radius)};
}

}  // namespace

PartSection HeadSection(const ArcPart* part, const SectionLayout& layout,
                        const OutputFormat& format) {
  SectionBuilder section("拱形",
                         "跨度、拱高、拱长为所给的面;圆心 x 自跨度的中点起,y 自起拱线向上。");
  const ArchHead* head = part ? &part->head : nullptr;
  const auto length = [&](auto value) { return head ? format.Length(value()) : std::string(); };
  section.Value("拱形", head ? head->Name() : std::string());
  section.Value("跨度", length([&] { return head->Span(); }));
  section.Value("拱高", length([&] { return head->Rise(); }));
  section.Value("拱长", length([&] { return head->arch.Length(); }));
  section.Value("拱形面积", head ? format.Area(head->arch.Area()) : std::string());
  if (layout.legs) {
    section.Value("洞口面积", head ? format.Area(head->OpeningArea()) : std::string());
    section.Value("总高", length([&] { return head->TotalHeight(); }));
    section.Value("左腿长", length([&] { return head->LeftLeg(); }));
    section.Value("右腿长", length([&] { return head->RightLeg(); }));
  }
  const EllipseArc* ellipse = head ? head->arch.ellipse() : nullptr;
  if (layout.ellipse) {
    section.Value("焦点", ellipse ? format.Length(ellipse->FocalDistance()) : std::string());
  }
  SectionTable pieces{
      "圆弧段", ellipse ? "弯弧(代替椭圆弯制的圆弧)" : "圆弧段", PieceColumns(), {}};
  if (head) {
    if (const ExactSegment* circle = head->arch.circle()) {
      pieces.rows.push_back(CircleRow(*circle, format));
    } else {
      for (std::size_t i = 0; i < head->arch.pieces().size(); ++i) {
        pieces.rows.push_back(PieceRow(i + 1, head->arch.pieces()[i], format));
      }
    }
  }
  section.Table(std::move(pieces));
  if (layout.ellipse) {
    section.Value("弯弧偏差",
                  ellipse ? format.Length(head->arch.bending_deviation()) : std::string());
  }
  return section.Done(head != nullptr);
}

}  // namespace segcalc
