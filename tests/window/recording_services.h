#pragma once

#include <string>
#include <vector>

#include "window/commands.h"

namespace segcalc {

// Records what the commands ask of the window instead of showing modal boxes
// or ending the process, with the form's texts as they stood then.
class RecordingServices : public WindowServices {
 public:
  enum class Kind { Warning, About, End };
  struct Call {
    Kind kind;
    std::string text;
  };

  explicit RecordingServices(const MainForm* form = nullptr) : form_(form) {}

  void ShowWarning(const std::string& text) override { Record(Kind::Warning, text); }
  void ShowAbout(const std::string& text) override { Record(Kind::About, text); }
  void EndProgram() override { Record(Kind::End, {}); }

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
