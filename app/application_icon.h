// SPDX-License-Identifier: MIT
// The application icon, drawn by this project in every size from 16 to 256
// pixels and built into the program, so that the window shows it even where
// the icon theme does not have it.
#pragma once

#include <QIcon>

namespace numerant::app {

QIcon ApplicationIcon();

}  // namespace numerant::app
