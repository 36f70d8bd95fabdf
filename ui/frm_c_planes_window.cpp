#include <QComboBox>
#include <QGridLayout>

#include "editors/frm_c_planes/frm_c_planes.h"
#include "ui/form_widget.h"
#include "ui/window_layouts.h"

namespace zav::ui {

// One column of labelled rows, the plane type's number first.
void lay_out(FrmCPlanes& logic, FormWidget& form) {
  Binder& bind = form.bind();
  auto* grid = new QGridLayout;
  int row = 0;
  bind.row(*grid, row++, 0, logic.txt_currplane);
  grid->setRowMinimumHeight(row++, 8);
  const auto list = [&](PickList& control) {
    fit_characters(bind.row(*grid, row++, 0, control), 20);
  };
  list(logic.cbo_planeslotnum);
  bind.row(*grid, row++, 0, logic.txt_pstartphase);
  bind.row(*grid, row++, 0, logic.txt_pendphase);
  list(logic.cbo_replacement);
  bind.row(*grid, row++, 0, logic.txt_planecount);
  bind.row(*grid, row++, 0, logic.txt_planeproduction);
  bind.row(*grid, row++, 0, logic.txt_planestartpoints);
  finish_section(form, grid, logic.cmd_update, logic.cmd_close);
}

}  // namespace zav::ui
