// SPDX-License-Identifier: MIT
#include <cstdio>
#include <cstring>

#include <QApplication>

#include "app/application_icon.h"
#include "app/main_window.h"
#include "core/version.h"

namespace {

constexpr char kUsage[] =
    "Usage: numerant [--help] [--version]\n"
    "\n"
    "Opens the Numerant check-digit calculator. For work without a window,\n"
    "see numerant-cli(1).\n";

// Answers --help and --version before Qt starts, so that both work without a
// display.
bool AnswerInformationOption(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("numerant %s\n", numerant::kVersion);
      return true;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kUsage, stdout);
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (AnswerInformationOption(argc, argv)) return 0;
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Numerant"));
  QApplication::setApplicationVersion(QString::fromLatin1(numerant::kVersion));
  QApplication::setDesktopFileName(QStringLiteral("org.numerant.Numerant"));
  QApplication::setWindowIcon(
      QIcon::fromTheme(QStringLiteral("org.numerant.Numerant"), numerant::app::ApplicationIcon()));
  numerant::app::MainWindow window;
  window.show();
  return QApplication::exec();
}
