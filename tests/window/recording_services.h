#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "window/commands.h"

namespace segcalc {

// Records what the commands ask of the platform instead of showing modal
// boxes or ending the process, with the form's texts as they stood then.
class RecordingServices : public WindowServices {
 public:
  enum class Kind { Warning, About, End };
  struct Call {
    Kind kind;
    QString text;
  };

  explicit RecordingServices(const MainForm* form = nullptr) : form_(form) {}

  void ShowWarning(const QString& text) override { Record(Kind::Warning, text); }
  void ShowAbout(const QString& text) override { Record(Kind::About, text); }
  void EndProgram() override { Record(Kind::End, {}); }

  std::vector<Call> calls;
  // The five texts of the form at each call.
  std::vector<QStringList> texts_at_call;

 private:
  void Record(Kind kind, const QString& text) {
    calls.push_back({kind, text});
    QStringList texts;
    if (form_ != nullptr) {
      for (int i = 0; i < kTextBoxCount; ++i) texts << form_->text(static_cast<TextBox>(i));
    }
    texts_at_call.push_back(texts);
  }

  const MainForm* form_;
};

}  // namespace segcalc
