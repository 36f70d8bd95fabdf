#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/form_widget.h"
#include "ui/window_layouts.h"

namespace zav::ui {

void finish_section(FormWidget& form, QLayout* fields, Button& update, Button& close) {
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(form.bind().button(update));
  buttons->addWidget(form.bind().button(close));

  auto* layout = new QVBoxLayout;
  layout->addLayout(fields);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  form.finish(layout);
}

}  // namespace zav::ui
