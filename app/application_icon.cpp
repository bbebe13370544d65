// SPDX-License-Identifier: MIT
#include "app/application_icon.h"

namespace numerant::app {

QIcon ApplicationIcon() {
  QIcon icon;
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/%1x%1/apps/org.numerant.Numerant.png").arg(size),
                 QSize(size, size));
  }
  return icon;
}

}  // namespace numerant::app
