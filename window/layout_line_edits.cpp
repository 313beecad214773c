#include "window/layout_line_edits.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace segcalc {

void MeasurementLineEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  focused_by_click_ = event->reason() == Qt::MouseFocusReason;
  // Coming back from another window or a message box is not a move between
  // controls: the box keeps whatever selection the user left in it.
  const bool same_control =
      event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
  if (got_focus_ && !same_control) got_focus_();
}

void MeasurementLineEdit::focusOutEvent(QFocusEvent* event) {
  focused_by_click_ = false;
  swallowing_click_ = false;
  QLineEdit::focusOutEvent(event);
}

void MeasurementLineEdit::mousePressEvent(QMouseEvent* event) {
  // The focus arrives before the press that caused it.
  if (focused_by_click_ && event->button() == Qt::LeftButton) {
    focused_by_click_ = false;
    swallowing_click_ = true;
    event->accept();
    return;
  }
  focused_by_click_ = false;
  QLineEdit::mousePressEvent(event);
}

void MeasurementLineEdit::mouseMoveEvent(QMouseEvent* event) {
  if (swallowing_click_) {
    event->accept();
    return;
  }
  QLineEdit::mouseMoveEvent(event);
}

void MeasurementLineEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (swallowing_click_) {
    swallowing_click_ = false;
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

OutputLineEdit::OutputLineEdit(QWidget* parent) : QLineEdit(parent) {
  setReadOnly(true);
  const int flash = QApplication::cursorFlashTime();
  blink_.setInterval(flash > 0 ? flash / 2 : 500);
  connect(&blink_, &QTimer::timeout, this, [this] {
    caret_shown_ = !caret_shown_;
    update();
  });
}

void OutputLineEdit::focusInEvent(QFocusEvent* event) {
  // Qt selects a line edit's whole text when it is tabbed into; these boxes
  // keep their selection, so the base class is told of a plain focus change.
  QFocusEvent plain(event->type(), Qt::OtherFocusReason);
  QLineEdit::focusInEvent(&plain);
  caret_shown_ = true;
  blink_.start();
  update();
}

void OutputLineEdit::focusOutEvent(QFocusEvent* event) {
  blink_.stop();
  caret_shown_ = false;
  QLineEdit::focusOutEvent(event);
}

void OutputLineEdit::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  if (!hasFocus() || !caret_shown_) return;
  const QRect caret = cursorRect();
  QPainter painter(this);
  painter.fillRect(QRect(caret.center().x(), caret.top(), 1, caret.height()),
                   palette().color(QPalette::Text));
}

}  // namespace segcalc
