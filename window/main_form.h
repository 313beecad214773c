#pragma once

#include <optional>
#include <string>

#include "calc/number_text.h"
#include "calc/quantity.h"
#include "geometry/compute_record.h"
#include "shopfloor/output_format.h"

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

  std::string& text(Quantity box) { return texts_[QuantityIndex(box)]; }
  const std::string& text(Quantity box) const { return texts_[QuantityIndex(box)]; }
  BoxTexts& texts() { return texts_; }
  const BoxTexts& texts() const { return texts_; }
  TextSelection& selection(Quantity box) { return selections_[QuantityIndex(box)]; }
  const TextSelection& selection(Quantity box) const { return selections_[QuantityIndex(box)]; }

  int check_value = 0;  // 1 ticked, 0 clear
  std::string caption = "求半径";

  const NumberSeparators& separators() const { return separators_; }
  // The paper 放样图's full-size sheets are printed on, as last chosen in
  // the session.
  SheetPaper paper;

  // The window's measurements carry no unit: its outputs take them as
  // millimetres.
  OutputFormat output_format() const {
    return {LengthUnit::Millimetre, separators_, {paper, false}};
  }

  // The last compute, with what was typed for it; the menu's entries are of
  // it.
  std::optional<ComputeRecord> last_compute;
  // Whether the menu has anything to show: the calculator's result, or the
  // exact circle where the calculator found none. A compute that has neither
  // leaves nothing to draw, not even from results still in view.
  bool HasResult() const {
    return last_compute && (last_compute->CalculatorSolved() || last_compute->exact.segment);
  }

 private:
  NumberSeparators separators_;
  BoxTexts texts_;
  std::array<TextSelection, kQuantityCount> selections_;
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
