#pragma once

#include <QString>

class QWidget;

// Where a window stands on the screen, as kept between runs: "x,y". The windows are sized to
// their controls, so only the place is kept.
namespace zav::ui {

QString place_of(const QWidget& window);
// Moves `window` where `kept` says, but only where the whole window fits a screen as the
// screens are now; a place on a screen since unplugged, or no place at all, is ignored.
void put_back(QWidget& window, const QString& kept);

}  // namespace zav::ui
