#include "window/main_form.h"

namespace segcalc {
namespace {

// The example every user knows: a compute right after start-up gives 119.03,
// 1200 and 591.83.
constexpr double kStartArcLength = 2491.78;
constexpr double kStartChordLength = 2067.63;

QString Text(double value, const NumberSeparators& separators) {
  return QString::fromStdString(FormatNumber(value, separators));
}

}  // namespace

QString WindowCaption() {
  return QStringLiteral("求半径") + QString(31, QLatin1Char(' ')) + QStringLiteral("作者:") +
         QString::fromUtf8(kAuthorName) + QStringLiteral(",QQ:") + QString::fromUtf8(kAuthorQQ);
}

void Form_Load(MainForm& form) {
  for (int box = 0; box < kTextBoxCount; ++box) form.text(static_cast<TextBox>(box)).clear();
  form.text(TextBox::Arc) = Text(kStartArcLength, form.separators());
  form.text(TextBox::Chord) = Text(kStartChordLength, form.separators());
  form.caption = WindowCaption();
  form.check_value = 1;
}

}  // namespace segcalc
