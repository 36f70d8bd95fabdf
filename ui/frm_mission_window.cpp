#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "editors/frm_mission/frm_mission.h"
#include "ui/form_widget.h"
#include "ui/window_layouts.h"

namespace zav::ui {
namespace {

// A group's count above its rows of plane list and chance slider.
QGroupBox* group_box(Binder& bind, const Label& heading, PickList& count,
                     FrmMission::PlaneLists& planes, FrmMission::ChanceSliders& chances) {
  auto* box = new QGroupBox(QString::fromStdString(heading.caption));
  auto* grid = new QGridLayout(box);
  grid->setColumnStretch(1, 1);
  auto* count_row = new QHBoxLayout;
  const Widgets count_field = bind.field(count);
  count_row->addWidget(bind.caption(count, count_field));
  count_row->addWidget(count_field.placed);
  grid->addLayout(count_row, 0, 0, 1, 2);

  for (int row = 0; row < FrmMission::kRows; ++row) {
    const Widgets plane = bind.field(planes[row]);
    fit_characters(plane, 14);
    const Widgets chance = bind.field(chances[row]);
    chance.input->setMinimumWidth(120);
    grid->addWidget(plane.placed, row + 1, 0);
    grid->addWidget(chance.placed, row + 1, 1);
  }
  return box;
}

}  // namespace

// The three plane groups side by side; the file name above them, the buttons below.
void lay_out(FrmMission& logic, FormWidget& form) {
  Binder& bind = form.bind();
  QLabel* file = bind.label(logic.lbl_m_file);
  file->setFrameShape(QFrame::StyledPanel);
  file->setMargin(4);

  auto* groups = new QHBoxLayout;
  groups->addWidget(
      group_box(bind, logic.lbl_fighters, logic.cbo_fnum, logic.cbo_fighter, logic.sld_fc));
  groups->addWidget(
      group_box(bind, logic.lbl_attack, logic.cbo_anum, logic.cbo_attack, logic.sld_ac));
  groups->addWidget(
      group_box(bind, logic.lbl_bombers, logic.cbo_bnum, logic.cbo_bomber, logic.sld_bc));

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (Button* button : {&logic.cmd_mload, &logic.cmd_msave, &logic.cmd_close}) {
    buttons->addWidget(bind.button(*button));
  }

  auto* layout = new QVBoxLayout;
  layout->addWidget(file);
  layout->addLayout(groups);
  layout->addLayout(buttons);
  add_problems(*layout, bind, logic.problems);
  form.finish(layout);
}

}  // namespace zav::ui
