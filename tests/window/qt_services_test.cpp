// What the Qt window asks of the desktop, offscreen, on a Chinese desktop
// (LANG=zh_CN.UTF-8, set by CTest): Qt's own save dialog in Chinese, and a
// browser that does not start reported with the file's name. What the
// commands do with the answer is tested without a toolkit (commands_test.cpp).
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "browser_stand_in.h"
#include "window/layout.h"
#include "window/main_form.h"
#include "window/qt_translations.h"

using namespace segcalc;

namespace {

// The start-up example, computed, its window active.
struct ComputedWindow {
  ComputedWindow() : form(NumberSeparators{".", ","}) {
    Form_Load(form);
    dialog = std::make_unique<MainFormDialog>(form);
    dialog->show();
    if (!QTest::qWaitForWindowActive(dialog.get())) return;
    QTest::keyClick(dialog->windowHandle(), Qt::Key_Return);
  }
  void press(Qt::Key key) const {
    QTest::keyClick(dialog->windowHandle(), key, Qt::ControlModifier);
  }

  MainForm form;
  std::unique_ptr<MainFormDialog> dialog;
};

// Runs `action`, and answers the first modal widget it opens after noting it
// down by `note`; the widget is closed by its reject (Esc, cancel).
template <typename Widget>
void AnswerModal(const std::function<void()>& action, const std::function<void(Widget*)>& note) {
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* widget = qobject_cast<Widget*>(QApplication::activeModalWidget());
    if (widget == nullptr || !widget->isVisible()) return;
    poll.stop();
    note(widget);
    widget->reject();
  });
  poll.start(10);
  action();
  QTRY_VERIFY(!poll.isActive());
}

}  // namespace

class QtServicesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QCOMPARE(QLocale::system().language(), QLocale::Chinese);
    // Reports go to a folder of the test's own.
    QVERIFY(scratch_.isValid());
    qputenv("TMPDIR", scratch_.path().toLocal8Bit());
  }

  // 导出 DXF's dialog is Qt's own: with the desktop's translations loaded as
  // the program loads them, its buttons are Chinese.
  void saveDialogInTheDesktopLanguage() {
    QVERIFY2(LoadQtTranslations(), "no Qt translations for zh_CN: install qt6-translations-l10n");
    ComputedWindow w;
    QCOMPARE(w.form.text(Quantity::Radius), std::string("1200"));
    QStringList buttons;
    QString title;
    AnswerModal<QFileDialog>(
        [&w] { w.press(Qt::Key_S); },
        [&](QFileDialog* dialog) {
          title = dialog->windowTitle();
          for (QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons()) {
            buttons << button->text();
          }
        });
    QCOMPARE(title, QStringLiteral("导出 DXF"));
    buttons.sort();
    QCOMPARE(buttons, QStringList({QStringLiteral("保存(&S)"), QStringLiteral("取消")}));
  }

  // 放样图 through xdg-open: where it hands the report over, nothing is said;
  // where it finds no browser, or there is no xdg-open, a warning names the
  // report written.
  void browserThatDoesNotStartIsReported_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("warned");
    QTest::newRow("opens") << static_cast<int>(BrowserStandIn::Kind::Opens) << false;
    QTest::newRow("no browser") << static_cast<int>(BrowserStandIn::Kind::FindsNoBrowser) << true;
    QTest::newRow("no xdg-open") << static_cast<int>(BrowserStandIn::Kind::Absent) << true;
  }
  void browserThatDoesNotStartIsReported() {
    QFETCH(int, kind);
    QFETCH(bool, warned);
    const auto stand_in_kind = static_cast<BrowserStandIn::Kind>(kind);
    BrowserStandIn browser(stand_in_kind);
    ComputedWindow w;
    QCOMPARE(w.form.text(Quantity::Radius), std::string("1200"));
    const QStringList before = QDir(scratch_.path()).entryList({"segcalc-report-*.html"});
    QString warning;
    if (warned) {
      AnswerModal<QMessageBox>([&w] { w.press(Qt::Key_P); },
                               [&](QMessageBox* box) { warning = box->text(); });
    } else {
      w.press(Qt::Key_P);
      QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
    const QStringList after = QDir(scratch_.path()).entryList({"segcalc-report-*.html"});
    QCOMPARE(after.size(), before.size() + 1);
    QString report;
    for (const QString& name : after) {
      if (!before.contains(name)) report = QDir(scratch_.path()).filePath(name);
    }
    if (stand_in_kind != BrowserStandIn::Kind::Absent) {
      QCOMPARE(browser.opened(), QStringList({report}));
    }
    if (warned) {
      QCOMPARE(warning, QStringLiteral("无法打开浏览器,放样图已写入 ") + report);
    }
  }

 private:
  QTemporaryDir scratch_;
};

QTEST_MAIN(QtServicesTest)
#include "qt_services_test.moc"
