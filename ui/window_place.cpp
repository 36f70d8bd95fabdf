#include "ui/window_place.h"

#include <QApplication>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <optional>

namespace zav::ui {
namespace {

// The frame the window manager puts around a window, title bar included, as it framed another
// window, shown already; none before the first is shown. Before a window is shown its own
// frame is not known, so where it opens is worked out from another's.
std::optional<QMargins> known_frame(const QWidget& window) {
  for (const QWidget* shown : QApplication::topLevelWidgets()) {
    if (shown == &window || !shown->testAttribute(Qt::WA_WState_Created)) continue;
    const QRect frame = shown->frameGeometry();
    const QRect inside = shown->geometry();
    return QMargins(inside.left() - frame.left(), inside.top() - frame.top(),
                    frame.right() - inside.right(), frame.bottom() - inside.bottom());
  }
  return std::nullopt;
}

// Puts the inside of the window at `at`, at its own size: the one way of placing a window not
// yet shown that means the same on every desktop.
void put_inside_at(QWidget& window, QPoint at) {
  window.setGeometry(QRect(at, window.sizeHint()));
}

// Opens the window with its frame at `frame_at`, or as near to it as the whole framed window
// fits `screen`.
void open_within_screen(QWidget& window, QPoint frame_at, const QScreen* screen) {
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QMargins frame = known_frame(window).value_or(QMargins());
  const QSize size = window.sizeHint().grownBy(frame);
  frame_at.setX(std::clamp(frame_at.x(), area.left(),
                           std::max(area.left(), area.right() + 1 - size.width())));
  frame_at.setY(std::clamp(frame_at.y(), area.top(),
                           std::max(area.top(), area.bottom() + 1 - size.height())));
  put_inside_at(window, frame_at + QPoint(frame.left(), frame.top()));
}

}  // namespace

QString place_of(const QWidget& window) {
  const QPoint inside = window.geometry().topLeft();
  return QString("%1,%2").arg(inside.x()).arg(inside.y());
}

bool put_back(QWidget& window, const QString& kept) {
  const QStringList parts = kept.split(',');
  if (parts.size() != 2) return false;
  bool x_read = false;
  bool y_read = false;
  const QPoint place(parts[0].toInt(&x_read), parts[1].toInt(&y_read));
  if (!x_read || !y_read) return false;
  const QMargins frame = known_frame(window).value_or(QMargins());
  const QRect wanted = QRect(place, window.sizeHint()).marginsAdded(frame);
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen->availableGeometry().contains(wanted)) {
      put_inside_at(window, place);
      return true;
    }
  }
  return false;
}

void place_beside(QWidget& window, const QWidget& opener, int cascade) {
  constexpr int kGap = 8;
  constexpr int kCascadeStep = 28;
  const QRect frame = opener.frameGeometry();
  const int step = kCascadeStep * cascade;
  open_within_screen(window, QPoint(frame.right() + 1 + kGap + step, frame.top() + step),
                     opener.screen());
}

void place_at_left(QWidget& window) {
  constexpr int kMargin = 16;
  const QScreen* screen = QGuiApplication::primaryScreen();
  // The first window is left where the window manager puts it, which knows its frame.
  if (!screen || !known_frame(window)) return;
  open_within_screen(window, screen->availableGeometry().topLeft() + QPoint(kMargin, kMargin),
                     screen);
}

void place_under(QWidget& window, const QWidget& anchor) {
  open_within_screen(window, anchor.mapToGlobal(QPoint(0, anchor.height() + 4)), anchor.screen());
}

}  // namespace zav::ui
