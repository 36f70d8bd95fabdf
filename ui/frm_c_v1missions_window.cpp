#include "ui/frm_c_v1missions_window.h"

#include <QGridLayout>

namespace zav::ui {
namespace {

using V = FrmCV1Missions;

const NumberForm<V> kSpeeches[] = {
    {"V-1 Site Attack Speech:", "txt_attack", &V::txt_attack, "upd_attack", &V::upd_attack,
     &V::upd_attack_change},
    {"V-1 Site Escort Bombers Speech:", "txt_escort", &V::txt_escort, "upd_escort", &V::upd_escort,
     &V::upd_escort_change},
    {"V-1 Intercept Speech:", "txt_intercept", &V::txt_intercept, "upd_intercept",
     &V::upd_intercept, &V::upd_intercept_change},
    {"V-1 Ground Control Related Speech:", "txt_ground", &V::txt_ground, "upd_ground",
     &V::upd_ground, &V::upd_ground_change},
};

}  // namespace

FrmCV1MissionsWindow::FrmCV1MissionsWindow(FrmCV1Missions& logic) : BoundForm(logic) {
  auto* grid = new QGridLayout;
  int row = 0;
  for (const NumberForm<V>& form : kSpeeches) add_number(*grid, row++, 0, form);

  lay_out_section(grid);
}

}  // namespace zav::ui
