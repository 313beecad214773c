#pragma once

#include <string>
#include <vector>

#include "window/commands.h"

namespace segcalc {

// Records what the commands ask of the window instead of showing modal boxes,
// ending the process, opening a browser or a dialog, with the form's texts as
// they stood then. What the browser and the dialog answer is set beforehand.
class RecordingServices : public WindowServices {
 public:
  enum class Kind { Warning, About, Information, End, Clipboard, Browser, SaveDialog };
  struct Call {
    Kind kind;
    std::string text;
  };

  explicit RecordingServices(const MainForm* form = nullptr) : form_(form) {}

  void ShowWarning(const std::string& text) override { Record(Kind::Warning, text); }
  void ShowAbout(const std::string& text) override { Record(Kind::About, text); }
  void ShowInformation(const std::string& title, const std::string& text) override {
    Record(Kind::Information, title + "\n" + text);
  }
  void EndProgram() override { Record(Kind::End, {}); }
  void SetClipboardText(const std::string& text) override { Record(Kind::Clipboard, text); }
  bool OpenInBrowser(const std::filesystem::path& file) override {
    Record(Kind::Browser, file.string());
    return browser_opens;
  }
  std::optional<std::filesystem::path> AskSaveFile(const std::string& suggested_name) override {
    Record(Kind::SaveDialog, suggested_name);
    return save_as;
  }
  std::filesystem::path ReportFolder() override { return report_folder; }
  std::filesystem::path ProgramFolder() override { return program_folder; }
  std::filesystem::path WorkbenchPage() override { return workbench_page; }

  bool browser_opens = true;
  std::optional<std::filesystem::path> save_as;  // nothing: the dialog is cancelled
  std::filesystem::path report_folder;
  std::filesystem::path program_folder;
  std::filesystem::path workbench_page;  // empty: none found

  std::vector<Call> calls;
  // The five texts of the form at each call.
  std::vector<BoxTexts> texts_at_call;

 private:
  void Record(Kind kind, const std::string& text) {
    calls.push_back({kind, text});
    texts_at_call.push_back(form_ != nullptr ? form_->texts() : BoxTexts{});
  }

  const MainForm* form_;
};

}  // namespace segcalc
