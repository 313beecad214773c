#include "window/layout.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
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
#include <limits>

#include "shopfloor/utf8_path.h"
#include "window/box_hints.h"
#include "window/form_design.h"
#include "window/layout_line_edits.h"
#include "window/qt_browser.h"

namespace segcalc {
namespace {

// Twips of the design to pixels: 15 to a pixel at 96 dpi, which Qt's
// device-independent pixels are.
constexpr int Px(int twips) {
  return (twips + 7) / 15;
}

QRect PixelRect(const TwipRect& design) {
  return QRect(QPoint(Px(design.left), Px(design.top)),
               QPoint(Px(design.left + design.width) - 1, Px(design.top + design.height) - 1));
}

QFont SongFontOf(FontSize size) {
  return SongFont(PointsOf(size));
}

QColor WarningTextColour() {
  return QColor(kWarningTextColour.red, kWarningTextColour.green, kWarningTextColour.blue);
}

// A label sizes itself to its text: it keeps its left edge and stays centred
// on the row it was designed for, whatever the font's line height.
QLabel* AutoSizedLabel(QWidget* parent, const ControlDesign& design) {
  auto* label = new QLabel(QString::fromUtf8(design.caption), parent);
  label->setFont(SongFontOf(design.font));
  const QRect rect = PixelRect(design.rect);
  const QSize size = label->sizeHint();
  label->setGeometry(rect.left(), rect.center().y() - size.height() / 2 + 1,
                     std::max(size.width(), rect.width()), size.height());
  return label;
}

QPushButton* Button(QWidget* parent, const ControlDesign& design) {
  auto* button = new QPushButton(QString::fromUtf8(design.caption), parent);
  button->setFont(SongFontOf(design.font));
  button->setGeometry(PixelRect(design.rect));
  button->setAutoDefault(true);
  return button;
}

}  // namespace

QFont SongFont(double points) {
  QFont font;
  // 宋体 by its Latin name first, then by the design's, then its look-alikes.
  font.setFamilies({QStringLiteral("SimSun"), QString::fromUtf8(kFontFace),
                    QStringLiteral("NSimSun"), QStringLiteral("Noto Serif CJK SC"),
                    QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                    QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei"),
                    QStringLiteral("Droid Sans Fallback")});
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
  QApplication::setFont(SongFontOf(FontSize::Window));
  QApplication::setWindowIcon(SegmentIcon());
}

MainFormDialog::MainFormDialog(MainForm& form, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      form_(form) {
  setFont(SongFontOf(FontSize::Window));
  setWindowIcon(SegmentIcon());
  setFixedSize(Px(kClientWidthTwips), Px(kClientHeightTwips));
  BuildControls();
  BuildMenuActions();
  RefreshControls();
  // The first control in the tab order takes the focus when the window first
  // shows. That focus arrives as a window activation, which the boxes ignore,
  // so the arc length box's focus behaviour is run here.
  boxes_[0]->setFocus(Qt::TabFocusReason);
  Text1_GotFocus(form_);
  ShowSelection(Quantity::Arc);
}

MainFormDialog::~MainFormDialog() = default;

void MainFormDialog::BuildControls() {
  QLabel* label_before = nullptr;
  QWidget* previous_in_tab_order = nullptr;
  for (const ControlDesign& design : FormControls()) {
    QWidget* focusable = nullptr;
    switch (design.kind) {
      case ControlKind::Label:
        label_before = AutoSizedLabel(this, design);
        break;
      case ControlKind::TextBox:
        focusable = BuildTextBox(design, label_before);
        break;
      case ControlKind::Button:
        focusable = BuildButton(design);
        break;
      case ControlKind::CheckBox:
        check1_ = new QCheckBox(QString::fromUtf8(design.caption), this);
        check1_->setFont(SongFontOf(design.font));
        check1_->setGeometry(PixelRect(design.rect));
        connect(check1_, &QCheckBox::toggled, this,
                [this](bool ticked) { form_.check_value = ticked ? 1 : 0; });
        focusable = check1_;
        break;
    }
    if (focusable == nullptr) continue;
    if (previous_in_tab_order != nullptr) setTabOrder(previous_in_tab_order, focusable);
    previous_in_tab_order = focusable;
  }

  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Plain);
  line->setGeometry(Px(kSeparatorLine.left), Px(kSeparatorLine.top),
                    Px(kSeparatorLine.right) - Px(kSeparatorLine.left) + 1, 1);
}

QLineEdit* MainFormDialog::BuildTextBox(const ControlDesign& design, QLabel* label) {
  const Quantity box = *design.quantity;
  QLineEdit* edit = nullptr;
  if (IsMeasurement(box)) {
    auto* measurement = new MeasurementLineEdit(this);
    void (*const got_focus[])(MainForm&) = {Text1_GotFocus, Text2_GotFocus, Text3_GotFocus};
    measurement->SetGotFocus([this, box, handler = got_focus[QuantityIndex(box)]] {
      handler(form_);
      ShowSelection(box);
    });
    edit = measurement;
  } else {
    edit = new OutputLineEdit(this);
  }
  edit->setFont(SongFontOf(design.font));
  edit->setGeometry(PixelRect(design.rect));
  // The window's menu rather than the box's own edit menu.
  edit->setContextMenuPolicy(Qt::NoContextMenu);
  // A box holds whatever is typed or pasted; Qt would cut it at 32767.
  edit->setMaxLength(std::numeric_limits<int>::max());
  connect(edit, &QLineEdit::textEdited, this,
          [this, box](const QString& text) { form_.text(box) = text.toStdString(); });
  // A screen reader names each box by the label beside it.
  label->setBuddy(edit);
  edit->setAccessibleName(label->text());
  boxes_[QuantityIndex(box)] = edit;
  return edit;
}

QPushButton* MainFormDialog::BuildButton(const ControlDesign& design) {
  QPushButton* button = Button(this, design);
  switch (design.control) {
    case FormControl::Command1:
      command1_ = button;
      connect(button, &QPushButton::clicked, this, [this] {
        Command1_Click(form_, *this);
        RefreshControls();
      });
      break;
    case FormControl::Command2:
      command2_ = button;
      connect(button, &QPushButton::clicked, this, [this] { Command2_Click(*this); });
      break;
    case FormControl::Command3:
      command3_ = button;
      connect(button, &QPushButton::clicked, this, [this] { Command3_Click(*this); });
      break;
    default:
      break;
  }
  button->setDefault(design.control == kDefaultButton);
  return button;
}

void MainFormDialog::BuildMenuActions() {
  for (std::size_t i = 0; i < std::size(kMenuEntries); ++i) {
    const MenuEntry& entry = kMenuEntries[i];
    auto* action = new QAction(QString::fromUtf8(entry.text), this);
    action->setShortcut(QKeySequence(QString::fromStdString(ShortcutText(entry))));
    action->setShortcutVisibleInContextMenu(true);
    connect(action, &QAction::triggered, this, [this, click = entry.click] {
      click(form_, *this);
      RefreshControls();
    });
    // Added to the window so that the shortcut works without the menu.
    addAction(action);
    menu_actions_[i] = action;
  }
  auto* papers = new QActionGroup(this);
  for (std::size_t i = 0; i < std::size(kPaperEntries); ++i) {
    auto* action = new QAction(QString::fromUtf8(kPaperEntries[i].text), papers);
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, i] {
      ChoosePaper(form_, i);
      RefreshControls();
    });
    paper_actions_[i] = action;
  }
}

