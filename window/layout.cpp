#include "window/layout.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <limits>

#include "shopfloor/utf8_path.h"
#include "window/layout_line_edits.h"

namespace segcalc {
namespace {

// The layout is designed in twips: 15 to a pixel at 96 dpi.
constexpr int Px(int twips) {
  return (twips + 7) / 15;
}

QRect TwipRect(int left, int top, int width, int height) {
  return QRect(QPoint(Px(left), Px(top)), QPoint(Px(left + width) - 1, Px(top + height) - 1));
}

constexpr int kClientWidth = 5430;
constexpr int kClientHeight = 2265;
constexpr double kControlPoints = 10.5;  // labels and buttons
constexpr double kWindowPoints = 9.0;    // everything else

// A label sizes itself to its text: it keeps its left edge and stays centred
// on the row it was designed for, whatever the font's line height.
QLabel* AutoSizedLabel(QWidget* parent, const QString& text, const QRect& design,
                       const QFont& font) {
  auto* label = new QLabel(text, parent);
  label->setFont(font);
  const QSize size = label->sizeHint();
  label->setGeometry(design.left(), design.center().y() - size.height() / 2 + 1,
                     std::max(size.width(), design.width()), size.height());
  return label;
}

QPushButton* Button(QWidget* parent, const QString& text, const QRect& geometry) {
  auto* button = new QPushButton(text, parent);
  button->setFont(SongFont(kControlPoints));
  button->setGeometry(geometry);
  button->setAutoDefault(true);
  return button;
}

}  // namespace

QFont SongFont(double points) {
  QFont font;
  font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("NSimSun"),
                    QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN"),
                    QStringLiteral("AR PL UMing TW"), QStringLiteral("Noto Sans CJK SC"),
                    QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Droid Sans Fallback")});
  font.setPixelSize(qRound(points * 96.0 / 72.0));
  font.setWeight(QFont::Normal);
  return font;
}

QIcon SegmentIcon() {
  QIcon icon;
  icon.addFile(QStringLiteral(":/icons/segcalc-16.png"), QSize(16, 16));
  icon.addFile(QStringLiteral(":/icons/segcalc-32.png"), QSize(32, 32));
  return icon;
}

void SetUpApplicationLook() {
  // Message boxes take the window font too.
  QApplication::setFont(SongFont(kWindowPoints));
  QApplication::setWindowIcon(SegmentIcon());
}

MainFormDialog::MainFormDialog(MainForm& form, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      form_(form) {
  setFont(SongFont(kWindowPoints));
  setWindowIcon(SegmentIcon());
  setFixedSize(Px(kClientWidth), Px(kClientHeight));
  BuildControls();
  BuildMenuActions();
  ShowForm();
  // The first control in the tab order takes the focus when the window first
  // shows. That focus arrives as a window activation, which the boxes ignore,
  // so the arc length box's focus behaviour is run here.
  boxes_[0]->setFocus(Qt::TabFocusReason);
  Text1_GotFocus(form_);
  ShowSelection(Quantity::Arc);
}

MainFormDialog::~MainFormDialog() = default;

void MainFormDialog::BuildControls() {
  const QFont control_font = SongFont(kControlPoints);
  const QRect label_rects[] = {TwipRect(360, 405, 420, 210), TwipRect(2040, 405, 420, 210),
                               TwipRect(3720, 405, 420, 210), TwipRect(360, 885, 420, 210),
                               TwipRect(2040, 885, 420, 210)};
  const QRect box_rects[kQuantityCount] = {
      TwipRect(840, 360, 850, 300), TwipRect(2520, 360, 850, 300), TwipRect(4200, 360, 850, 300),
      TwipRect(840, 840, 850, 300), TwipRect(2520, 840, 850, 300)};
  void (*const got_focus[])(MainForm&) = {Text1_GotFocus, Text2_GotFocus, Text3_GotFocus};
  for (int i = 0; i < kQuantityCount; ++i) {
    const auto box = static_cast<Quantity>(i);
    const QString label_text = QString::fromUtf8(QuantityLabel(box));
    QLabel* label = AutoSizedLabel(this, label_text, label_rects[i], control_font);
    QLineEdit* edit = nullptr;
    if (i < 3) {
      auto* measurement = new MeasurementLineEdit(this);
      measurement->SetGotFocus([this, box, handler = got_focus[i]] {
        handler(form_);
        ShowSelection(box);
      });
      edit = measurement;
    } else {
      edit = new OutputLineEdit(this);
    }
    edit->setGeometry(box_rects[i]);
    // The window's menu rather than the box's own edit menu.
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    // A box holds whatever is typed or pasted; Qt would cut it at 32767.
    edit->setMaxLength(std::numeric_limits<int>::max());
    connect(edit, &QLineEdit::textEdited, this,
            [this, box](const QString& text) { form_.text(box) = text.toStdString(); });
    // A screen reader names each box by the label beside it.
    label->setBuddy(edit);
    edit->setAccessibleName(label_text);
    boxes_[QuantityIndex(box)] = edit;
  }

  AutoSizedLabel(this, QStringLiteral("填入弧长,弦长,弦高中任意二项可求出其它三项!"),
                 TwipRect(360, 1440, 3870, 180), font());

  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Plain);
  line->setGeometry(Px(120), Px(1320), Px(5280) - Px(120) + 1, 1);

  command1_ = Button(this, QStringLiteral("确 定"), TwipRect(2160, 1800, 975, 330));
  command1_->setDefault(true);
  command2_ = Button(this, QStringLiteral("关 闭"), TwipRect(4320, 1800, 975, 330));
  check1_ = new QCheckBox(QStringLiteral("小于半圆"), this);
  check1_->setGeometry(TwipRect(3720, 863, 1335, 255));
  command3_ = Button(this, QStringLiteral("关 于"), TwipRect(3240, 1800, 975, 330));

  connect(command1_, &QPushButton::clicked, this, [this] {
    Command1_Click(form_, *this);
    ShowForm();
  });
  connect(command2_, &QPushButton::clicked, this, [this] { Command2_Click(*this); });
  connect(command3_, &QPushButton::clicked, this, [this] { Command3_Click(*this); });
  connect(check1_, &QCheckBox::toggled, this,
          [this](bool ticked) { form_.check_value = ticked ? 1 : 0; });

  QWidget* const tab_order[] = {boxes_[0], boxes_[1], boxes_[2], boxes_[3], boxes_[4],
                                command1_, command2_, check1_,   command3_};
  for (std::size_t i = 1; i < std::size(tab_order); ++i) {
    setTabOrder(tab_order[i - 1], tab_order[i]);
  }
}

void MainFormDialog::BuildMenuActions() {
  for (std::size_t i = 0; i < std::size(kMenuEntries); ++i) {
    const MenuEntry& entry = kMenuEntries[i];
    auto* action = new QAction(QString::fromUtf8(entry.text), this);
    action->setShortcut(QKeySequence(QString::fromStdString(ShortcutText(entry))));
    action->setShortcutVisibleInContextMenu(true);
    connect(action, &QAction::triggered, this, [this, click = entry.click] {
      click(form_, *this);
      ShowForm();
    });
    // Added to the window so that the shortcut works without the menu.
    addAction(action);
    menu_actions_[i] = action;
  }
}

void MainFormDialog::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  for (QAction* action : menu_actions_) menu.addAction(action);
  menu.exec(event->globalPos());
}

