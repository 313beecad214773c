#pragma once

#include <QLineEdit>
#include <QTimer>
#include <functional>

namespace segcalc {

// A measurement box: receiving the focus runs its GotFocus handler, whose
// selection a mouse click must not undo, so the click that brings the focus
// is not passed on to the cursor.
class MeasurementLineEdit : public QLineEdit {
 public:
  explicit MeasurementLineEdit(QWidget* parent) : QLineEdit(parent) {}
  void SetGotFocus(std::function<void()> handler) { got_focus_ = std::move(handler); }

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::function<void()> got_focus_;
  bool focused_by_click_ = false;
  bool swallowing_click_ = false;
};

// The radius and angle boxes: read-only, yet they take the focus, keep their
// selection as it was and show a blinking caret, which Qt does not draw for
// read-only line edits.
class OutputLineEdit : public QLineEdit {
 public:
  explicit OutputLineEdit(QWidget* parent);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QTimer blink_;
  bool caret_shown_ = false;
};

}  // namespace segcalc