void MainFormDialog::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  for (QAction* action : menu_actions_) menu.addAction(action);
  menu.addSeparator();
  QMenu* paper = menu.addMenu(QString::fromUtf8(kPaperMenuText));
  for (QAction* action : paper_actions_) paper->addAction(action);
  menu.exec(event->globalPos());
}

void MainFormDialog::RefreshControls() {
  for (std::size_t i = 0; i < std::size(kMenuEntries); ++i) {
    menu_actions_[i]->setEnabled(kMenuEntries[i].AvailableFor(form_));
  }
  for (std::size_t i = 0; i < std::size(kPaperEntries); ++i) {
    paper_actions_[i]->setChecked(PaperChosen(form_, i));
  }
  for (Quantity box : kQuantities) {
    QLineEdit* edit = textBox(box);
    const QString text = QString::fromStdString(form_.text(box));
    if (edit->text() != text) {
      edit->setText(text);
      // A box the user is not in shows where its number starts: the end of a
      // long radius alone would read as a different number.
      if (!edit->hasFocus()) edit->setCursorPosition(0);
    }
    ShowHint(edit, HintOf(form_, box));
  }
  check1_->setChecked(form_.check_value == 1);
  setWindowTitle(QString::fromStdString(form_.caption));
}

void MainFormDialog::ShowHint(QLineEdit* edit, const BoxHint& hint) {
  edit->setToolTip(QString::fromStdString(hint.tooltip));
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Text, hint.warning
                                       ? WarningTextColour()
                                       : QApplication::palette(edit).color(QPalette::Text));
  edit->setPalette(palette);
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
  // The window's boxes are Chinese on any desktop; Qt's own button would
  // follow the desktop's language (qt_translations.h).
  box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
  box.exec();
}

}  // namespace

void MainFormDialog::ShowWarning(const std::string& text) {
  RefreshControls();
  ShowModalBox(this, QMessageBox::Warning, QStringLiteral("运行提示"),
               QString::fromStdString(text));
}

void MainFormDialog::ShowAbout(const std::string& text) {
  RefreshControls();
  ShowModalBox(this, QMessageBox::NoIcon, QStringLiteral("关于"), QString::fromStdString(text));
}

void MainFormDialog::ShowInformation(const std::string& title, const std::string& text) {
  RefreshControls();
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
  return OpenInDesktopBrowser(QString::fromStdString(Utf8FromPath(file)), this);
}

std::filesystem::path MainFormDialog::ProgramFolder() {
  return PathFromUtf8(QCoreApplication::applicationDirPath().toStdString());
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
