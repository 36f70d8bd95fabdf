#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "editors/frm_squadron/frm_squadron.h"
#include "ui/form_widget.h"
#include "ui/qt_text.h"
#include "ui/window_layouts.h"

namespace zav::ui {
namespace {

// The headings of a box's rows of controls, from the labels of its first row.
void headings(QGridLayout& grid, int row, std::initializer_list<const Control*> columns) {
  int column = 0;
  for (const Control* control : columns)
    grid.addWidget(new QLabel(text_of(control->label)), row, column++);
}

// The current squadron and the count, beside the file name and the buttons that change it.
QLayout* squadron_bar(Binder& bind, FrmSquadron& logic) {
  auto* bar = new QHBoxLayout;
  QLabel* file = bind.label(logic.lbl_s_file);
  file->setFrameShape(QFrame::StyledPanel);
  file->setMargin(4);
  bar->addWidget(file, 1);
  bar->addSpacing(12);
  const Widgets current = bind.field(logic.txt_currsqn);
  bar->addWidget(bind.caption(logic.txt_currsqn, current));
  bar->addWidget(current.placed);
  QLabel* count = bind.label(logic.lbl_numsqns);
  bar->addWidget(bind.caption(logic.lbl_numsqns, {count, count}));
  bar->addWidget(count);
  bar->addSpacing(12);
  bar->addWidget(bind.button(logic.cmd_newsqn));
  bar->addWidget(bind.button(logic.cmd_delsqn));
  return bar;
}

// The start date, base, aircraft and crews, and the numbers that name the squadron.
QLayout* general_column(Binder& bind, FrmSquadron& logic) {
  auto* commences = new QGroupBox(text_of(logic.lbl_commences.caption));
  auto* dates = new QGridLayout(commences);
  int row = 0;
  for (PickList* list : {&logic.cbo_sqnday, &logic.cbo_sqnmonth, &logic.cbo_sqnyear}) {
    fit_characters(bind.row(*dates, row++, 0, *list), 10);
  }
  bind.row(*dates, row, 0, logic.txt_phasestart);
  dates->setColumnStretch(1, 1);

  auto* grid = new QGridLayout;
  row = 0;
  fit_characters(bind.row(*grid, row++, 0, logic.cbo_base), 18);
  fit_characters(bind.row(*grid, row++, 0, logic.cbo_plane), 18);
  bind.row(*grid, row++, 0, logic.txt_numplanes);
  bind.row(*grid, row++, 0, logic.txt_numpilots);
  bind.row(*grid, row++, 0, logic.sld_morale).input->setMinimumWidth(180);
  bind.row(*grid, row++, 0, logic.sld_skill).input->setMinimumWidth(180);
  bind.row(*grid, row++, 0, logic.txt_sqningrp);
  auto* staffel = new QHBoxLayout;
  QLabel* staffel_label = nullptr;
  for (TextBox& box : logic.txt_sing) {
    const Widgets field = bind.field(box);
    field.input->setFixedWidth(44);
    if (!staffel_label) staffel_label = bind.caption(box, field);
    staffel->addWidget(field.placed);
  }
  staffel->addStretch();
  grid->addWidget(staffel_label, row, 0);
  grid->addLayout(staffel, row++, 1);
  for (TextBox* box : {&logic.txt_unitsprt, &logic.txt_unitname, &logic.txt_unitdesc}) {
    bind.row(*grid, row++, 0, *box).input->setFixedWidth(60);
  }
  grid->setColumnStretch(1, 1);

  auto* column = new QVBoxLayout;
  column->addWidget(commences);
  column->addLayout(grid);
  column->addStretch();
  return column;
}

QGroupBox* roles_box(Binder& bind, FrmSquadron& logic) {
  auto* box = new QGroupBox(text_of(logic.lbl_properties.caption));
  auto* grid = new QGridLayout(box);
  const std::pair<Slider*, Label*> roles[] = {{&logic.sld_escort, &logic.lbl_escort},
                                              {&logic.sld_sweep, &logic.lbl_sweep},
                                              {&logic.sld_bomb, &logic.lbl_bomb},
                                              {&logic.sld_intercept, &logic.lbl_intercept},
                                              {&logic.sld_interdict, &logic.lbl_interdict}};
  int row = 0;
  for (const auto& [slider, percentage] : roles) {
    bind.row(*grid, row, 0, *slider).input->setMinimumWidth(160);
    QLabel* shown = bind.label(*percentage);
    shown->setMinimumWidth(shown->fontMetrics().horizontalAdvance("500%") + 4);
    shown->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(shown, row++, 2);
  }
  QLabel* total = bind.label(logic.lbl_total);
  total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  grid->addWidget(bind.caption(logic.lbl_total, {total, total}), row, 0);
  grid->addWidget(total, row, 2);
  return box;
}

QGroupBox* special_box(Binder& bind, FrmSquadron& logic) {
  auto* box = new QGroupBox(text_of(logic.lbl_special.caption));
  auto* grid = new QGridLayout(box);
  constexpr int kColumns = 8;
  for (int m = 0; m < FrmSquadron::kSpecialMissions; ++m) {
    grid->addWidget(bind.field(logic.chk_special[m]).placed, m / kColumns, m % kColumns);
  }
  return box;
}

QGroupBox* weapons_box(Binder& bind, FrmSquadron& logic) {
  auto* box = new QGroupBox(text_of(logic.lbl_weapons.caption));
  auto* grid = new QGridLayout(box);
  headings(*grid, 0, {&logic.cbo_weapon[0], &logic.txt_weaponphase[0], &logic.txt_weaponamount[0]});
  for (int k = 0; k < FrmSquadron::kWeaponRows; ++k) {
    const Widgets weapon = bind.field(logic.cbo_weapon[k]);
    fit_characters(weapon, 14);
    grid->addWidget(weapon.placed, k + 1, 0);
    grid->addWidget(bind.field(logic.txt_weaponphase[k]).placed, k + 1, 1);
    grid->addWidget(bind.field(logic.txt_weaponamount[k]).placed, k + 1, 2);
  }
  grid->setColumnStretch(0, 1);
  return box;
}

// A count list over its four rows of list, probability and phase; only the rows in use show.
template <class Lists, class Chances, class Phases>
QGroupBox* scheduled_box(Binder& bind, PickList& count, Lists& lists, Chances& chances,
                         Phases& phases, int characters) {
  auto* box = new QGroupBox(text_of(count.label));
  auto* grid = new QGridLayout(box);
  const Widgets counted = bind.field(count);
  grid->addWidget(counted.placed, 0, 0);
  headings(*grid, 1, {&lists[0], &chances[0], &phases[0]});
  for (int j = 0; j < FrmSquadron::kMoveRows; ++j) {
    const Widgets list = bind.field(lists[j]);
    fit_characters(list, characters);
    const Widgets chance = bind.field(chances[j]);
    chance.input->setMinimumWidth(120);
    const Widgets phase = bind.field(phases[j]);
    grid->addWidget(list.placed, j + 2, 0);
    grid->addWidget(chance.placed, j + 2, 1);
    grid->addWidget(phase.placed, j + 2, 2);
  }
  grid->setColumnStretch(0, 1);
  return box;
}

}  // namespace

// The squadron bar on top; below it three columns: the squadron's particulars, its role
// weights, special missions and airfield moves, and its weapons and aircraft changes; the
// file buttons at the foot of the last. Tab goes through them in that order.
void lay_out(FrmSquadron& logic, FormWidget& form) {
  Binder& bind = form.bind();
  QLayout* bar = squadron_bar(bind, logic);

  auto* columns = new QHBoxLayout;
  columns->addLayout(general_column(bind, logic));

  auto* middle = new QVBoxLayout;
  middle->addWidget(roles_box(bind, logic));
  middle->addWidget(special_box(bind, logic));
  middle->addWidget(scheduled_box(bind, logic.cbo_moves, logic.cbo_basemove, logic.sld_moveprob,
                                  logic.txt_movephase, 18));
  middle->addStretch();
  columns->addLayout(middle);

  auto* right = new QVBoxLayout;
  right->addWidget(weapons_box(bind, logic));
  right->addWidget(scheduled_box(bind, logic.cbo_changes, logic.cbo_planechange,
                                 logic.sld_changeprob, logic.txt_changephase, 14));
  right->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (Button* button : {&logic.cmd_sload, &logic.cmd_ssave, &logic.cmd_close}) {
    buttons->addWidget(bind.button(*button));
  }
  right->addLayout(buttons);
  columns->addLayout(right);

  auto* layout = new QVBoxLayout;
  layout->addLayout(bar);
  layout->addLayout(columns);
  add_problems(*layout, bind, logic.problems);
  form.finish(layout);
}

}  // namespace zav::ui
