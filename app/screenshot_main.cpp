// SPDX-License-Identifier: MIT
// Renders the real window to PNG files, once in each mode, for the README and
// for looking at the layout on a machine without a screen.
//
//   numerant-screenshot OUTPUT_DIR [SCHEME NUMBER PAYLOAD]
//   numerant-screenshot --tooltip OUTPUT_FILE SCHEME NUMBER
//
// By default the pictures show Verhoeff with 2363 (check mode) and 236
// (calculate mode); the optional arguments name another scheme, a complete
// number and a payload. With --tooltip, one picture of check mode with the
// verdict's tooltip open beside the window.
#include <cstdio>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QToolTip>

#include "app/main_window.h"

namespace {

bool Save(numerant::app::MainWindow& window, const QDir& directory, const QString& name) {
  QApplication::processEvents();
  const QString path = directory.filePath(name);
  if (!window.grab().save(path)) {
    std::fprintf(stderr, "numerant-screenshot: cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(QDir::cleanPath(QDir::current().absoluteFilePath(path))));
  return true;
}

bool PickScheme(QComboBox* combo, const QString& scheme) {
  const int position = combo->findText(scheme, Qt::MatchFixedString);
  if (position < 0) {
    std::fprintf(stderr, "numerant-screenshot: no scheme %s\n", qPrintable(scheme));
    return false;
  }
  combo->setCurrentIndex(position);
  return true;
}

// The window in check mode with the tooltip of its verdict open.
int SaveTooltip(const QString& path, const QString& scheme, const QString& number) {
  numerant::app::MainWindow window;
  window.move(8, 8);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  auto* combo = window.findChild<QComboBox*>(QStringLiteral("ComboAlgorithm"));
  auto* code = window.findChild<QLineEdit*>(QStringLiteral("TextCodenumber"));
  if (!PickScheme(combo, scheme)) return 2;
  code->setFocus();
  QTest::keyClicks(code, number);
  QWidget* picture = window.findChild<QWidget*>(QStringLiteral("PictureOK"));
  if (picture->isHidden()) picture = window.findChild<QWidget*>(QStringLiteral("PictureError"));
  QToolTip::showText(picture->mapToGlobal(picture->rect().bottomRight()), picture->toolTip(),
                     picture);
  QTest::qWait(300);
  QRect area = window.frameGeometry();
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible() && widget->inherits("QTipLabel")) area |= widget->geometry();
  }
  area.adjust(-4, -4, 4, 4);
  const QPixmap shot =
      window.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
  if (!shot.save(path)) {
    std::fprintf(stderr, "numerant-screenshot: cannot write %s\n", qPrintable(path));
    return 1;
  }
  std::printf("%s\n", qPrintable(QDir::cleanPath(QDir::current().absoluteFilePath(path))));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc == 5 && QString::fromUtf8(argv[1]) == QStringLiteral("--tooltip")) {
    return SaveTooltip(QString::fromLocal8Bit(argv[2]), QString::fromUtf8(argv[3]),
                       QString::fromUtf8(argv[4]));
  }
  if (argc != 2 && argc != 5) {
    std::fprintf(stderr,
                 "usage: numerant-screenshot OUTPUT_DIR [SCHEME NUMBER PAYLOAD]\n"
                 "       numerant-screenshot --tooltip OUTPUT_FILE SCHEME NUMBER\n");
    return 2;
  }
  const QString scheme = argc == 5 ? QString::fromUtf8(argv[2]) : QStringLiteral("Verhoeff");
  const QString number = argc == 5 ? QString::fromUtf8(argv[3]) : QStringLiteral("2363");
  const QString payload = argc == 5 ? QString::fromUtf8(argv[4]) : QStringLiteral("236");
  const QDir directory(QString::fromLocal8Bit(argv[1]));
  if (!directory.mkpath(QStringLiteral("."))) return 1;

  numerant::app::MainWindow window;
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  auto* combo = window.findChild<QComboBox*>(QStringLiteral("ComboAlgorithm"));
  auto* code = window.findChild<QLineEdit*>(QStringLiteral("TextCodenumber"));
  auto* calculate = window.findChild<QCheckBox*>(QStringLiteral("CheckCalculate"));

  // Check mode with a valid number: the tick.
  if (!PickScheme(combo, scheme)) return 2;
  code->setFocus();
  QTest::keyClicks(code, number);
  if (!Save(window, directory, QStringLiteral("numerant-check.png"))) return 1;

  // Calculate mode with a payload: its check digit.
  QTest::mouseClick(calculate, Qt::LeftButton, {}, calculate->rect().center());
  code->setFocus();
  QTest::keyClicks(code, payload);
  if (!Save(window, directory, QStringLiteral("numerant-calculate.png"))) return 1;
  return 0;
}
