// The look of the closed scheme list: the box keeps its small fixed cell,
// and a narrower drop-down button and tighter margins give the name the room
// to show whole ("Creditcard", "Verhoeff"), whatever the application style.
#pragma once

#include <QProxyStyle>

namespace numerant::app {

class SchemeListStyle final : public QProxyStyle {
  Q_OBJECT

 public:
  // Wraps the application's style; the box is given this style alone.
  explicit SchemeListStyle(QObject* parent);

  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                       SubControl sub_control, const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;

  // The width of the drop-down button and the margin before the name, in
  // pixels.
  static constexpr int kButtonWidth = 12;
  static constexpr int kMargin = 2;
};

}  // namespace numerant::app
