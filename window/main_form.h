#pragma once

#include <QString>
#include <array>

#include "calc/number_text.h"

namespace segcalc {

// The five text boxes, Text1 to Text5.
enum class TextBox { Arc, Chord, Height, Radius, Angle };
inline constexpr int kTextBoxCount = 5;

// Whose calculator this is: the caption and the about box name them.
inline constexpr char kAuthorName[] = "segcalc";
inline constexpr char kAuthorQQ[] = "00000000";
inline constexpr char kAuthorWebsite[] = "segcalc.example.com";

struct TextSelection {
  int start = 0;
  int length = 0;  // in the toolkit's characters (UTF-16 code units)
};

// The window's whole state, free of any widget: the visible window mirrors it,
// the commands read and write it.
class MainForm {
 public:
  explicit MainForm(NumberSeparators separators) : separators_(std::move(separators)) {}

  QString& text(TextBox box) { return texts_[Index(box)]; }
  const QString& text(TextBox box) const { return texts_[Index(box)]; }
  TextSelection& selection(TextBox box) { return selections_[Index(box)]; }
  const TextSelection& selection(TextBox box) const { return selections_[Index(box)]; }

  int check_value = 0;  // 1 ticked, 0 clear
  QString caption = QStringLiteral("求半径");

  const NumberSeparators& separators() const { return separators_; }

 private:
  static std::size_t Index(TextBox box) { return static_cast<std::size_t>(box); }

  NumberSeparators separators_;
  std::array<QString, kTextBoxCount> texts_;
  std::array<TextSelection, kTextBoxCount> selections_;
};

// "求半径", 31 blanks, then the author credit.
QString WindowCaption();

// Start-up: clears every box, writes the two example measurements, sets the
// caption and ticks the check box. Runs once, before the window is shown.
void Form_Load(MainForm& form);

}  // namespace segcalc
