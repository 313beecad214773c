#include "window/commands.h"

#include <string>

#include "calc/compute_request.h"
#include "calc/outcome_message.h"

namespace segcalc {
namespace {

TextBox BoxOf(MeasurementBox box) {
  switch (box) {
    case MeasurementBox::Arc:
      return TextBox::Arc;
    case MeasurementBox::Chord:
      return TextBox::Chord;
    case MeasurementBox::Height:
      return TextBox::Height;
  }
  return TextBox::Height;
}

void WriteResults(MainForm& form, const ResultTexts& texts) {
  form.text(TextBox::Angle) = QString::fromStdString(texts.angle);
  form.text(TextBox::Radius) = QString::fromStdString(texts.radius);
  form.text(BoxOf(texts.missing_box)) = QString::fromStdString(texts.missing);
}

void SelectAll(MainForm& form, TextBox box) {
  form.selection(box) = {0, static_cast<int>(form.text(box).size())};
}

}  // namespace

void Command1_Click(MainForm& form, WindowServices& services) {
  const std::string arc = form.text(TextBox::Arc).toStdString();
  const std::string chord = form.text(TextBox::Chord).toStdString();
  const std::string height = form.text(TextBox::Height).toStdString();
  const ComputeOutcome outcome = Compute({arc, chord, height}, form.check_value, form.separators());
  // After an arithmetic error the last match before it is still worth showing.
  if (outcome.texts) WriteResults(form, *outcome.texts);
  if (outcome.kind != OutcomeKind::Solved) {
    services.ShowWarning(QString::fromStdString(OutcomeMessage(outcome)));
  }
}

void Command2_Click(WindowServices& services) {
  services.EndProgram();
}

void Command3_Click(WindowServices& services) {
  services.ShowAbout(AboutText());
}

void Text1_GotFocus(MainForm& form) {
  SelectAll(form, TextBox::Arc);
}
void Text2_GotFocus(MainForm& form) {
  SelectAll(form, TextBox::Chord);
}
void Text3_GotFocus(MainForm& form) {
  SelectAll(form, TextBox::Height);
}

QString AboutText() {
  return QStringLiteral("求半径 " SEGCALC_VERSION " 由 ") + QString::fromUtf8(kAuthorName) +
         QStringLiteral(" 编写,使用中如有问题或建议,欢迎通过 QQ:") + QString::fromUtf8(kAuthorQQ) +
         QStringLiteral(" 与我联系") + QStringLiteral(",或光临我的网站或论坛") +
         QString::fromUtf8(kAuthorWebsite) + QStringLiteral(",进行门窗幕墙方面知识的交流!");
}

}  // namespace segcalc
