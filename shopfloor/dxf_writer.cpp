#include "shopfloor/dxf_writer.h"

#include <algorithm>
#include <ostream>
#include <sstream>

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

// AutoCAD colour index of each layer.
int LayerColour(DrawingLayer layer) {
  switch (layer) {
    case DrawingLayer::Arc:
      return 1;
    case DrawingLayer::Chord:
      return 5;
    case DrawingLayer::Height:
      return 3;
    case DrawingLayer::Ordinates:
      return 8;
    case DrawingLayer::Inner:
    case DrawingLayer::Outer:
      return 7;
    case DrawingLayer::Divisions:
      return 1;
    case DrawingLayer::Facets:
      return 3;
    case DrawingLayer::Legs:
      return 7;
    case DrawingLayer::Ellipse:
      return 6;
  }
  return 7;
}

void WriteHeader(DxfStream& dxf, const DrawingBox& extent) {
  dxf.Pair(0, "SECTION").Pair(2, "HEADER");
  dxf.Pair(9, "$ACADVER").Pair(1, "AC1009");
  dxf.Pair(9, "$INSBASE").Point(10, 0.0, 0.0);
  dxf.Pair(9, "$EXTMIN").Point(10, extent.min_x, extent.min_y);
  dxf.Pair(9, "$EXTMAX").Point(10, extent.max_x, extent.max_y);
  // Metric drawing: programs that ask read millimetres.
  dxf.Pair(9, "$MEASUREMENT").Pair(70, 1);
  dxf.Pair(0, "ENDSEC");
}

// The layers in use, each once, in the order first drawn.
std::vector<DrawingLayer> LayersOf(const PartDrawing& drawing) {
  std::vector<DrawingLayer> layers;
  const auto add = [&](DrawingLayer layer) {
    if (std::find(layers.begin(), layers.end(), layer) == layers.end()) layers.push_back(layer);
  };
  for (const DrawnArc& arc : drawing.arcs) add(arc.layer);
  for (const DrawnLine& line : drawing.lines) add(line.layer);
  for (const DrawnPolyline& polyline : drawing.polylines) add(polyline.layer);
  return layers;
}

void WriteTables(DxfStream& dxf, const std::vector<DrawingLayer>& layers) {
  dxf.Pair(0, "SECTION").Pair(2, "TABLES");
  dxf.Pair(0, "TABLE").Pair(2, "LTYPE").Pair(70, 1);
  dxf.Pair(0, "LTYPE").Pair(2, "CONTINUOUS").Pair(70, 0).Pair(3, "Solid line");
  dxf.Pair(72, 65).Pair(73, 0).Pair(40, 0.0);
  dxf.Pair(0, "ENDTAB");
  dxf.Pair(0, "TABLE").Pair(2, "LAYER").Pair(70, static_cast<int>(layers.size()) + 1);
  dxf.Pair(0, "LAYER").Pair(2, "0").Pair(70, 0).Pair(62, 7).Pair(6, "CONTINUOUS");
  for (const DrawingLayer layer : layers) {
    dxf.Pair(0, "LAYER").Pair(2, LayerName(layer)).Pair(70, 0).Pair(62, LayerColour(layer));
    dxf.Pair(6, "CONTINUOUS");
  }
  dxf.Pair(0, "ENDTAB");
  dxf.Pair(0, "ENDSEC");
}

}  // namespace

void WriteDxf(std::ostream& out, const PartDrawing& drawing) {
  DxfStream dxf(out);
  WriteHeader(dxf, drawing.extent);
  WriteTables(dxf, LayersOf(drawing));
  dxf.Pair(0, "SECTION").Pair(2, "ENTITIES");
  for (const DrawnArc& arc : drawing.arcs) {
    dxf.Pair(0, "ARC").Pair(8, LayerName(arc.layer)).Point(10, arc.centre_x, arc.centre_y);
    dxf.Pair(40, arc.radius).Pair(50, arc.start_degrees).Pair(51, arc.end_degrees);
  }
  for (const DrawnLine& line : drawing.lines) {
    dxf.Line(LayerName(line.layer), line.x1, line.y1, line.x2, line.y2);
  }
  // R12 has no LWPOLYLINE: a POLYLINE of VERTEX entities ended by SEQEND.
  for (const DrawnPolyline& polyline : drawing.polylines) {
    const char* layer = LayerName(polyline.layer);
    dxf.Pair(0, "POLYLINE").Pair(8, layer).Pair(66, 1).Point(10, 0.0, 0.0).Pair(70, 0);
    for (const PlanePoint& p : polyline.points)
      dxf.Pair(0, "VERTEX").Pair(8, layer).Point(10, p.x, p.y);
    dxf.Pair(0, "SEQEND").Pair(8, layer);
  }
  dxf.Pair(0, "ENDSEC");
  dxf.Pair(0, "EOF");
}

std::string DxfText(const PartDrawing& drawing) {
  std::ostringstream out;
  WriteDxf(out, drawing);
  return out.str();
}

}  // namespace segcalc
