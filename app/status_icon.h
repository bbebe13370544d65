// SPDX-License-Identifier: MIT
// The two status pictures of the window, drawn as vector shapes so that they
// stay crisp at any device pixel ratio.
#pragma once

#include <QWidget>

namespace numerant::app {

class StatusIcon : public QWidget {
  Q_OBJECT

 public:
  enum class Kind {
    kOK,     // a green tick
    kError,  // a red disc with a white exclamation mark
  };

  StatusIcon(Kind kind, QWidget* parent);

  Kind kind() const { return kind_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Kind kind_;
};

}  // namespace numerant::app
