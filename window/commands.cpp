#include "window/commands.h"

#include "calc/compute_request.h"
#include "calc/outcome_message.h"
#include "version.h"

namespace segcalc {
namespace {

void SelectAll(MainForm& form, TextBox box) {
  form.selection(box) = {0, Utf16Length(form.text(box))};
}

}  // namespace

void Command1_Click(MainForm& form, WindowServices& services) {
  const ComputeOutcome outcome =
      Compute({form.text(TextBox::Arc), form.text(TextBox::Chord), form.text(TextBox::Height)},
              form.check_value, form.separators());
  // After an arithmetic error the last match before it is still worth showing.
  if (outcome.texts) WriteResultTexts(*outcome.texts, form.texts());
  if (outcome.kind != OutcomeKind::Solved) services.ShowWarning(OutcomeMessage(outcome));
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

std::string AboutText() {
  return std::string("求半径 ") + kVersion + " 由 " + kAuthorName +
         " 编写,使用中如有问题或建议,欢迎通过 QQ:" + kAuthorQQ + " 与我联系" +
         ",或光临我的网站或论坛" + kAuthorWebsite + ",进行门窗幕墙方面知识的交流!";
}

}  // namespace segcalc
