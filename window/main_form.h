#pragma once

#include <optional>
#include <string>

#include "calc/number_text.h"
#include "calc/result_boxes.h"
#include "shopfloor/compute_outputs.h"

namespace segcalc {

// Whose calculator this is: the caption and the about box name them.
inline constexpr char kAuthorName[] = "segcalc";
inline constexpr char kAuthorQQ[] = "00000000";
inline constexpr char kAuthorWebsite[] = "segcalc.example.com";

// Counted in UTF-16 code units, the unit of both toolkits' text boxes.
struct TextSelection {
  int start = 0;
  int length = 0;
};

// The window's whole state, free of any toolkit: each window mirrors it and
// the commands read and write it. Texts are UTF-8.
class MainForm {
 public:
  explicit MainForm(NumberSeparators separators) : separators_(std::move(separators)) {}

  std::string& text(TextBox box) { return texts_[BoxIndex(box)]; }
  const std::string& text(TextBox box) const { return texts_[BoxIndex(box)]; }
  BoxTexts& texts() { return texts_; }
  const BoxTexts& texts() const { return texts_; }
  TextSelection& selection(TextBox box) { return selections_[BoxIndex(box)]; }
  const TextSelection& selection(TextBox box) const { return selections_[BoxIndex(box)]; }

  int check_value = 0;  // 1 ticked, 0 clear
  std::string caption = "求半径";

  const NumberSeparators& separators() const { return separators_; }

  // What the last compute that solved was made from and what it found; the
  // menu's drawing and report are of it. A compute that does not solve
  // clears it, so nothing is drawn from a result no longer in view.
  struct Result {
    TypedMeasurements typed;
    ComputeOutcome outcome;
  };
  std::optional<Result> last_result;
  bool HasResult() const { return last_result.has_value(); }

 private:
  NumberSeparators separators_;
  BoxTexts texts_;
  std::array<TextSelection, kTextBoxCount> selections_;
};

// "求半径", 31 blanks, then the author credit.
std::string WindowCaption();

// Start-up: clears every box, writes the two example measurements, sets the
// caption and ticks the check box. Runs once, before the window is shown.
void Form_Load(MainForm& form);

// The length of a UTF-8 text in UTF-16 code units: a character beyond the
// basic plane counts two, as the text boxes count it.
int Utf16Length(std::string_view utf8);

}  // namespace segcalc
