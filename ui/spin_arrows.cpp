#include "ui/spin_arrows.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "editors/field_controls.h"

namespace zav::ui {

SpinArrows::SpinArrows(QLineEdit& box) : box_(box) {
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

void SpinArrows::show_spin(const Spin& spin) {
  spin_ = spin;
  up_->setEnabled(start() < spin.maximum);
  down_->setEnabled(start() > spin.minimum);
}

bool SpinArrows::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && isEnabled()) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      step(key == Qt::Key_Up ? 1 : -1);
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
  connect(button, &QToolButton::clicked, this, [this, steps] { step(steps); });
  return button;
}

int SpinArrows::start() const {
  const std::optional<int> typed = whole_number(box_.text().toStdString());
  const bool in_range = typed && *typed >= spin_.minimum && *typed <= spin_.maximum;
  return in_range ? *typed : spin_.value;
}

void SpinArrows::step(int steps) {
  const int from = start();
  const int value = std::clamp(from + steps * spin_.step, spin_.minimum, spin_.maximum);
  if (value != from) Q_EMIT stepped(value);
}

}  // namespace zav::ui
