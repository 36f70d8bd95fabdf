#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "editors/frm_c_forces/frm_c_forces.h"
#include "ui/form_widget.h"
#include "ui/window_layouts.h"

namespace zav::ui {

// The strengths, quality, morale and repair points above the industry: a row per branch of
// its production slider and its factories.
void lay_out(FrmCSideForces& logic, FormWidget& form) {
  Binder& bind = form.bind();
  auto* side = new QGridLayout;
  int row = 0;
  bind.row(*side, row++, 0, logic.txt_airstrength);
  bind.row(*side, row++, 0, logic.txt_groundstrength);
  bind.row(*side, row++, 0, logic.cbo_quality);
  bind.row(*side, row++, 0, logic.sld_morale);
  bind.row(*side, row++, 0, logic.sld_repairpoints);
  side->setColumnMinimumWidth(1, 260);

  auto* industry = new QGridLayout;
  industry->setColumnMinimumWidth(1, 260);
  industry->setColumnMinimumWidth(2, 12);
  for (int branch = 0; branch < FrmCSideForces::kBranches; ++branch) {
    bind.row(*industry, branch, 0, logic.sld_production[branch]);
    bind.row(*industry, branch, 3, logic.txt_factories[branch]);
  }
  auto* box = new QGroupBox(QString::fromStdString(logic.lbl_industry.caption));
  box->setLayout(industry);

  auto* layout = new QVBoxLayout;
  layout->addLayout(side);
  layout->addWidget(box);
  finish_section(form, layout, logic.cmd_update, logic.cmd_close);
}

}  // namespace zav::ui
