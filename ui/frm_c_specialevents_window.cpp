#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <utility>

#include "editors/frm_c_specialevents/frm_c_specialevents.h"
#include "ui/form_widget.h"
#include "ui/window_layouts.h"

namespace zav::ui {

// The event number, type and trigger (its parameter beside it, how it is kept below), the
// chance with its value, and the two parameters, the plane's name beside the first; "&Update"
// and "&Close" below.
void lay_out(FrmCSpecialEvents& logic, FormWidget& form) {
  Binder& bind = form.bind();
  auto* grid = new QGridLayout;
  grid->setColumnStretch(2, 1);
  bind.row(*grid, 0, 0, logic.txt_specialeventnum);
  // Both lists as wide as the longest trigger.
  for (auto [row, list] : {std::pair{1, &logic.cbo_se_type}, {2, &logic.cbo_se_trigger}}) {
    fit_characters(bind.row(*grid, row, 0, *list), 28);
  }
  grid->addWidget(bind.field(logic.txt_se_trigger).placed, 2, 2);
  grid->addWidget(bind.label(logic.lbl_se_trigger_note), 3, 1, 1, 2);
  bind.row(*grid, 4, 0, logic.sld_se_chance).input->setMinimumWidth(200);
  QLabel* chance = bind.label(logic.lbl_se_Chance);
  fit_label(*chance, 4);
  grid->addWidget(chance, 4, 2);
  bind.row(*grid, 5, 0, logic.txt_se_par1);
  QLabel* plane = bind.label(logic.lbl_plane);
  fit_label(*plane, 24);
  grid->addWidget(plane, 5, 2);
  bind.row(*grid, 6, 0, logic.txt_se_par2);
  // The rows keep their height while a type hides its parameters.
  for (int row = 0; row < 7; ++row) grid->setRowMinimumHeight(row, 28);
  finish_section(form, grid, logic.cmd_update, logic.cmd_close);
}

}  // namespace zav::ui
