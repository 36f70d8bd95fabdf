#include <QGridLayout>

#include "editors/frm_c_v1missions/frm_c_v1missions.h"
#include "ui/form_widget.h"
#include "ui/window_layouts.h"

namespace zav::ui {

// Four labelled number boxes with their arrows, "&Update" and "&Close" below.
void lay_out(FrmCV1Missions& logic, FormWidget& form) {
  auto* grid = new QGridLayout;
  int row = 0;
  for (NumberBox* speech :
       {&logic.txt_attack, &logic.txt_escort, &logic.txt_intercept, &logic.txt_ground}) {
    form.bind().row(*grid, row++, 0, *speech);
  }
  finish_section(form, grid, logic.cmd_update, logic.cmd_close);
}

}  // namespace zav::ui
