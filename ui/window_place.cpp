#include "ui/window_place.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QStringList>
#include <QWidget>

namespace zav::ui {

QString place_of(const QWidget& window) {
  return QString("%1,%2").arg(window.x()).arg(window.y());
}

void put_back(QWidget& window, const QString& kept) {
  const QStringList parts = kept.split(',');
  if (parts.size() != 2) return;
  bool x_read = false;
  bool y_read = false;
  const QPoint place(parts[0].toInt(&x_read), parts[1].toInt(&y_read));
  if (!x_read || !y_read) return;
  const QRect wanted(place, window.sizeHint());
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen->availableGeometry().contains(wanted)) {
      window.move(place);
      return;
    }
  }
}

}  // namespace zav::ui
