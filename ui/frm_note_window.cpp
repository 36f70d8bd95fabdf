#include <QLabel>
#include <QVBoxLayout>

#include "editors/frm_note/frm_note.h"
#include "ui/form_widget.h"
#include "ui/window_layouts.h"

namespace zav::ui {

// The note's lines, wrapped; shown without taking the focus from the window that shows it.
void lay_out(FrmNote& logic, FormWidget& form) {
  QLabel* note = form.bind().label(logic.lbl_note);
  note->setWordWrap(true);
  note->setFixedWidth(420);
  note->setMargin(8);
  form.setAttribute(Qt::WA_ShowWithoutActivating);
  form.open_as(FormWidget::Opening::under_held_label);
  auto* layout = new QVBoxLayout;
  layout->addWidget(note);
  form.finish(layout);
}

}  // namespace zav::ui
