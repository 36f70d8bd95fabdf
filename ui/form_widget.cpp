#include "ui/form_widget.h"

#include <QCloseEvent>
#include <QLayout>

namespace zav::ui {

FormWidget::FormWidget(Window& window)
    : window_(window), binder_([this] {
        refresh();
        Q_EMIT acted();
      }) {
  setObjectName(QString::fromUtf8(window.form_name().data(), window.form_name().size()));
  // "[*]" shows as "*" while the file the window holds has changes never saved.
  setWindowTitle(QString::fromStdString(window.caption()) + (window.holds_file() ? "[*]" : ""));
}

void FormWidget::finish(QLayout* layout) {
  setLayout(layout);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  binder_.order_tabs();
  refresh();
}

void FormWidget::refresh() {
  binder_.refresh();
  setWindowModified(window_.unsaved_changes());
}

void FormWidget::close_by_program() {
  closing_by_program_ = true;
  close();
  closing_by_program_ = false;
}

void FormWidget::closeEvent(QCloseEvent* event) {
  if (!closing_by_program_ && !window_.frame_close()) {
    event->ignore();
    refresh();
    return;
  }
  event->accept();
  Q_EMIT closed();
}

}  // namespace zav::ui
