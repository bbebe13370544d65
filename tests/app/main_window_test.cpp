// SPDX-License-Identifier: MIT
// The real window, driven offscreen through Qt Test.
#include "app/main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "app/status_icon.h"

using numerant::app::MainWindow;
using numerant::app::StatusIcon;

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  template <typename T>
  T* Find(MainWindow& window, const char* name) {
    auto* widget = window.findChild<T*>(QString::fromLatin1(name));
    if (widget == nullptr) qFatal("missing control %s", name);
    return widget;
  }

 private slots:
  void layoutMatchesTheFixedDesign() {
    MainWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Numerant"));
    QCOMPARE(window.size(), QSize(297, 106));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    const struct {
      const char* name;
      QRect geometry;
    } controls[] = {
        {"LabelAlgorithm", {8, 11, 81, 17}},    {"ComboAlgorithm", {96, 7, 73, 21}},
        {"CheckCalculate", {6, 34, 103, 17}},   {"LabelCodenumber", {8, 59, 81, 17}},
        {"TextCodenumber", {96, 56, 193, 19}},  {"LabelResult", {8, 83, 81, 17}},
        {"PictureError", {96, 82, 17, 19}},     {"PictureOK", {96, 82, 17, 19}},
        {"LabelCheckdigits", {8, 107, 81, 17}}, {"TextCheckdigits", {96, 104, 33, 19}},
    };
    for (const auto& control : controls) {
      auto* widget = Find<QWidget>(window, control.name);
      QCOMPARE(widget->geometry(), control.geometry);
    }
    QCOMPARE(Find<QLabel>(window, "LabelAlgorithm")->text(), QStringLiteral("Algorithm:"));
    QCOMPARE(Find<QCheckBox>(window, "CheckCalculate")->text(), QStringLiteral("Calculate:"));
    QCOMPARE(Find<QLabel>(window, "LabelCodenumber")->text(), QStringLiteral("Code/Number:"));
    QCOMPARE(Find<QLabel>(window, "LabelResult")->text(), QStringLiteral("Result:"));
    QCOMPARE(Find<QLabel>(window, "LabelCheckdigits")->text(), QStringLiteral("Checkdigit(s):"));
    QVERIFY(Find<QLineEdit>(window, "TextCheckdigits")->isReadOnly());
    QVERIFY(!Find<QComboBox>(window, "ComboAlgorithm")->isEditable());
  }

  void startsInCheckModeWithTheFirstScheme() {
    MainWindow window;
    window.show();
    auto* combo = Find<QComboBox>(window, "ComboAlgorithm");
    QCOMPARE(combo->count(), 52);
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(combo->currentText(), QStringLiteral("ACL"));
    QVERIFY(!Find<QCheckBox>(window, "CheckCalculate")->isChecked());
    QVERIFY(Find<QLabel>(window, "LabelResult")->isVisible());
    QVERIFY(!Find<QLabel>(window, "LabelCheckdigits")->isVisible());
    QVERIFY(!Find<QLineEdit>(window, "TextCheckdigits")->isVisible());
    QVERIFY(!Find<StatusIcon>(window, "PictureOK")->isVisible());
    QVERIFY(!Find<StatusIcon>(window, "PictureError")->isVisible());
  }

  void typingShowsAPictureOnEveryKeystroke() {
    MainWindow window;
    window.show();
    Find<QComboBox>(window, "ComboAlgorithm")->setCurrentText(QStringLiteral("Verhoeff"));
    auto* code = Find<QLineEdit>(window, "TextCodenumber");
    auto* ok = Find<StatusIcon>(window, "PictureOK");
    auto* error = Find<StatusIcon>(window, "PictureError");
    QTest::keyClicks(code, QStringLiteral("23"));
    QVERIFY(error->isVisible() && !ok->isVisible());
    QTest::keyClick(code, Qt::Key_6);  // 6 is the check digit of 23
    QVERIFY(ok->isVisible() && !error->isVisible());
    QTest::keyClick(code, Qt::Key_Backspace);
    QVERIFY(error->isVisible() && !ok->isVisible());
    code->selectAll();
    QTest::keyClick(code, Qt::Key_Backspace);
    QVERIFY(!ok->isVisible() && !error->isVisible());
  }

  void clickingCalculateMovesAndShowsTheResultControls() {
    MainWindow window;
    window.show();
    Find<QComboBox>(window, "ComboAlgorithm")->setCurrentText(QStringLiteral("Verhoeff"));
    auto* code = Find<QLineEdit>(window, "TextCodenumber");
    auto* calculate = Find<QCheckBox>(window, "CheckCalculate");
    QTest::keyClicks(code, QStringLiteral("2363"));
    QTest::mouseClick(calculate, Qt::LeftButton, {}, calculate->rect().center());
    QVERIFY(calculate->isChecked());
    QCOMPARE(code->text(), QString());
    auto* label = Find<QLabel>(window, "LabelCheckdigits");
    auto* digits = Find<QLineEdit>(window, "TextCheckdigits");
    QVERIFY(label->isVisible() && digits->isVisible());
    QCOMPARE(label->y(), 83);
    QCOMPARE(digits->y(), 80);
    QVERIFY(!Find<QLabel>(window, "LabelResult")->isVisible());
    QVERIFY(!Find<StatusIcon>(window, "PictureOK")->isVisible());
    QTest::keyClicks(code, QStringLiteral("236"));
    QCOMPARE(digits->text(), QStringLiteral("3"));
    // Text outside ISO-8859-1 reaches the scheme as "?", which it refuses.
    code->insert(QString(QChar(0x0662)));
    QCOMPARE(digits->text(), QStringLiteral("-1"));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
