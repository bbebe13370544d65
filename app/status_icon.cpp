// SPDX-License-Identifier: MIT
#include "app/status_icon.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QPainterPath>

namespace numerant::app {
namespace {

// The icon is 16 by 16 units, centred in the widget's cell.
constexpr qreal kIconSize = 16.0;

void PaintError(QPainter& painter) {
  painter.setPen(QPen(QColor(0x8e, 0x10, 0x10), 1.0));
  painter.setBrush(QColor(0xd9, 0x25, 0x25));
  painter.drawEllipse(QRectF(0.5, 0.5, 15.0, 15.0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawRoundedRect(QRectF(6.75, 3.0, 2.5, 6.5), 1.0, 1.0);
  painter.drawEllipse(QRectF(6.75, 10.75, 2.5, 2.5));
}

void PaintOK(QPainter& painter) {
  QPainterPath tick;
  tick.moveTo(2.5, 8.5);
  tick.lineTo(6.0, 12.5);
  tick.lineTo(13.5, 3.5);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0x0b, 0x5d, 0x1e), 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(tick);
  painter.setPen(QPen(QColor(0x2e, 0xa0, 0x43), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(tick);
}

// Assistive technology sees the pictures as images with a name, not as empty
// panels.
QAccessibleInterface* AccessibleStatusIcon(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String(StatusIcon::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(qobject_cast<QWidget*>(object), QAccessible::Graphic);
}

}  // namespace

StatusIcon::StatusIcon(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
  static const bool factory_installed = [] {
    QAccessible::installFactory(&AccessibleStatusIcon);
    return true;
  }();
  static_cast<void>(factory_installed);
  setAttribute(Qt::WA_TranslucentBackground);
}

void StatusIcon::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate((width() - kIconSize) / 2.0, (height() - kIconSize) / 2.0);
  if (kind_ == Kind::kOK) {
    PaintOK(painter);
  } else {
    PaintError(painter);
  }
}

}  // namespace numerant::app
