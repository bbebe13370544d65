// Renders the real window to PNG files, once in each mode, for the README and
// for looking at the layout on a machine without a screen.
//
//   numerant-screenshot OUTPUT_DIR
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
  if (argc != 2) {
    std::fprintf(stderr, "usage: numerant-screenshot OUTPUT_DIR\n");
    return 2;
  }
  const QDir directory(QString::fromLocal8Bit(argv[1]));
  if (!directory.mkpath(QStringLiteral("."))) return 1;

  numerant::app::MainWindow window;
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  auto* combo = window.findChild<QComboBox*>(QStringLiteral("ComboAlgorithm"));
  auto* code = window.findChild<QLineEdit*>(QStringLiteral("TextCodenumber"));
  auto* calculate = window.findChild<QCheckBox*>(QStringLiteral("CheckCalculate"));

  // Check mode with a valid number: the tick.
  combo->setCurrentIndex(combo->findText(QStringLiteral("Verhoeff")));
  code->setFocus();
  QTest::keyClicks(code, QStringLiteral("2363"));
  if (!Save(window, directory, QStringLiteral("numerant-check.png"))) return 1;

  // Calculate mode with a payload: its check digit.
  QTest::mouseClick(calculate, Qt::LeftButton, {}, calculate->rect().center());
  code->setFocus();
  QTest::keyClicks(code, QStringLiteral("236"));
  if (!Save(window, directory, QStringLiteral("numerant-calculate.png"))) return 1;
  return 0;
}
