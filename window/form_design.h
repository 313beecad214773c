#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "calc/quantity.h"

namespace segcalc {

// The window as designed, for both toolkits to build: each control's place,
// font and caption, the client area, the separator line and the warning
// colour. Places are in twips, 1440 to the inch (15 to a pixel at 96 dpi),
// from the top left corner of the client area; each window scales them to its
// own pixels.
struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

inline constexpr int kClientWidthTwips = 5430;
inline constexpr int kClientHeightTwips = 2265;

// Every text is 宋体 regular, in one of two sizes.
inline constexpr char kFontFace[] = "宋体";
enum class FontSize { Control, Window };
constexpr double PointsOf(FontSize size) {
  return size == FontSize::Control ? 10.5 : 9.0;
}

// The window's controls by their fixed names.
enum class FormControl {
  Label1,
  Text1,
  Label2,
  Text2,
  Label3,
  Text3,
  Label4,
  Text4,
  Label5,
  Text5,
  Label6,
  Command1,
  Command2,
  Check1,
  Command3,
};
inline constexpr std::size_t kFormControlCount = 15;

constexpr std::size_t FormControlIndex(FormControl control) {
  return static_cast<std::size_t>(control);
}

enum class ControlKind {
  Label,    // sizes itself to its text, centred on the row it was designed for
  TextBox,  // typed into for a measurement, read-only for the radius and angle
  Button,
  CheckBox,
};

struct ControlDesign {
  FormControl control;
  ControlKind kind;
  TwipRect rect;
  FontSize font;
  std::string_view caption;  // empty for a text box
  // The quantity a text box holds or a label names.
  std::optional<Quantity> quantity;
};

// Every control, in the order the windows make them. That is the tab order
// of those that take the focus, and each box comes right after the label that
// names it, which is how a screen reader on Windows finds a box's name.
std::span<const ControlDesign> FormControls();

// The text box that shows a quantity: Text1 to Text5.
FormControl TextBoxOf(Quantity quantity);

// The button Enter presses wherever the focus is, unless on another button.
inline constexpr FormControl kDefaultButton = FormControl::Command1;

// The line between the boxes and the instruction, one pixel thick at 96 dpi.
struct SeparatorLine {
  int left = 0;
  int right = 0;
  int top = 0;
};
inline constexpr SeparatorLine kSeparatorLine = {120, 5280, 1320};

// The text of a box whose value is far from the exact one (BoxHint::warning):
// a dark red that reads on the white of a box and on its grey when read-only.
struct TextColour {
  unsigned char red = 0;
  unsigned char green = 0;
  unsigned char blue = 0;
};
inline constexpr TextColour kWarningTextColour = {0xA0, 0x00, 0x00};

}  // namespace segcalc
