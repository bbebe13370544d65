#include "app/scheme_list_style.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionComboBox>

namespace numerant::app {

SchemeListStyle::SchemeListStyle(QObject* parent)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {
  setParent(parent);
}

QRect SchemeListStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                      SubControl sub_control, const QWidget* widget) const {
  if (control == CC_ComboBox) {
    const QRect frame = option->rect;
    QRect rect;
    switch (sub_control) {
      case SC_ComboBoxArrow:
        rect = QRect(frame.right() - kButtonWidth + 1, frame.top(), kButtonWidth, frame.height());
        return visualRect(option->direction, frame, rect);
      case SC_ComboBoxEditField:
        rect = QRect(frame.left() + kMargin, frame.top() + 2,
                     frame.width() - kButtonWidth - kMargin - 1, frame.height() - 4);
        return visualRect(option->direction, frame, rect);
      default:
        break;
    }
  }
  return QProxyStyle::subControlRect(control, option, sub_control, widget);
}

void SchemeListStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
  if (element == CE_ComboBoxLabel) {
    // The name, left-aligned in the whole edit field, without the styles'
    // own inner padding.
    if (const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
      const QRect field = subControlRect(CC_ComboBox, combo, SC_ComboBoxEditField, widget);
      painter->save();
      painter->setClipRect(field);
      drawItemText(painter, field, Qt::AlignLeft | Qt::AlignVCenter, combo->palette,
                   combo->state & State_Enabled, combo->currentText, QPalette::ButtonText);
      painter->restore();
      return;
    }
  }
  QProxyStyle::drawControl(element, option, painter, widget);
}

}  // namespace numerant::app
