#pragma once

#include <QWidget>

#include "editors/controls.h"

class QLineEdit;
class QToolButton;

namespace zav::ui {

// The arrows of a number box's spin: two small buttons stacked beside the box, as high as the
// box together. Up and Down pressed in the box step them too. Where a step lands is the
// logic's to say (NumberBox::step_target); an arrow that cannot step is disabled.
class SpinArrows : public QWidget {
  Q_OBJECT

 public:
  SpinArrows(QLineEdit& box, const NumberBox& number);

  // Enables each arrow as the number box's state allows.
  void show_spin();

 Q_SIGNALS:
  // The user pressed an arrow or key: +1 up, -1 down.
  void stepped(int steps);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QToolButton* make_arrow(Qt::ArrowType arrow, const QString& name, int steps);

  const NumberBox& number_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace zav::ui
