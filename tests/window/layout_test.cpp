#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

#include <QAccessible>

#include "browser_stand_in.h"
#include "window/layout.h"
#include "window/main_form.h"

using namespace segcalc;

namespace {

// A started window, as the program shows it.
struct Window {
  Window() : form(NumberSeparators{".", ","}) {
    Form_Load(form);
    dialog = std::make_unique<MainFormDialog>(form);
    dialog->show();
  }
  QLineEdit* box(Quantity b) const { return dialog->textBox(b); }
  QStringList texts() const {
    QStringList result;
    for (Quantity b : kQuantities) result << box(b)->text();
    return result;
  }
  // Keys go to the window, so they reach whatever has the focus, as a user's would.
  void key(Qt::Key k) const { QTest::keyClick(dialog->windowHandle(), k); }
  void type(const QString& text) const {
    for (QChar c : text) QTest::keyClick(dialog->windowHandle(), c.toLatin1());
  }
  // What the window manager does when a message box closes; the offscreen
  // platform leaves no window active.
  bool activateAgain() const {
    dialog->activateWindow();
    return QTest::qWaitForWindowActive(dialog.get());
  }

  MainForm form;
  std::unique_ptr<MainFormDialog> dialog;
};

// Answers each modal message box as a user would, by its only button, after
// noting what it showed and what the window showed behind it.
class BoxAnswerer {
 public:
  struct Seen {
    QString title, text, button;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool modal = false;
    int buttons = 0;
    QStringList texts_behind;
  };

  explicit BoxAnswerer(const Window* window = nullptr) : window_(window) {
    QObject::connect(&poll_, &QTimer::timeout, [this] { AnswerOpenBox(); });
    poll_.start(10);
  }

  std::vector<Seen> seen;

 private:
  void AnswerOpenBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || box->buttons().isEmpty()) return;
    seen.push_back({box->windowTitle(), box->text(), box->buttons().value(0)->text(), box->icon(),
                    box->isModal(), static_cast<int>(box->buttons().size()),
                    window_ != nullptr ? window_->texts() : QStringList()});
    box->buttons().value(0)->click();
  }

  const Window* window_;
  QTimer poll_;
};

// A page beside the test program, where the window looks for it first; gone
// again afterwards.
class PageBesideTheProgram {
 public:
  PageBesideTheProgram() : file_(QCoreApplication::applicationDirPath() + "/segcalc.html") {
    file_.open(QIODevice::WriteOnly);
    file_.write("<!DOCTYPE html><html><head></head><body></body></html>\n");
    file_.close();
  }
  ~PageBesideTheProgram() { file_.remove(); }

 private:
  QFile file_;
};

// Whether `action` ends the program: the event loop it runs in returns 0.
bool EndsTheProgram(const std::function<void()>& action) {
  QTimer::singleShot(0, action);
  QTimer::singleShot(5000, [] { QCoreApplication::exit(2); });
  return QCoreApplication::exec() == 0;
}

bool WholeTextSelected(const QLineEdit* edit) {
  return edit->selectionStart() == 0 && edit->selectedText() == edit->text();
}

// Opens the window's menu by a right click on `widget` and notes its entries:
// text, shortcut as shown, and whether each is enabled; then picks the entry
// `pick` when it is not empty, or closes the menu.
struct MenuSeen {
  QStringList texts;
  QList<bool> enabled;
};

