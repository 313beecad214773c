// Writes the copy of the page that the window's 工作台 writes, through the
// window's own command, for the page test to open in Chromium:
//   workbench_copy PAGE FOLDER CHECK ARC CHORD HEIGHT [DECIMAL THOUSANDS]
// CHECK is 1 (小于半圆 ticked) or 0; the three texts go into the measurement
// boxes as typed; the separators are the window's locale's (. and , when not
// given). Prints the copy's path; a warning goes to standard error,
// with exit status 1.
#include <iostream>
#include <string>

#include "shopfloor/utf8_path.h"
#include "window/commands.h"

namespace {

class CopyServices final : public segcalc::WindowServices {
 public:
  CopyServices(std::filesystem::path page, std::filesystem::path folder)
      : page_(std::move(page)), folder_(std::move(folder)) {}

  void ShowWarning(const std::string& text) override {
    std::cerr << "workbench_copy: " << text << '\n';
    warned = true;
  }
  void ShowAbout(const std::string&) override {}
  void ShowInformation(const std::string&, const std::string&) override {}
  void EndProgram() override {}
  void SetClipboardText(const std::string&) override {}
  bool OpenInBrowser(const std::filesystem::path& file) override {
    std::cout << segcalc::Utf8FromPath(file) << '\n';
    return true;
  }
  std::optional<std::filesystem::path> AskSaveFile(const std::string&) override {
    return std::nullopt;
  }
  std::filesystem::path ReportFolder() override { return folder_; }
  std::filesystem::path ProgramFolder() override { return {}; }
  std::filesystem::path WorkbenchPage() override { return page_; }

  bool warned = false;

 private:
  std::filesystem::path page_;
  std::filesystem::path folder_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 7 && argc != 9) {
    std::cerr << "usage: workbench_copy PAGE FOLDER CHECK ARC CHORD HEIGHT [DECIMAL THOUSANDS]\n";
    return 2;
  }
  segcalc::MainForm form(argc == 9 ? segcalc::NumberSeparators{argv[7], argv[8]}
                                   : segcalc::NumberSeparators{".", ","});
  form.check_value = std::string(argv[3]) == "1" ? 1 : 0;
  form.text(segcalc::Quantity::Arc) = argv[4];
  form.text(segcalc::Quantity::Chord) = argv[5];
  form.text(segcalc::Quantity::Height) = argv[6];
  CopyServices services(segcalc::PathFromUtf8(argv[1]), segcalc::PathFromUtf8(argv[2]));
  segcalc::Workbench_Click(form, services);
  return services.warned ? 1 : 0;
}
