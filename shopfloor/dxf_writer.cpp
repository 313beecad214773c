#include "shopfloor/dxf_writer.h"

#include <ostream>
#include <sstream>

#include "shopfloor/arc_geometry.h"
#include "shopfloor/plain_number.h"

namespace segcalc {
namespace {

// A DXF file is a list of group code / value pairs, one per line each.
class DxfStream {
 public:
  explicit DxfStream(std::ostream& out) : out_(out) {}

  DxfStream& Pair(int code, std::string_view value) {
    out_ << code << '\n' << value << '\n';
    return *this;
  }
  DxfStream& Pair(int code, double value) { return Pair(code, PlainNumber(value)); }
  DxfStream& Pair(int code, int value) { return Pair(code, std::to_string(value)); }

  DxfStream& Point(int code, double x, double y) {
    return Pair(code, x).Pair(code + 10, y).Pair(code + 20, 0.0);
  }

  void Line(const char* layer, double x1, double y1, double x2, double y2) {
    Pair(0, "LINE").Pair(8, layer).Point(10, x1, y1).Point(11, x2, y2);
  }

 private:
  std::ostream& out_;
};

struct LayerStyle {
  const char* name;
  int colour;  // AutoCAD colour index
};

constexpr LayerStyle kLayers[] = {
    {"0", 7}, {kDxfArcLayer, 1}, {kDxfChordLayer, 5}, {kDxfHeightLayer, 3}, {kDxfOrdinateLayer, 8},
};

void WriteHeader(DxfStream& dxf, const ArcLayout& arc) {
  dxf.Pair(0, "SECTION").Pair(2, "HEADER");
  dxf.Pair(9, "$ACADVER").Pair(1, "AC1009");
  dxf.Pair(9, "$INSBASE").Point(10, 0.0, 0.0);
  const double top = arc.centre_y + arc.radius;
  dxf.Pair(9, "$EXTMIN").Point(10, arc.min_x, 0.0);
  dxf.Pair(9, "$EXTMAX").Point(10, arc.max_x, top);
  // Metric drawing: programs that ask read millimetres.
  dxf.Pair(9, "$MEASUREMENT").Pair(70, 1);
  dxf.Pair(0, "ENDSEC");
}

void WriteTables(DxfStream& dxf) {
  dxf.Pair(0, "SECTION").Pair(2, "TABLES");
  dxf.Pair(0, "TABLE").Pair(2, "LTYPE").Pair(70, 1);
  dxf.Pair(0, "LTYPE").Pair(2, "CONTINUOUS").Pair(70, 0).Pair(3, "Solid line");
  dxf.Pair(72, 65).Pair(73, 0).Pair(40, 0.0);
  dxf.Pair(0, "ENDTAB");
  dxf.Pair(0, "TABLE").Pair(2, "LAYER").Pair(70, static_cast<int>(std::size(kLayers)));
  for (const LayerStyle& layer : kLayers) {
    dxf.Pair(0, "LAYER").Pair(2, layer.name).Pair(70, 0).Pair(62, layer.colour);
    dxf.Pair(6, "CONTINUOUS");
  }
  dxf.Pair(0, "ENDTAB");
  dxf.Pair(0, "ENDSEC");
}

}  // namespace

void WriteDxf(std::ostream& out, const ArcPart& part, double millimetres_per_unit) {
  const ArcLayout arc = LayOutArc(part.segment, millimetres_per_unit);
  DxfStream dxf(out);
  WriteHeader(dxf, arc);
  WriteTables(dxf);
  dxf.Pair(0, "SECTION").Pair(2, "ENTITIES");
  dxf.Pair(0, "ARC").Pair(8, kDxfArcLayer).Point(10, 0.0, arc.centre_y);
  dxf.Pair(40, arc.radius).Pair(50, arc.start_degrees).Pair(51, arc.end_degrees);
  dxf.Line(kDxfChordLayer, -arc.half_chord, 0.0, arc.half_chord, 0.0);
  dxf.Line(kDxfHeightLayer, 0.0, 0.0, 0.0, arc.height);
  for (const Ordinate& station : part.ordinates.rows) {
    // An end point of the arc lies on the chord: nothing to draw there.
    if (station.y <= 0) continue;
    const double x = station.x * millimetres_per_unit;
    dxf.Line(kDxfOrdinateLayer, x, 0.0, x, station.y * millimetres_per_unit);
  }
  dxf.Pair(0, "ENDSEC");
  dxf.Pair(0, "EOF");
}

std::string DxfText(const ArcPart& part, double millimetres_per_unit) {
  std::ostringstream out;
  WriteDxf(out, part, millimetres_per_unit);
  return out.str();
}

}  // namespace segcalc
