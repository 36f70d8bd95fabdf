#pragma once

#include <QString>

class QWidget;

// Where a window stands on the screen, as kept between runs: "x,y", the top left of its inside
// (without the window manager's frame, which may differ between runs and desktops). The windows
// are sized to their controls, so only the place is kept.
namespace zav::ui {

QString place_of(const QWidget& window);
// Moves `window` where `kept` says, but only where the whole window fits a screen as the
// screens are now; false, and the window not moved, for a place on a screen since unplugged
// or no place at all.
bool put_back(QWidget& window, const QString& kept);

// Where a window opens when it has no place of its own: to the right of the window it was
// opened from, the `cascade`th one a step lower and further right, within the screen.
void place_beside(QWidget& window, const QWidget& opener, int cascade);
// Where a window opened from none opens when it has no place of its own: at the top left of
// the primary screen, leaving room to its right for the windows it opens. The program's first
// window is left to the window manager.
void place_at_left(QWidget& window);
// Just below `anchor`, the label that a note explains, within the screen.
void place_under(QWidget& window, const QWidget& anchor);

}  // namespace zav::ui
