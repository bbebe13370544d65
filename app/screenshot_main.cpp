// Renders the real window to PNG files, once in each mode, for the README and
// for looking at the layout on a machine without a screen.
//
//   numerant-screenshot OUTPUT_DIR [SCHEME NUMBER PAYLOAD]
//
// By default the pictures show Verhoeff with 2363 (check mode) and 236
// (calculate mode); the optional arguments name another scheme, a complete
// number and a payload.
#include <cstdio>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>

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

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2 && argc != 5) {
    std::fprintf(stderr, "usage: numerant-screenshot OUTPUT_DIR [SCHEME NUMBER PAYLOAD]\n");
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
  const int position = combo->findText(scheme, Qt::MatchFixedString);
  if (position < 0) {
    std::fprintf(stderr, "numerant-screenshot: no scheme %s\n", qPrintable(scheme));
    return 2;
  }
  combo->setCurrentIndex(position);
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
