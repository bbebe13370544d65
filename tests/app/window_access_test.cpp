// SPDX-License-Identifier: MIT
// The window as a person meets it: by keyboard alone, through assistive
// technology, and on a screen of device pixel ratio 2.
#include <algorithm>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTest>

#include "app/application_icon.h"
#include "app/main_window.h"
#include "app/status_icon.h"

using numerant::app::MainWindow;
using numerant::app::StatusIcon;

namespace {

template <typename T>
T* Find(MainWindow& window, const char* name) {
  auto* widget = window.findChild<T*>(QString::fromLatin1(name));
  if (widget == nullptr) qFatal("missing control %s", name);
  return widget;
}

// Keys go where a keyboard sends them: to the widget that has the focus.
void Type(const QString& text) {
  QTest::keyClicks(QApplication::focusWidget(), text);
}
void Press(Qt::Key key) {
  QTest::keyClick(QApplication::focusWidget(), key);
}

QString FocusName() {
  const QWidget* focus = QApplication::focusWidget();
  return focus == nullptr ? QString() : focus->objectName();
}

QString Accessible(QWidget* widget, QAccessible::Text text) {
  return QAccessible::queryAccessibleInterface(widget)->text(text);
}

// The share of a picture's drawn pixels that its edges cover only in part.
// Drawn for the screen, edges stay one device pixel wide, so the share falls
// as the pixels get finer; an enlarged bitmap keeps it or makes it larger.
double SoftEdgeShare(const QImage& picture) {
  const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
  int partial = 0;
  int drawn = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const int alpha = qAlpha(image.pixel(x, y));
      if (alpha > 0) ++drawn;
      if (alpha > 0 && alpha < 255) ++partial;
    }
  }
  return drawn == 0 ? 1.0 : static_cast<double>(partial) / drawn;
}

}  // namespace

class WindowAccessTest : public QObject {
  Q_OBJECT

 private:
  // A shown, active window with the focus where the program puts it.
  void Open(MainWindow& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
  }

 private slots:
  void initTestCase() {
    // Letters typed into the scheme list count as one search however slowly
    // a loaded machine delivers them.
    QApplication::setKeyboardInputInterval(60000);
  }

