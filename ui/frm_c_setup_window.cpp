#include <QComboBox>
#include <QGridLayout>

#include "editors/frm_c_setup/frm_c_setup.h"
#include "ui/form_widget.h"
#include "ui/window_layouts.h"

namespace zav::ui {

// The nine pick lists on the left, each with its note for a stored value it has no entry
// for, the seven counts on the right, "&Update" and "&Close" below.
void lay_out(FrmCSetup& logic, FormWidget& form) {
  Binder& bind = form.bind();
  auto* grid = new QGridLayout;
  constexpr int kCountColumn = 3;  // column 2 keeps the lists and the counts apart
  grid->setColumnMinimumWidth(kCountColumn - 1, 16);
  int row = 0;
  for (PickList* list :
       {&logic.cbo_starty, &logic.cbo_startm, &logic.cbo_startd, &logic.cbo_language,
        &logic.cbo_attackside, &logic.cbo_camptype, &logic.cbo_attackbase, &logic.cbo_attackcapital,
        &logic.cbo_defendcapital}) {
    fit_characters(bind.row(*grid, row++, 0, *list), 22);
  }
  row = 0;
  for (NumberBox* count :
       {&logic.txt_numsqns, &logic.txt_numspev, &logic.txt_numspm, &logic.txt_numphases,
        &logic.txt_phaselength, &logic.txt_daysbetweenmissions, &logic.txt_numplanetypes}) {
    bind.row(*grid, row++, kCountColumn, *count);
  }
  finish_section(form, grid, logic.cmd_update, logic.cmd_close);
}

}  // namespace zav::ui
