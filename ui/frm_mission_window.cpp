#include "ui/frm_mission_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "ui/control_state.h"

namespace zav::ui {

// Where one group's controls live in the logic, their handlers, and their names.
struct MissionGroupForm {
  const char* caption;
  const char* count_name;
  PickList FrmMission::*count;
  void (FrmMission::*choose_count)(int);
  const char* planes_name;
  FrmMission::PlaneLists FrmMission::*planes;
  void (FrmMission::*choose_plane)(int, int);
  const char* chances_name;
  FrmMission::ChanceSliders FrmMission::*chances;
  void (FrmMission::*change_chance)(int, int);
};

namespace {

using F = FrmMission;

const MissionGroupForm kGroupForms[] = {
    {"Fighters:", "cbo_fnum", &F::cbo_fnum, &F::cbo_fnum_choose, "cbo_fighter", &F::cbo_fighter,
     &F::cbo_fighter_choose, "sld_fc", &F::sld_fc, &F::sld_fc_change},
    {"Attack Aircraft (unescorted):", "cbo_anum", &F::cbo_anum, &F::cbo_anum_choose, "cbo_attack",
     &F::cbo_attack, &F::cbo_attack_choose, "sld_ac", &F::sld_ac, &F::sld_ac_change},
    {"Bombers (escorted):", "cbo_bnum", &F::cbo_bnum, &F::cbo_bnum_choose, "cbo_bomber",
     &F::cbo_bomber, &F::cbo_bomber_choose, "sld_bc", &F::sld_bc, &F::sld_bc_change},
};

// Rows are numbered from 1 for the user, from 0 in the names.
QString row_name(const char* array_name, int row) {
  return QString("%1_%2").arg(array_name).arg(row);
}
QString row_label(const char* caption, int row, const char* what) {
  return QString("%1 row %2 %3").arg(caption).arg(row + 1).arg(what);
}

}  // namespace

FrmMissionWindow::FrmMissionWindow(FrmMission& logic) : FormWidget(logic), logic_(logic) {
  lbl_m_file_ = new QLabel;
  lbl_m_file_->setObjectName("lbl_m_file");
  lbl_m_file_->setFrameShape(QFrame::StyledPanel);
  lbl_m_file_->setMargin(4);

  auto* group_row = new QHBoxLayout;
  for (std::size_t g = 0; g < groups_.size(); ++g) {
    group_row->addWidget(make_group(kGroupForms[g], groups_[g]));
  }

  cmd_mload_ = make_button("cmd_mload", &FrmMission::cmd_mload_click);
  cmd_msave_ = make_button("cmd_msave", &FrmMission::cmd_msave_click);
  cmd_close_ = make_button("cmd_close", &FrmMission::cmd_close_click);
  auto* button_row = new QHBoxLayout;
  button_row->addStretch();
  for (QPushButton* button : {cmd_mload_, cmd_msave_, cmd_close_}) button_row->addWidget(button);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lbl_m_file_);
  layout->addLayout(group_row);
  layout->addLayout(button_row);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  refresh();
}

void FrmMissionWindow::refresh() {
  show_state(*lbl_m_file_, logic_.lbl_m_file);
  for (const GroupWidgets& group : groups_) {
    show_state(*group.count, logic_.*group.form->count);
    for (int row = 0; row < FrmMission::kRows; ++row) {
      show_state(*group.planes[row], (logic_.*group.form->planes)[row]);
      show_state(*group.chances[row], (logic_.*group.form->chances)[row]);
    }
  }
  show_state(*cmd_mload_, logic_.cmd_mload);
  show_state(*cmd_msave_, logic_.cmd_msave);
  show_state(*cmd_close_, logic_.cmd_close);
}

void FrmMissionWindow::frame_close() {
  logic_.frame_close();
}

QGroupBox* FrmMissionWindow::make_group(const MissionGroupForm& form, GroupWidgets& widgets) {
  widgets.form = &form;
  auto* box = new QGroupBox(form.caption);
  auto* grid = new QGridLayout(box);
  grid->setColumnStretch(1, 1);

  auto* count_label = new QLabel("# Planes:");
  widgets.count = new QComboBox;
  widgets.count->setObjectName(form.count_name);
  widgets.count->setAccessibleName(QString("%1 # Planes:").arg(form.caption));
  count_label->setBuddy(widgets.count);
  connect(widgets.count, &QComboBox::activated, this,
          [this, &form](int position) { act([&] { (logic_.*form.choose_count)(position); }); });
  auto* count_row = new QHBoxLayout;
  count_row->addWidget(count_label);
  count_row->addWidget(widgets.count);
  count_row->addStretch();
  grid->addLayout(count_row, 0, 0, 1, 2);

  for (int row = 0; row < FrmMission::kRows; ++row) {
    auto* plane = new QComboBox;
    plane->setObjectName(row_name(form.planes_name, row));
    plane->setAccessibleName(row_label(form.caption, row, "plane"));
    plane->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    plane->setMinimumContentsLength(14);
    connect(plane, &QComboBox::activated, this, [this, &form, row](int position) {
      act([&] { (logic_.*form.choose_plane)(row, position); });
    });

    auto* chance = new QSlider(Qt::Horizontal);
    chance->setObjectName(row_name(form.chances_name, row));
    chance->setAccessibleName(row_label(form.caption, row, "chance"));
    chance->setMinimumWidth(120);
    chance->setPageStep(16);
    connect(chance, &QSlider::valueChanged, this, [this, &form, row](int value) {
      act([&] { (logic_.*form.change_chance)(row, value); });
    });

    // A hidden row keeps its place, so the rows in use stay where they are.
    for (QWidget* cell : {static_cast<QWidget*>(plane), static_cast<QWidget*>(chance)}) {
      QSizePolicy policy = cell->sizePolicy();
      policy.setRetainSizeWhenHidden(true);
      cell->setSizePolicy(policy);
    }
    grid->addWidget(plane, row + 1, 0);
    grid->addWidget(chance, row + 1, 1);
    widgets.planes[row] = plane;
    widgets.chances[row] = chance;
  }
  return box;
}

QPushButton* FrmMissionWindow::make_button(const char* name, void (FrmMission::*click)()) {
  auto* button = new QPushButton;
  button->setObjectName(name);
  connect(button, &QPushButton::clicked, this, [this, click] { act([&] { (logic_.*click)(); }); });
  return button;
}

}  // namespace zav::ui