  void controlsSayWhatTheyAre_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("caption");
    const struct {
      const char* control;
      const char* name;
      QAccessible::Role role;
      const char* caption;
    } controls[] = {
        {"ComboAlgorithm", "Numbering scheme", QAccessible::ComboBox, "LabelAlgorithm"},
        {"CheckCalculate", "Calculate check digits", QAccessible::CheckBox, ""},
        {"TextCodenumber", "Code or number", QAccessible::EditableText, "LabelCodenumber"},
        {"TextCheckdigits", "Check digits", QAccessible::EditableText, "LabelCheckdigits"},
        {"PictureOK", "Valid", QAccessible::Graphic, ""},
        {"PictureError", "Not valid", QAccessible::Graphic, ""},
    };
    for (const auto& row : controls) {
      QTest::newRow(row.control) << QString::fromLatin1(row.control)
                                 << QString::fromLatin1(row.name) << int(row.role)
                                 << QString::fromLatin1(row.caption);
    }
  }

  void controlsSayWhatTheyAre() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(int, role);
    MainWindow window;
    auto* widget = Find<QWidget>(window, control.toLatin1().constData());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible != nullptr);
    QCOMPARE(widget->accessibleName(), name);
    // Qt on Linux gives a combo box its current entry as name and lets the
    // caption beside it label it.
    if (accessible->role() != QAccessible::ComboBox) {
      QCOMPARE(accessible->text(QAccessible::Name), name);
    }
    QFETCH(QString, caption);
    if (!caption.isEmpty()) {
      QAccessibleInterface* label = QAccessible::queryAccessibleInterface(
          Find<QLabel>(window, caption.toLatin1().constData()));
      bool labelled = false;
      for (const auto& relation : accessible->relations(QAccessible::Label)) {
        labelled = labelled || relation.first == label;
      }
      QVERIFY2(labelled, qPrintable(caption + QStringLiteral(" does not label ") + control));
    }
    QCOMPARE(int(accessible->role()), role);
    QVERIFY(!accessible->text(QAccessible::Description).isEmpty() ||
            control == QLatin1String("TextCodenumber"));
  }

  void firstLettersPickTheScheme_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("scheme");
    const struct {
      const char* typed;
      const char* scheme;
    } searches[] = {{"V", "Verhoeff"}, {"VI", "VIN"},  {"VS", "VSNR"},       {"C", "CAS"},
                    {"CP", "CPF"},     {"CPR", "CPR"}, {"cr", "Creditcard"}, {"ISS", "ISSN"}};
    for (const auto& search : searches) {
      QTest::newRow(search.typed) << QString::fromLatin1(search.typed)
                                  << QString::fromLatin1(search.scheme);
    }
  }

  void firstLettersPickTheScheme() {
    QFETCH(QString, typed);
    QFETCH(QString, scheme);
    MainWindow window;
    Open(window);
    QCOMPARE(FocusName(), QStringLiteral("ComboAlgorithm"));
    Type(typed);
    QCOMPARE(Find<QComboBox>(window, "ComboAlgorithm")->currentText(), scheme);
    QCOMPARE(Accessible(Find<QComboBox>(window, "ComboAlgorithm"), QAccessible::Value), scheme);
  }

  void keyboardAloneCalculatesACheckDigit() {
    MainWindow window;
    Open(window);
    auto* digits = Find<QLineEdit>(window, "TextCheckdigits");
    QCOMPARE(FocusName(), QStringLiteral("ComboAlgorithm"));
    Type(QStringLiteral("Ve"));
    Press(Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("CheckCalculate"));
    Press(Qt::Key_Space);
    QVERIFY(Find<QCheckBox>(window, "CheckCalculate")->isChecked());
    QVERIFY(digits->isVisible());
    Press(Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("TextCodenumber"));
    Type(QStringLiteral("23"));
    QCOMPARE(digits->text(), QStringLiteral("6"));
    Type(QStringLiteral("6"));
    QCOMPARE(digits->text(), QStringLiteral("3"));
    // The result field is the next stop, and reads out its value.
    Press(Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("TextCheckdigits"));
    QCOMPARE(Accessible(digits, QAccessible::Value), QStringLiteral("3"));
    Press(Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("ComboAlgorithm"));
  }

  void keyboardAloneChecksANumber() {
    MainWindow window;
    Open(window);
    auto* code = Find<QLineEdit>(window, "TextCodenumber");
    auto* ok = Find<StatusIcon>(window, "PictureOK");
    auto* error = Find<StatusIcon>(window, "PictureError");
    Type(QStringLiteral("Ve"));
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("TextCodenumber"));
    Type(QStringLiteral("2363"));
    QVERIFY(ok->isVisible() && !error->isVisible());
    QCOMPARE(Accessible(code, QAccessible::Description), QStringLiteral("The number is valid"));
    Press(Qt::Key_Backspace);
    Type(QStringLiteral("4"));
    QVERIFY(error->isVisible() && !ok->isVisible());
    // The picture's tooltip and the field's description say why.
    QCOMPARE(error->toolTip(), QStringLiteral("Check digit should be 3, not 4"));
    QCOMPARE(Accessible(code, QAccessible::Description), error->toolTip());
    // The hidden check-digit field is no stop in check mode.
    Press(Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("ComboAlgorithm"));
    // Another scheme judges the same text at once.
    Press(Qt::Key_Up);
    QCOMPARE(Find<QComboBox>(window, "ComboAlgorithm")->currentText(), QStringLiteral("UPC"));
    QCOMPARE(code->text(), QStringLiteral("2364"));
    QVERIFY(error->isVisible() && !ok->isVisible());
    // Back in the number field, emptying it leaves nothing to judge.
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("TextCodenumber"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    Press(Qt::Key_Delete);
    QVERIFY(!ok->isVisible() && !error->isVisible());
    QCOMPARE(Accessible(code, QAccessible::Description), QString());
  }

  void picturesSayWhatTheNumberTells_data() {
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("locale");
    QTest::newRow("a valid PESEL")
        << "PE"
        << "85031512344" << true << "Born 15 March 1985, female, serial 123"
        << "en_GB";
    // The date in the window's language.
    QTest::newRow("a valid PESEL in German")
        << "PE"
        << "85031512344" << true << QString::fromUtf8("Born 15. März 1985, female, serial 123")
        << "de_DE";
    QTest::newRow("a short EAN") << "EA"
                                 << "400638133393" << false << "8 or 13 digits expected, 12 typed"
                                 << "en_GB";
    QTest::newRow("a wrong Verhoeff digit") << "Ve"
                                            << "2364" << false << "Check digit should be 3, not 4"
                                            << "en_GB";
  }

  void picturesSayWhatTheNumberTells() {
    QFETCH(QString, scheme);
    QFETCH(QString, number);
    QFETCH(bool, valid);
    QFETCH(QString, words);
    QFETCH(QString, locale);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    MainWindow window;
    Open(window);
    Type(scheme);
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("TextCodenumber"));
    Type(number);
    auto* picture = Find<StatusIcon>(window, valid ? "PictureOK" : "PictureError");
    QVERIFY(picture->isVisible());
    QCOMPARE(picture->toolTip(), words);
    QCOMPARE(Accessible(picture, QAccessible::Description), words);
    QCOMPARE(Accessible(Find<QLineEdit>(window, "TextCodenumber"), QAccessible::Description),
             words);
    QLocale::setDefault(before);
  }

  void everySchemeNameShowsWholeInTheClosedList() {
    MainWindow window;
    Open(window);
    auto* combo = Find<QComboBox>(window, "ComboAlgorithm");
    QCOMPARE(combo->width(), 73);
    QCOMPARE(combo->count(), 52);
    for (int i = 0; i < combo->count(); ++i) {
      QStyleOptionComboBox option;
      option.initFrom(combo);
      option.rect = combo->rect();
      option.currentText = combo->itemText(i);
      const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                         QStyle::SC_ComboBoxEditField, combo);
      QVERIFY2(combo->fontMetrics().horizontalAdvance(option.currentText) <= field.width(),
               qPrintable(option.currentText));
    }
  }

  void picturesAreDrawnForTheScreenNotEnlarged() {
    MainWindow window;
    Open(window);
    QCOMPARE(window.devicePixelRatio(), 2.0);
    Find<QComboBox>(window, "ComboAlgorithm")->setCurrentText(QStringLiteral("Verhoeff"));
    auto* code = Find<QLineEdit>(window, "TextCodenumber");
    const struct {
      const char* name;
      const char* number;
    } pictures[] = {{"PictureOK", "2363"}, {"PictureError", "2364"}};
    for (const auto& picture : pictures) {
      code->setText(QString::fromLatin1(picture.number));
      auto* widget = Find<StatusIcon>(window, picture.name);
      QVERIFY(widget->isVisible());
      const QImage fine = widget->grab().toImage();
      QCOMPARE(fine.size(), widget->size() * 2);
      QImage coarse(widget->size(), QImage::Format_ARGB32_Premultiplied);
      coarse.setDevicePixelRatio(1.0);
      coarse.fill(Qt::transparent);
      widget->render(&coarse, QPoint(), QRegion(), QWidget::DrawChildren);
      QVERIFY2(SoftEdgeShare(fine) < 0.75 * SoftEdgeShare(coarse),
               qPrintable(QStringLiteral("%1: %2 of the pixels are edge at ratio 2, %3 at ratio 1")
                              .arg(QLatin1String(picture.name))
                              .arg(SoftEdgeShare(fine))
                              .arg(SoftEdgeShare(coarse))));
    }
  }

  void checkDigitFieldShowsEveryResultWhole_data() {
    QTest::addColumn<QString>("text");
    // The widest results any scheme gives: the unset value, two digits, a
    // letter.
    for (const char* text : {"-1", "07", "97", "10", "X", "W", "M"}) {
      QTest::newRow(text) << QString::fromLatin1(text);
    }
  }

  void checkDigitFieldShowsEveryResultWhole() {
    QFETCH(QString, text);
    MainWindow window;
    Open(window);
    QCOMPARE(window.devicePixelRatio(), 2.0);
    auto* field = Find<QLineEdit>(window, "TextCheckdigits");
    field->setText(text);
    QStyleOptionFrame option;
    option.initFrom(field);
    option.rect = field->rect();
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    const QRect contents =
        field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field) -
        field->textMargins();
    // A line edit keeps two pixels on either side of its text.
    const QFontMetrics metrics(field->font());
    QVERIFY2(metrics.horizontalAdvance(text) + 4 <= contents.width(),
             qPrintable(QStringLiteral("%1 pixels of text in %2")
                            .arg(metrics.horizontalAdvance(text))
                            .arg(contents.width())));
    QVERIFY(metrics.height() <= contents.height());
  }

  void applicationIconHasASizeForEveryScreen() {
    const QIcon icon = numerant::app::ApplicationIcon();
    QList<int> sizes;
    for (const QSize& size : icon.availableSizes())
      sizes << size.width();
    std::sort(sizes.begin(), sizes.end());
    QCOMPARE(sizes, (QList<int>{16, 22, 24, 32, 48, 64, 128, 256}));
    // A 16-pixel icon on a screen of ratio 2 takes the 32-pixel drawing.
    const QPixmap pixmap = icon.pixmap(QSize(16, 16), 2.0);
    QCOMPARE(pixmap.size(), QSize(32, 32));
    const QImage drawn = pixmap.toImage();
    QImage expected = QImage(QStringLiteral(":/icons/32x32/apps/org.numerant.Numerant.png"))
                          .convertToFormat(drawn.format());
    expected.setDevicePixelRatio(drawn.devicePixelRatio());
    QCOMPARE(drawn, expected);
  }
};

int main(int argc, char** argv) {
  // A screen of device pixel ratio 2, drawn offscreen unless asked otherwise.
  qputenv("QT_SCALE_FACTOR", "2");
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  WindowAccessTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "window_access_test.moc"
