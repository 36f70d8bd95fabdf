#include "ui/spin_arrows.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace zav::ui {

SpinArrows::SpinArrows(QLineEdit& box, const NumberBox& number) : number_(number) {
  up_ = make_arrow(Qt::UpArrow, "Up", 1);
  down_ = make_arrow(Qt::DownArrow, "Down", -1);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(up_);
  column->addWidget(down_);
  setFixedHeight(box.sizeHint().height());
  box.installEventFilter(this);
}

void SpinArrows::show_spin() {
  up_->setEnabled(number_.step_target(1).has_value());
  down_->setEnabled(number_.step_target(-1).has_value());
}

bool SpinArrows::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && isEnabled()) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      Q_EMIT stepped(key == Qt::Key_Up ? 1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

QToolButton* SpinArrows::make_arrow(Qt::ArrowType arrow, const QString& name, int steps) {
  auto* button = new QToolButton;
  button->setObjectName(name.toLower());
  button->setAccessibleName(name);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  // The box keeps the focus; its Up and Down keys step as the arrows do.
  button->setFocusPolicy(Qt::NoFocus);
  button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
  button->setFixedWidth(18);
  button->setIconSize(QSize(8, 8));
  connect(button, &QToolButton::clicked, this, [this, steps] { Q_EMIT stepped(steps); });
  return button;
}

}  // namespace zav::ui