void MainFormDialog::ShowForm() {
  for (QAction* action : menu_actions_) action->setEnabled(form_.HasResult());
  for (Quantity box : kQuantities) {
    QLineEdit* edit = textBox(box);
    const QString text = QString::fromStdString(form_.text(box));
    if (edit->text() == text) continue;
    edit->setText(text);
    // A box the user is not in shows where its number starts: the end of a
    // long radius alone would read as a different number.
    if (!edit->hasFocus()) edit->setCursorPosition(0);
  }
  check1_->setChecked(form_.check_value == 1);
  setWindowTitle(QString::fromStdString(form_.caption));
}

void MainFormDialog::ShowSelection(Quantity box) {
  const TextSelection& selection = form_.selection(box);
  textBox(box)->setSelection(selection.start, selection.length);
}

void MainFormDialog::reject() {
  Command2_Click(*this);
}

void MainFormDialog::closeEvent(QCloseEvent* event) {
  event->accept();
  EndProgram();
}

namespace {

void ShowModalBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                  const QString& text) {
  QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
  // Qt loads no translations, so its own button would say "OK".
  box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
  box.exec();
}

}  // namespace

void MainFormDialog::ShowWarning(const std::string& text) {
  ShowForm();
  ShowModalBox(this, QMessageBox::Warning, QStringLiteral("运行提示"),
               QString::fromStdString(text));
}

void MainFormDialog::ShowAbout(const std::string& text) {
  ShowForm();
  ShowModalBox(this, QMessageBox::NoIcon, QStringLiteral("关于"), QString::fromStdString(text));
}

void MainFormDialog::ShowInformation(const std::string& title, const std::string& text) {
  ShowForm();
  ShowModalBox(this, QMessageBox::NoIcon, QString::fromStdString(title),
               QString::fromStdString(text));
}

void MainFormDialog::EndProgram() {
  QCoreApplication::exit(0);
}

void MainFormDialog::SetClipboardText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

bool MainFormDialog::OpenInBrowser(const std::filesystem::path& file) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(Utf8FromPath(file))));
}

std::optional<std::filesystem::path> MainFormDialog::AskSaveFile(
    const std::string& suggested_name) {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  QString chosen =
      QFileDialog::getSaveFileName(this, QStringLiteral("导出 DXF"),
                                   QDir(folder).filePath(QString::fromStdString(suggested_name)),
                                   QStringLiteral("DXF 图形 (*.dxf)"));
  if (chosen.isEmpty()) return std::nullopt;
  // Windows' dialog adds the extension to a bare name; Qt's own does not.
  if (QFileInfo(chosen).suffix().isEmpty()) chosen += QStringLiteral(".dxf");
  return PathFromUtf8(chosen.toStdString());
}

}  // namespace segcalc
