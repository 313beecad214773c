#include <QtTest>

#include "app/display_check.h"
#include "recording_services.h"
#include "window/commands.h"
#include "window/main_form.h"

using namespace segcalc;

namespace {

const NumberSeparators kFullStop{".", ","};
const NumberSeparators kComma{",", "."};

QStringList Texts(const MainForm& form) {
  QStringList texts;
  for (int i = 0; i < kTextBoxCount; ++i) texts << form.text(static_cast<TextBox>(i));
  return texts;
}

void SetTexts(MainForm& form, const QStringList& texts) {
  for (int i = 0; i < kTextBoxCount; ++i) form.text(static_cast<TextBox>(i)) = texts[i];
}

}  // namespace

class CommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void formLoadSetsStartUpState() {
    MainForm form(kFullStop);
    form.text(TextBox::Radius) = "left over";
    Form_Load(form);
    QCOMPARE(Texts(form), QStringList({"2491.78", "2067.63", "", "", ""}));
    QCOMPARE(form.check_value, 1);
    QCOMPARE(form.caption, QStringLiteral("求半径") + QString(31, ' ') +
                               QStringLiteral("作者:segcalc,QQ:00000000"));
  }

  void formLoadWritesTheLocaleSeparator() {
    MainForm form(kComma);
    Form_Load(form);
    QCOMPARE(form.text(TextBox::Arc), QStringLiteral("2491,78"));
    RecordingServices services;
    Command1_Click(form, services);
    QVERIFY(services.calls.empty());
    QCOMPARE(Texts(form), QStringList({"2491,78", "2067,63", "591,83", "1200", "119,03"}));
  }

  void computeWritesResults_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("check");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("startup ticked")
        << QStringList{"2491.78", "2067.63", "", "", ""} << 1
        << QStringList{"2491.78", "2067.63", "591.83", "1200", "119.03"};
    QTest::newRow("startup clear")
        << QStringList{"2491.78", "2067.63", "", "", ""} << 0
        << QStringList{"2491.78", "2067.63", "592.41", "1197.15", "119.32"};
    QTest::newRow("given texts kept as typed")
        << QStringList{" 2491.78", "2067.63m", "", "x", "y"} << 1
        << QStringList{" 2491.78", "2067.63m", "591.83", "1200", "119.03"};
    QTest::newRow("chord and height fill the arc")
        << QStringList{"", "1000", "1000", "", ""} << 0
        << QStringList{"2765.74", "1000", "1000", "624.7", "253.8"};
  }

  void computeWritesResults() {
    QFETCH(QStringList, before);
    QFETCH(int, check);
    QFETCH(QStringList, after);
    MainForm form(kFullStop);
    SetTexts(form, before);
    form.check_value = check;
    RecordingServices services;
    Command1_Click(form, services);
    QVERIFY(services.calls.empty());
    QCOMPARE(Texts(form), after);
    // Once the arc box is filled the pair is arc and chord, so only a compute
    // that had those two gives the same texts again.
    if (!before[0].isEmpty() && !before[1].isEmpty()) {
      Command1_Click(form, services);
      QCOMPARE(Texts(form), after);
    }
  }

  void warningsAndErrorsLeaveTheBoxes_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("message");
    const QStringList earlier{"2491.78", "2067.63", "591.83", "1200", "119.03"};
    QTest::newRow("no solution after a good compute")
        << QStringList{"100", "200", "", "1200", "119.03"}
        << QStringLiteral("按当前条件无法求解!请核对后再试!");
    QTest::newRow("incomplete") << QStringList{"", "", "5", "1200", "119.03"}
                                << QStringLiteral("当前输入项不完整,请填写完整后再试!");
    QTest::newRow("not a number") << QStringList{"", "10", "abc", "", ""}
                                  << QStringLiteral("弦高中填入的不是有效的数字,请核对后再试!");
    QTest::newRow("out of range") << QStringList{"1e999", "10", "", "", ""}
                                  << QStringLiteral("弧长的数值超出了可以计算的范围,请核对后再试!");
    QTest::newRow("overflow without a match")
        << QStringList{"1e308", "10", "", "", ""}
        << QStringLiteral("计算中数值溢出,无法求解!请核对后再试!");
  }

  void warningsAndErrorsLeaveTheBoxes() {
    QFETCH(QStringList, texts);
    QFETCH(QString, message);
    MainForm form(kFullStop);
    SetTexts(form, texts);
    form.check_value = 1;
    RecordingServices services;
    Command1_Click(form, services);
    QCOMPARE(Texts(form), texts);
    QCOMPARE(services.calls.size(), std::size_t{1});
    QCOMPARE(services.calls[0].kind, RecordingServices::Kind::Warning);
    QCOMPARE(services.calls[0].text, message);
  }

  // The last match before the overflow is written first, then reported.
  void arithmeticErrorShowsTheLastMatchBeforeWarning() {
    MainForm form(kFullStop);
    SetTexts(form, {"1e305", "0", "", "", ""});
    form.check_value = 0;
    RecordingServices services(&form);
    Command1_Click(form, services);
    const QStringList expected{"1e305", "0", "1.59235668789809E+304", "1.59235668789809E+304",
                               "360"};
    QCOMPARE(Texts(form), expected);
    QCOMPARE(services.calls.size(), std::size_t{1});
    QCOMPARE(services.calls[0].kind, RecordingServices::Kind::Warning);
    QVERIFY(services.calls[0].text.contains(QStringLiteral("溢出")));
    QCOMPARE(services.texts_at_call[0], expected);
  }

  void closeAndAbout() {
    RecordingServices services;
    Command3_Click(services);
    Command2_Click(services);
    QCOMPARE(services.calls.size(), std::size_t{2});
    QCOMPARE(services.calls[0].kind, RecordingServices::Kind::About);
    QCOMPARE(services.calls[0].text, AboutText());
    QVERIFY(
        AboutText().endsWith(QStringLiteral(",或光临我的网站或论坛segcalc.example.com"
                                            ",进行门窗幕墙方面知识的交流!")));
    QCOMPARE(services.calls[1].kind, RecordingServices::Kind::End);
  }

  // Lengths are in the toolkit's characters: an emoji counts two.
  void gotFocusSelectsTheWholeText() {
    MainForm form(kFullStop);
    form.text(TextBox::Arc) = QStringLiteral("12.5");
    form.text(TextBox::Chord) = QStringLiteral("弦😀");
    form.text(TextBox::Height) = QString();
    Text1_GotFocus(form);
    Text2_GotFocus(form);
    Text3_GotFocus(form);
    QCOMPARE(form.selection(TextBox::Arc).length, 4);
    QCOMPARE(form.selection(TextBox::Chord).length, 3);
    QCOMPARE(form.selection(TextBox::Height).length, 0);
    QCOMPARE(form.selection(TextBox::Chord).start, 0);
  }

  void missingDisplayIsExplained() {
    QVERIFY(MissingDisplayReason(nullptr, ":0", nullptr).empty());
    QVERIFY(MissingDisplayReason(nullptr, nullptr, "wayland-0").empty());
    QVERIFY(MissingDisplayReason("offscreen", nullptr, nullptr).empty());
    const std::string reason = MissingDisplayReason(nullptr, "", nullptr);
    QVERIFY(reason.find("xvfb-run") != std::string::npos);
    QVERIFY(reason.find('\n') == std::string::npos);
  }
};

QTEST_GUILESS_MAIN(CommandsTest)
#include "commands_test.moc"