MenuSeen RightClickMenu(QWidget* widget, const QString& pick = {}) {
  MenuSeen seen;
  bool opened = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr || opened) return;
    opened = true;
    QAction* picked = nullptr;
    for (QAction* action : menu->actions()) {
      if (action->isSeparator()) continue;
      seen.texts << action->text() + "\t" + action->shortcut().toString();
      seen.enabled << action->isEnabled();
      if (action->text() == pick) picked = action;
    }
    if (picked != nullptr) {
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(picked).center());
    } else {
      menu->close();
    }
  });
  poll.start(10);
  // Through the window, as a real click comes, so that Qt makes the context
  // menu event of it.
  QTest::mouseClick(widget->window()->windowHandle(), Qt::RightButton, {},
                    widget->mapTo(widget->window(), widget->rect().center()));
  // A menu shown in a nested loop has been handled by now; one shown later
  // gets a moment.
  QTest::qWait(50);
  return seen;
}

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void startUp() {
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(w.dialog.get()));
    QCOMPARE(w.texts(), QStringList({"2491.78", "2067.63", "", "", ""}));
    QCOMPARE(w.dialog->windowTitle(), QString::fromStdString(WindowCaption()));
    QVERIFY(w.dialog->check1()->isChecked());
    QCOMPARE(QApplication::focusWidget(), w.box(Quantity::Arc));
    QCOMPARE(w.box(Quantity::Arc)->selectedText(), QStringLiteral("2491.78"));
  }

  void fixedGeometry() {
    Window w;
    QCOMPARE(w.dialog->size(), QSize(362, 151));
    QCOMPARE(w.dialog->minimumSize(), w.dialog->maximumSize());
    QCOMPARE(w.box(Quantity::Arc)->geometry(), QRect(56, 24, 57, 20));
    QCOMPARE(w.box(Quantity::Angle)->geometry(), QRect(168, 56, 57, 20));
    QCOMPARE(w.dialog->command1()->geometry(), QRect(144, 120, 65, 22));
    QCOMPARE(w.dialog->command3()->geometry().left(), 216);
    QCOMPARE(w.dialog->command2()->geometry().left(), 288);
    QCOMPARE(w.dialog->command1()->text(), QStringLiteral("确 定"));
    QCOMPARE(w.dialog->command2()->text(), QStringLiteral("关 闭"));
    QCOMPARE(w.dialog->command3()->text(), QStringLiteral("关 于"));
    QCOMPARE(w.dialog->command1()->font().pixelSize(), 14);
    QCOMPARE(w.box(Quantity::Arc)->font().pixelSize(), 12);
    QVERIFY(w.box(Quantity::Radius)->isReadOnly());
    QVERIFY(w.box(Quantity::Angle)->isReadOnly());
    QVERIFY(!w.box(Quantity::Height)->isReadOnly());
    const QList<QSize> icon_sizes = w.dialog->windowIcon().availableSizes();
    QVERIFY(icon_sizes.contains(QSize(16, 16)));
    QVERIFY(icon_sizes.contains(QSize(32, 32)));
    // Every label's text fits in the label: nothing is clipped.
    for (const QLabel* label : w.dialog->findChildren<QLabel*>()) {
      QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
      QVERIFY2(label->geometry().right() < w.dialog->width(), qPrintable(label->text()));
    }
  }

  void enterComputesFromTheArcBox() {
    Window w;
    BoxAnswerer answerer;
    QVERIFY(QTest::qWaitForWindowActive(w.dialog.get()));
    w.key(Qt::Key_Return);
    const QStringList ticked{"2491.78", "2067.63", "591.83", "1200", "119.03"};
    QCOMPARE(w.texts(), ticked);
    w.key(Qt::Key_Enter);
    QCOMPARE(w.texts(), ticked);

    QTest::mouseClick(w.dialog->check1(), Qt::LeftButton);
    QVERIFY(!w.dialog->check1()->isChecked());
    QCOMPARE(w.form.check_value, 0);
    w.key(Qt::Key_Return);  // the check box has the focus now
    QCOMPARE(w.texts(), QStringList({"2491.78", "2067.63", "592.41", "1197.15", "119.32"}));
    QVERIFY(answerer.seen.empty());
  }

  void typedTextsReachTheCompute() {
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(w.dialog.get()));
    w.type("1000");  // replaces the selected start-up value
    w.key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.box(Quantity::Chord));
    w.key(Qt::Key_Delete);
    w.key(Qt::Key_Tab);
    w.type("340");
    w.key(Qt::Key_Return);
    QCOMPARE(w.texts(), QStringList({"1000", "83.34", "340", "172.55", "332.22"}));
  }

  // Each warning stands in front of the results of the last good compute.
  void warningsKeepEarlierResults() {
    Window w;
    BoxAnswerer answerer(&w);
    QVERIFY(QTest::qWaitForWindowActive(w.dialog.get()));
    w.key(Qt::Key_Return);
    w.type("100");
    w.key(Qt::Key_Tab);
    w.type("200");
    w.key(Qt::Key_Return);
    QCOMPARE(answerer.seen.size(), std::size_t{1});
    QCOMPARE(answerer.seen[0].text, QStringLiteral("按当前条件无法求解!请核对后再试!"));
    const QStringList kept{"100", "200", "591.83", "1200", "119.03"};
    QCOMPARE(answerer.seen[0].texts_behind, kept);
    QCOMPARE(w.texts(), kept);

    QVERIFY(w.activateAgain());
    w.key(Qt::Key_Tab);  // into the height box, whose text goes
    w.key(Qt::Key_Delete);
    QTest::mouseClick(w.box(Quantity::Arc), Qt::LeftButton);
    w.key(Qt::Key_Delete);
    w.key(Qt::Key_Return);
    QCOMPARE(answerer.seen.size(), std::size_t{2});
    QCOMPARE(answerer.seen[1].text, QStringLiteral("当前输入项不完整,请填写完整后再试!"));
    QVERIFY(w.activateAgain());

    w.type("1e999");
    w.key(Qt::Key_Return);
    QCOMPARE(answerer.seen.size(), std::size_t{3});
    QCOMPARE(answerer.seen[2].title, QStringLiteral("运行提示"));
    QCOMPARE(w.texts(), QStringList({"1e999", "200", "", "1200", "119.03"}));
    QVERIFY(w.dialog->isVisible());
  }

  // The result written just before an overflow warning is in view behind it.
  void arithmeticErrorShowsTheLastMatchBehindTheWarning() {
    Window w;
    BoxAnswerer answerer(&w);
    QVERIFY(QTest::qWaitForWindowActive(w.dialog.get()));
    w.type("1e305");
    w.key(Qt::Key_Tab);
    w.type("0");
    QTest::mouseClick(w.dialog->check1(), Qt::LeftButton);
    QTest::mouseClick(w.dialog->command1(), Qt::LeftButton);
    QCOMPARE(answerer.seen.size(), std::size_t{1});
    QVERIFY(answerer.seen[0].text.contains(QStringLiteral("溢出")));
    QCOMPARE(answerer.seen[0].texts_behind.value(4), QStringLiteral("360"));
  }

  // A pasted text of 100,000 characters is kept whole, fails to convert, and
  // leaves every box as it was and the window working.
  void hugePastedTextIsReportedAndTheWindowGoesOn() {
    Window w;
    BoxAnswerer answerer;
    QVERIFY(QTest::qWaitForWindowActive(w.dialog.get()));
    w.key(Qt::Key_Return);
    const QString huge(100000, QLatin1Char('7'));
    QGuiApplication::clipboard()->setText(huge);
    QTest::keyClick(w.dialog->windowHandle(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.box(Quantity::Arc)->text().size(), huge.size());
    const QStringList before = w.texts();
    w.key(Qt::Key_Return);
    QVERIFY(w.activateAgain());
    QCOMPARE(answerer.seen.size(), std::size_t{1});
    QCOMPARE(answerer.seen[0].text, QStringLiteral("弧长的数值超出了可以计算的范围,请核对后再试!"));
    QCOMPARE(w.texts(), before);
    QVERIFY(w.dialog->isVisible());

    QTest::keyClick(w.dialog->windowHandle(), Qt::Key_A, Qt::ControlModifier);
    w.type("2491.78");
    w.key(Qt::Key_Return);
    QCOMPARE(w.texts(), QStringList({"2491.78", "2067.63", "591.83", "1200", "119.03"}));
    QCOMPARE(answerer.seen.size(), std::size_t{1});
  }

  // A long result is read from its first digit: a box the user is not in
  // shows the start of its text, the box being typed in its caret.
  void unfocusedBoxesShowTheStartOfTheirText() {
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(w.dialog.get()));
    w.key(Qt::Key_Delete);
    w.key(Qt::Key_Tab);
    w.type("1000");
    w.key(Qt::Key_Tab);
    w.type("0.02");
    w.key(Qt::Key_Return);
    QLineEdit* radius = w.box(Quantity::Radius);
    QLineEdit* arc = w.box(Quantity::Arc);
    QVERIFY2(radius->fontMetrics().horizontalAdvance(radius->text()) > radius->width(),
             qPrintable(radius->text()));
    for (QLineEdit* unfocused : {radius, arc}) {
      QVERIFY(!unfocused->hasFocus());
      QCOMPARE(unfocused->cursorPosition(), 0);
    }
    QVERIFY(w.box(Quantity::Height)->hasFocus());
    QCOMPARE(w.box(Quantity::Height)->text(), QStringLiteral("0.02"));
  }

  void tabOrderAndSelection() {
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(w.dialog.get()));
    w.key(Qt::Key_Return);  // fills the radius and angle boxes
    QWidget* const order[] = {
        w.box(Quantity::Chord), w.box(Quantity::Height), w.box(Quantity::Radius),
        w.box(Quantity::Angle), w.dialog->command1(),    w.dialog->command2(),
        w.dialog->check1(),     w.dialog->command3(),    w.box(Quantity::Arc)};
    for (QWidget* expected : order) {
      w.key(Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), expected);
      if (auto* edit = qobject_cast<QLineEdit*>(expected)) {
        const bool input = !edit->isReadOnly();
        QCOMPARE(WholeTextSelected(edit) && !edit->text().isEmpty(), input);
      }
    }
  }

  void clickSelectsTheWholeMeasurement() {
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(w.dialog.get()));
    QLineEdit* chord = w.box(Quantity::Chord);
    QTest::mouseClick(chord, Qt::LeftButton, {}, QPoint(20, chord->height() / 2));
    QCOMPARE(QApplication::focusWidget(), chord);
    QVERIFY(WholeTextSelected(chord));
    // A second click, with the focus already there, places the cursor.
    QTest::mouseClick(chord, Qt::LeftButton, {}, QPoint(20, chord->height() / 2));
    QVERIFY(!chord->hasSelectedText());

    w.key(Qt::Key_Return);
    QLineEdit* radius = w.box(Quantity::Radius);
    QTest::mouseClick(radius, Qt::LeftButton, {}, QPoint(5, radius->height() / 2));
    QCOMPARE(QApplication::focusWidget(), radius);
    QVERIFY(!radius->hasSelectedText());
    w.type("9");  // read-only
    QCOMPARE(radius->text(), QStringLiteral("1200"));
  }

  void enterOnTheCloseButtonEndsRatherThanComputes() {
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(w.dialog.get()));
    w.dialog->command2()->setFocus(Qt::TabFocusReason);
    QVERIFY(EndsTheProgram([&w] { w.key(Qt::Key_Return); }));
    QCOMPARE(w.box(Quantity::Height)->text(), QString());
  }

  void escapeAndClosingEndFromAnywhere() {
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(w.dialog.get()));
    for (QWidget* focus :
         {static_cast<QWidget*>(w.box(Quantity::Arc)),
          static_cast<QWidget*>(w.box(Quantity::Angle)), static_cast<QWidget*>(w.dialog->check1()),
          static_cast<QWidget*>(w.dialog->command3())}) {
      focus->setFocus(Qt::TabFocusReason);
      QVERIFY(EndsTheProgram([&w] { w.key(Qt::Key_Escape); }));
    }
    QVERIFY(EndsTheProgram([&w] { w.dialog->close(); }));
  }

  // The real boxes: modal, the title and icon of their kind, one "确定" button.
  void realMessageBoxes() {
    Window w;
    BoxAnswerer answerer;
    QVERIFY(QTest::qWaitForWindowActive(w.dialog.get()));
    QTest::mouseClick(w.dialog->command3(), Qt::LeftButton);
    w.dialog->ShowWarning("按当前条件无法求解!请核对后再试!");
    QCOMPARE(answerer.seen.size(), std::size_t{2});
    const BoxAnswerer::Seen& about = answerer.seen[0];
    QCOMPARE(about.title, QStringLiteral("关于"));
    QCOMPARE(about.text, QString::fromStdString(AboutText()));
    QCOMPARE(about.icon, QMessageBox::NoIcon);
    const BoxAnswerer::Seen& warning = answerer.seen[1];
    QCOMPARE(warning.title, QStringLiteral("运行提示"));
    QCOMPARE(warning.icon, QMessageBox::Warning);
    for (const auto& seen : answerer.seen) {
      QCOMPARE(seen.button, QStringLiteral("确定"));
      QCOMPARE(seen.buttons, 1);
      QVERIFY(seen.modal);
    }
  }

  // A right click anywhere, a text box included, opens the same menu; its
  // entries wait for a result, and 复制结果 is ready for a spreadsheet.
  void contextMenuAndShortcuts() {
    Window w;
    BoxAnswerer answerer;
    QVERIFY(QTest::qWaitForWindowActive(w.dialog.get()));
    const QStringList entries{
        QStringLiteral("复制结果\tCtrl+Shift+C"), QStringLiteral("精确结果\tCtrl+R"),
        QStringLiteral("放样图\tCtrl+P"),         QStringLiteral("导出 DXF\tCtrl+S"),
        QStringLiteral("工作台\tCtrl+B"),         QStringLiteral("纸张\t")};
    for (QWidget* where :
         {static_cast<QWidget*>(w.dialog.get()), static_cast<QWidget*>(w.box(Quantity::Radius)),
          static_cast<QWidget*>(w.dialog->command3())}) {
      const MenuSeen before = RightClickMenu(where);
      QCOMPARE(before.texts, entries);
      QCOMPARE(before.enabled, QList<bool>({false, false, false, false, true, true}));
    }
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    QTest::keyClick(w.dialog->windowHandle(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));

    QTest::mouseClick(w.dialog->command1(), Qt::LeftButton);
    const QString expected =
        QStringLiteral("弧长\t弦长\t弦高\t半径\t夹角\n2491.78\t2067.63\t591.83\t1200\t119.03\n");
    const MenuSeen after = RightClickMenu(w.box(Quantity::Arc), QStringLiteral("复制结果"));
    QCOMPARE(after.enabled, QList<bool>({true, true, true, true, true, true}));
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);

    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    QVERIFY(w.activateAgain());
    QTest::keyClick(w.dialog->windowHandle(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);

    // A compute without a solution and without an exact circle takes the
    // result away again. The right click above left the focus in the arc box,
    // so a left click would only move its cursor: the text is selected by key.
    QTest::keyClick(w.dialog->windowHandle(), Qt::Key_A, Qt::ControlModifier);
    w.type("100");
    w.key(Qt::Key_Return);
    QCOMPARE(answerer.seen.size(), std::size_t{1});
    QVERIFY(w.activateAgain());
    QCOMPARE(RightClickMenu(w.dialog->command1()).enabled,
             QList<bool>({false, false, false, false, true, true}));
    QCOMPARE(w.box(Quantity::Radius)->text(), QStringLiteral("1200"));
  }

  // The 纸张 submenu's choices reach the form, one of them ticked.
  void paperSubmenu() {
    Window w;
    QCOMPARE(w.form.paper.key, std::string("A4"));
    QVERIFY(w.dialog->paperAction(0)->isChecked());
    w.dialog->paperAction(4)->trigger();
    QCOMPARE(w.form.paper.key, std::string("A0"));
    for (int i = 0; i < static_cast<int>(std::size(kPaperEntries)); ++i) {
      QCOMPARE(w.dialog->paperAction(i)->isChecked(), i == 4);
      QCOMPARE(w.dialog->paperAction(i)->text(), QString::fromUtf8(kPaperEntries[i].text));
    }
  }

  // 工作台 before any compute: its shortcut from inside a measurement box,
  // whose line edit leaves Ctrl+B alone, and its menu entry each open a new
  // copy of the page found beside the program.
  void workbenchWithoutACompute() {
    Window w;
    BoxAnswerer answerer;
    BrowserStandIn browser;
    PageBesideTheProgram page;
    QVERIFY(QTest::qWaitForWindowActive(w.dialog.get()));
    QCOMPARE(QApplication::focusWidget(), w.box(Quantity::Arc));
    QTest::keyClick(w.dialog->windowHandle(), Qt::Key_B, Qt::ControlModifier);
    RightClickMenu(w.dialog->command3(), QStringLiteral("工作台"));
    QTRY_COMPARE(browser.opened().size(), 2);
    QVERIFY(answerer.seen.empty());
    QCOMPARE(w.box(Quantity::Arc)->text(), QStringLiteral("2491.78"));
    QCOMPARE(w.box(Quantity::Radius)->text(), QString());
    const QStringList opened = browser.opened();
    QVERIFY(opened[0] != opened[1]);
    for (const QString& file : opened) {
      QFile copy(file);
      QVERIFY2(QFileInfo(copy).fileName().startsWith(QStringLiteral("segcalc-workbench-")),
               qPrintable(file));
      QVERIFY(copy.open(QIODevice::ReadOnly));
      QVERIFY(copy.readAll().contains(R"("ca":"2491.78","cc":"2067.63")"));
      copy.remove();
    }
  }

  // 精确结果 opens its box, and each box the compute wrote carries the exact
  // value in its tooltip, its text in another colour only while far off.
  void exactValuesBesideTheBoxes() {
    Window w;
    BoxAnswerer answerer;
    QVERIFY(QTest::qWaitForWindowActive(w.dialog.get()));
    QLineEdit* height = w.box(Quantity::Height);
    const QColor normal = height->palette().color(QPalette::Text);
    w.key(Qt::Key_Return);
    QVERIFY(!height->toolTip().isEmpty());
    QVERIFY(w.box(Quantity::Arc)->toolTip().isEmpty());
    QCOMPARE(height->palette().color(QPalette::Text), normal);
    QTest::keyClick(w.dialog->windowHandle(), Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(answerer.seen.size(), std::size_t{1});
    QCOMPARE(answerer.seen[0].title, QStringLiteral("精确结果"));
    QVERIFY(w.activateAgain());

    // A long flat arc: the calculator's height is 1130.85, the exact 1055.7.
    const auto compute = [&w](const QString& arc, const QString& chord) {
      QTest::keyClick(w.dialog->windowHandle(), Qt::Key_A, Qt::ControlModifier);
      w.type(arc);
      w.key(Qt::Key_Tab);
      w.type(chord);
      w.key(Qt::Key_Tab);
      w.key(Qt::Key_Delete);
      w.key(Qt::Key_Return);
      QTest::mouseClick(w.box(Quantity::Arc), Qt::LeftButton);
    };
    compute("15000", "14800");
    QCOMPARE(height->text(), QStringLiteral("1130.85"));
    QVERIFY2(height->toolTip().contains(QStringLiteral("1055.7")), qPrintable(height->toolTip()));
    QVERIFY(height->palette().color(QPalette::Text) != normal);
    // No arc has an arc as long as its chord: the rule's digits, in warning.
    compute("1500", "1500");
    QCOMPARE(height->text(), QStringLiteral("13266.9"));
    QVERIFY2(height->toolTip().startsWith(QStringLiteral("没有这样的圆弧")),
             qPrintable(height->toolTip()));
    QVERIFY(height->palette().color(QPalette::Text) != normal);
    compute("2491.78", "2067.63");
    QCOMPARE(height->text(), QStringLiteral("591.83"));
    QCOMPARE(height->palette().color(QPalette::Text), normal);
    QCOMPARE(answerer.seen.size(), std::size_t{1});
  }

  // A screen reader names each box by the label beside it, and each button
  // and the check box by its caption.
  void controlsCarryTheirNames() {
    Window w;
    const QList<QLabel*> labels = w.dialog->findChildren<QLabel*>();
    for (Quantity b : kQuantities) {
      const QLineEdit* edit = w.box(b);
      const QLabel* nearest = nullptr;
      for (const QLabel* label : labels) {
        const bool same_row =
            std::abs(label->geometry().center().y() - edit->geometry().center().y()) < 5;
        const bool left_of = label->geometry().right() < edit->geometry().left();
        if (same_row && left_of && (!nearest || label->x() > nearest->x())) nearest = label;
      }
      QVERIFY(nearest != nullptr);
      QCOMPARE(nearest->buddy(), edit);
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w.box(b));
      QVERIFY(accessible != nullptr);
      QCOMPARE(accessible->text(QAccessible::Name), nearest->text());
    }
    for (QAbstractButton* button : {static_cast<QAbstractButton*>(w.dialog->command1()),
                                    static_cast<QAbstractButton*>(w.dialog->command2()),
                                    static_cast<QAbstractButton*>(w.dialog->command3()),
                                    static_cast<QAbstractButton*>(w.dialog->check1())}) {
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
      QVERIFY(accessible != nullptr);
      QCOMPARE(accessible->text(QAccessible::Name), button->text());
    }
  }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
