#include "ui/form_widget.h"

#include <QCloseEvent>

namespace zav::ui {

FormWidget::FormWidget(const Window& window) {
  setObjectName(QString::fromUtf8(window.form_name().data(), window.form_name().size()));
  setWindowTitle(QString::fromStdString(window.caption()));
}

void FormWidget::close_by_program() {
  closing_by_program_ = true;
  close();
  closing_by_program_ = false;
}

void FormWidget::closeEvent(QCloseEvent* event) {
  if (!closing_by_program_) frame_close();
  event->accept();
  Q_EMIT closed();
}

}  // namespace zav::ui
