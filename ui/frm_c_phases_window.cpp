#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "editors/frm_c_phases/frm_c_phases.h"
#include "ui/form_widget.h"
#include "ui/window_layouts.h"

namespace zav::ui {
namespace {

// A titled box of labelled rows.
QGroupBox* box_of_rows(const Label& heading, QGridLayout* rows) {
  auto* box = new QGroupBox(QString::fromStdString(heading.caption));
  box->setLayout(rows);
  rows->setColumnMinimumWidth(1, 260);
  return box;
}

}  // namespace

// The phase number, then the exit conditions and the production points on the left; the
// target priorities and their note on the right.
void lay_out(FrmCPhases& logic, FormWidget& form) {
  Binder& bind = form.bind();
  auto* phase = new QGridLayout;
  bind.row(*phase, 0, 0, logic.txt_currphase);

  auto* conditions = new QGridLayout;
  int row = 0;
  bind.row(*conditions, row++, 0, logic.cbo_wc);
  bind.row(*conditions, row++, 0, logic.sld_wp);
  bind.row(*conditions, row++, 0, logic.cbo_lc);
  bind.row(*conditions, row++, 0, logic.sld_lp);

  auto* industry = new QGridLayout;
  row = 0;
  for (Slider& slider : logic.us_production) bind.row(*industry, row++, 0, slider);

  auto* production = new QGridLayout;
  bind.row(*production, 0, 0, logic.sld_germanproduction);
  bind.row(*production, 1, 0, logic.sld_britishproduction);
  production->setColumnMinimumWidth(1, 260);

  auto* left = new QVBoxLayout;
  left->addLayout(phase);
  left->addWidget(box_of_rows(logic.lbl_conditions, conditions));
  left->addWidget(box_of_rows(logic.lbl_usindustry, industry));
  left->addLayout(production);
  left->addStretch();

  auto* priorities = new QVBoxLayout;
  for (PickList& place : logic.cbo_target_priority) {
    auto* list = static_cast<QComboBox*>(bind.field(place).input);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    priorities->addWidget(list->parentWidget());
  }
  QLabel* note = bind.label(logic.lbl_targetnote);
  note->setWordWrap(true);
  note->setFixedWidth(300);
  priorities->addSpacing(8);
  priorities->addWidget(note);
  priorities->addStretch();
  auto* targets = new QGroupBox(QString::fromStdString(logic.lbl_targetpriority.caption));
  targets->setLayout(priorities);

  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addWidget(targets);
  finish_section(form, columns, logic.cmd_update, logic.cmd_close);
}

}  // namespace zav::ui
