#include "ui/window_place.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QStringList>
#include <QWidget>
#include <algorithm>

namespace zav::ui {

QString place_of(const QWidget& window) {
  return QString("%1,%2").arg(window.x()).arg(window.y());
}

bool put_back(QWidget& window, const QString& kept) {
  const QStringList parts = kept.split(',');
  if (parts.size() != 2) return false;
  bool x_read = false;
  bool y_read = false;
  const QPoint place(parts[0].toInt(&x_read), parts[1].toInt(&y_read));
  if (!x_read || !y_read) return false;
  const QRect wanted(place, window.sizeHint());
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen->availableGeometry().contains(wanted)) {
      window.move(place);
      return true;
    }
  }
  return false;
}

namespace {

// Moves `window` to `at`, or as near to it as the whole window fits the screen of `near`.
void move_within_screen(QWidget& window, QPoint at, const QWidget& near) {
  const QScreen* screen = near.screen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QSize size = window.sizeHint();
  at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())));
  at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
  window.move(at);
}

}  // namespace

void place_beside(QWidget& window, const QWidget& opener, int cascade) {
  constexpr int kGap = 8;
  constexpr int kCascadeStep = 28;
  const QRect frame = opener.frameGeometry();
  const int step = kCascadeStep * cascade;
  move_within_screen(window, QPoint(frame.right() + 1 + kGap + step, frame.top() + step), opener);
}

void place_under(QWidget& window, const QWidget& anchor) {
  move_within_screen(window, anchor.mapToGlobal(QPoint(0, anchor.height() + 4)), anchor);
}

}  // namespace zav::ui
