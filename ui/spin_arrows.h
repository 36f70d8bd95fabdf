#pragma once

#include <QWidget>

#include "editors/controls.h"

class QLineEdit;
class QToolButton;

namespace zav::ui {

// The arrows of a spin button: two small buttons stacked beside the number box they step, as
// high as the box together. Up and Down pressed in the box step them too. They keep a copy of
// the logic's spin to know where a step lands; the logic's handler then decides what it does.
// As a native spin does with its box, a step starts from the number typed into the box when
// that lies within the range, and from the spin's own value otherwise.
class SpinArrows : public QWidget {
  Q_OBJECT

 public:
  explicit SpinArrows(QLineEdit& box);

  // The range, step and value; an arrow that would leave the range is disabled.
  void show_spin(const Spin& spin);

 Q_SIGNALS:
  // The user stepped to `value`, which lies within the range.
  void stepped(int value);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QToolButton* make_arrow(Qt::ArrowType arrow, const QString& name, int steps);
  int start() const;
  void step(int steps);

  const QLineEdit& box_;
  Spin spin_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace zav::ui
