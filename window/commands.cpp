#include "window/commands.h"

#include "calc/compute_request.h"
#include "calc/outcome_message.h"
#include "shopfloor/dxf_writer.h"
#include "shopfloor/html_report.h"
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
  if (outcome.kind == OutcomeKind::Solved) {
    form.last_result = MainForm::Result{{form.text(TextBox::Arc), form.text(TextBox::Chord),
                                         form.text(TextBox::Height), form.check_value == 1},
                                        outcome};
  } else {
    form.last_result.reset();
    services.ShowWarning(OutcomeMessage(outcome));
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

std::string AboutText() {
  return std::string("求半径 ") + kVersion + " 由 " + kAuthorName +
         " 编写,使用中如有问题或建议,欢迎通过 QQ:" + kAuthorQQ + " 与我联系" +
         ",或光临我的网站或论坛" + kAuthorWebsite + ",进行门窗幕墙方面知识的交流!";
}

std::filesystem::path WindowServices::ReportFolder() {
  std::error_code error;
  std::filesystem::path folder = std::filesystem::temp_directory_path(error);
  return error ? std::filesystem::path() : folder;
}

std::string ShortcutText(const MenuEntry& entry) {
  return std::string("Ctrl+") + (entry.shift ? "Shift+" : "") + entry.key;
}

std::string ResultsTableText(const MainForm& form) {
  std::string header;
  std::string values;
  for (TextBox box : kTextBoxes) {
    if (box != TextBox::Arc) header += '\t', values += '\t';
    header += BoxLabel(box);
    // A tab or line break pasted into a box would shift the spreadsheet's
    // columns or rows.
    for (const char c : form.text(box)) values += c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
  }
  return header + '\n' + values + '\n';
}

void CopyResults_Click(const MainForm& form, WindowServices& services) {
  if (!form.HasResult()) return;
  services.SetClipboardText(ResultsTableText(form));
}

void LayoutDrawing_Click(const MainForm& form, WindowServices& services) {
  if (!form.HasResult()) return;
  const std::filesystem::path folder = services.ReportFolder();
  if (folder.empty()) {
    services.ShowWarning("找不到临时文件夹,无法写入放样图");
    return;
  }
  const std::filesystem::path file = folder / kReportFileName;
  const ShopReport report = ComputeReport(form.last_result->typed, form.last_result->outcome,
                                          LengthUnit::Millimetre, form.separators());
  if (!WriteFile(file, [&](std::ostream& out) { WriteReport(out, report); })) {
    services.ShowWarning("无法写入文件 " + Utf8FromPath(file));
    return;
  }
  if (!services.OpenInBrowser(file)) {
    services.ShowWarning("无法打开浏览器,放样图已写入 " + Utf8FromPath(file));
  }
}

void ExportDxf_Click(const MainForm& form, WindowServices& services) {
  if (!form.HasResult()) return;
  const MainForm::Result& result = *form.last_result;
  const ExactChoice exact = ExactBeside(result.outcome, result.typed.minor);
  if (!exact.segment) {
    services.ShowWarning("无精确解: " + exact.reason);
    return;
  }
  const ResultTexts& texts = *result.outcome.texts;
  const std::optional<std::filesystem::path> file =
      services.AskSaveFile("圆弧 R" + texts.radius + " " + texts.angle + "度.dxf");
  if (!file) return;
  const OrdinateTable stations =
      Ordinates(*exact.segment, DefaultOrdinateStep(exact.segment->chord));
  // The window's measurements carry no unit: they are taken as millimetres.
  if (!WriteFile(*file, [&](std::ostream& out) {
        WriteDxf(out, *exact.segment, stations.rows, MillimetresPer(LengthUnit::Millimetre));
      })) {
    services.ShowWarning("无法写入文件 " + Utf8FromPath(*file));
  }
}

}  // namespace segcalc
