#include "window/commands.h"

#include <fstream>
#include <sstream>

#include "calc/outcome_message.h"
#include "calc/result_boxes.h"
#include "geometry/arc_part.h"
#include "shopfloor/output_files.h"
#include "shopfloor/result_columns.h"
#include "version.h"
#include "window/box_hints.h"
#include "window/workbench_page.h"

namespace segcalc {
namespace {

void SelectAll(MainForm& form, Quantity box) {
  form.selection(box) = {0, Utf16Length(form.text(box))};
}

// A file already open in a browser tab keeps its contents.
std::filesystem::path NewNumberedFile(const std::filesystem::path& folder,
                                      const std::string& stem) {
  for (int n = 1;; ++n) {
    std::filesystem::path file = folder / (stem + std::to_string(n) + ".html");
    std::error_code error;
    if (!std::filesystem::exists(file, error) || n == 100'000) return file;
  }
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  if (!file || !text) return std::nullopt;
  return std::move(text).str();
}

}  // namespace

void Command1_Click(MainForm& form, WindowServices& services) {
  // What was typed, taken before the compute writes its results into the boxes.
  TypedInput typed;
  for (const Quantity box : kQuantities) {
    if (IsMeasurement(box)) typed.text(box) = form.text(box);
  }
  typed.mode = ModeOfCheckValue(form.check_value);
  form.last_compute = RecordCompute(std::move(typed), form.separators());
  const ComputeOutcome& outcome = *form.last_compute->calculator;
  // After an arithmetic error the last match before it is still worth showing.
  WriteResultTexts(outcome, form.texts());
  if (outcome.kind != OutcomeKind::Solved) services.ShowWarning(OutcomeMessage(outcome));
}

void Command2_Click(WindowServices& services) {
  services.EndProgram();
}

void Command3_Click(WindowServices& services) {
  services.ShowAbout(AboutText());
}

void Text1_GotFocus(MainForm& form) {
  SelectAll(form, Quantity::Arc);
}
void Text2_GotFocus(MainForm& form) {
  SelectAll(form, Quantity::Chord);
}
void Text3_GotFocus(MainForm& form) {
  SelectAll(form, Quantity::Height);
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

std::filesystem::path WindowServices::WorkbenchPage() {
  return FirstExistingFile(WorkbenchPageCandidates(ProgramFolder()));
}

std::string ShortcutText(const MenuEntry& entry) {
  return std::string("Ctrl+") + (entry.shift ? "Shift+" : "") + entry.key;
}

void CopyResults_Click(const MainForm& form, WindowServices& services) {
  if (!form.HasResult()) return;
  services.SetClipboardText(ResultsTable(*form.last_compute, form.output_format()));
}

void ExactResults_Click(const MainForm& form, WindowServices& services) {
  if (!form.HasResult()) return;
  const ComputeRecord& record = *form.last_compute;
  if (!record.exact.segment) {
    services.ShowWarning(NoExactCircleMessage(record.exact));
    return;
  }
  services.ShowInformation("精确结果", ExactResultsText(record, form.output_format()));
}

void ChoosePaper(MainForm& form, std::size_t entry) {
  if (entry >= std::size(kPaperEntries)) return;
  if (const std::optional<SheetPaper> paper = ParsePaper(kPaperEntries[entry].paper)) {
    form.paper = *paper;
  }
}

bool PaperChosen(const MainForm& form, std::size_t entry) {
  return entry < std::size(kPaperEntries) &&
         form.paper.key == ParsePaper(kPaperEntries[entry].paper)->key;
}

std::filesystem::path NewReportFile(const std::filesystem::path& folder) {
  return NewNumberedFile(folder, "segcalc-report-");
}

std::filesystem::path NewWorkbenchFile(const std::filesystem::path& folder) {
  return NewNumberedFile(folder, "segcalc-workbench-");
}

std::string DxfFileName(const ExactSegment& segment, const OutputFormat& format) {
  return "圆弧 R" + format.Length(segment.radius) + " " + format.Angle(segment.angle) + "度.dxf";
}

void LayoutDrawing_Click(const MainForm& form, WindowServices& services) {
  if (!form.HasResult()) return;
  const std::filesystem::path folder = services.ReportFolder();
  if (folder.empty()) {
    services.ShowWarning("找不到临时文件夹,无法写入放样图");
    return;
  }
  const ComputeRecord& record = *form.last_compute;
  const std::filesystem::path file = NewReportFile(folder);
  std::optional<ArcPart> part;
  if (record.exact.segment) part = MakePart(*record.exact.segment, {});
  if (!WriteReportFile(file, record, part ? &*part : nullptr, form.output_format())) {
    services.ShowWarning(CannotWriteMessage(file));
    return;
  }
  if (!services.OpenInBrowser(file)) {
    services.ShowWarning("无法打开浏览器,放样图已写入 " + Utf8FromPath(file));
  }
}

void ExportDxf_Click(const MainForm& form, WindowServices& services) {
  if (!form.HasResult()) return;
  const ExactChoice& exact = form.last_compute->exact;
  if (!exact.segment) {
    services.ShowWarning(NoExactCircleMessage(exact));
    return;
  }
  // Named after what it holds: the exact circle, not the calculator's 3.14 one.
  const std::optional<std::filesystem::path> file =
      services.AskSaveFile(DxfFileName(*exact.segment, form.output_format()));
  if (!file) return;
  if (!WriteDxfFile(*file, MakePart(*exact.segment, {}), form.output_format())) {
    services.ShowWarning(CannotWriteMessage(*file));
  }
}

void Workbench_Click(const MainForm& form, WindowServices& services) {
  const std::filesystem::path page = services.WorkbenchPage();
  if (page.empty()) {
    std::string message = std::string("找不到工作台的网页 ") + kWorkbenchPageName + ",已查找:";
    for (const std::filesystem::path& place : WorkbenchPageCandidates(services.ProgramFolder())) {
      message += '\n';
      message += Utf8FromPath(place);
    }
    services.ShowWarning(message + "\n请重新安装求半径。");
    return;
  }
  const std::optional<std::string> text = ReadWholeFile(page);
  const std::optional<std::string> copy =
      text ? PageWithJob(*text, WorkbenchJobBlock(form)) : std::nullopt;
  if (!copy) {
    services.ShowWarning("无法读取工作台的网页 " + Utf8FromPath(page));
    return;
  }
  const std::filesystem::path folder = services.ReportFolder();
  if (folder.empty()) {
    services.ShowWarning("找不到临时文件夹,无法写入工作台");
    return;
  }
  const std::filesystem::path file = NewWorkbenchFile(folder);
  if (!WriteFile(file, [&](std::ostream& out) { out << *copy; })) {
    services.ShowWarning(CannotWriteMessage(file));
    return;
  }
  if (!services.OpenInBrowser(file)) {
    services.ShowWarning("无法打开浏览器,工作台已写入 " + Utf8FromPath(file));
  }
}

}  // namespace segcalc
