#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "editors/frm_c_specialmissions/frm_c_specialmissions.h"
#include "ui/form_widget.h"
#include "ui/window_layouts.h"

namespace zav::ui {
namespace {

// The mission, its trigger and date, chance, type, target type and target places.
QGridLayout* mission_column(Binder& bind, FrmCSpecialMissions& logic) {
  auto* grid = new QGridLayout;
  int row = 0;
  bind.row(*grid, row++, 0, logic.txt_smnum);
  fit_characters(bind.row(*grid, row++, 0, logic.cbo_smtrigger), 30);
  // The parameter and the date are never shown together: the parameter takes the date's row.
  bind.row(*grid, row, 0, logic.txt_sm_tp1).input->setFixedWidth(80);
  bind.row(*grid, row++, 0, logic.txt_sm_date);
  bind.row(*grid, row++, 0, logic.txt_sm_month);
  bind.row(*grid, row++, 0, logic.cbo_sm_year);
  bind.row(*grid, row, 0, logic.sld_chance);
  QLabel* chance = bind.label(logic.lbl_chance);
  fit_label(*chance, 4);
  grid->addWidget(chance, row++, 2);
  bind.row(*grid, row++, 0, logic.cbo_sm_type);
  fit_characters(bind.row(*grid, row, 0, logic.cbo_target_priority), 20);
  QLabel* note = bind.label(logic.Label3);
  note->setFrameShape(QFrame::StyledPanel);
  note->setMargin(2);
  note->setToolTip("Hold the mouse button here to read what the marks * ** *** mean");
  grid->addWidget(note, row++, 2);
  bind.row(*grid, row++, 0, logic.txt_numtargets);
  for (int i = 0; i < FrmCSpecialMissions::kTargets; ++i, ++row) {
    PickList& list = logic.cbo_targetlist[i];
    const Widgets place = i == 0 ? bind.row(*grid, row, 0, list) : bind.field(list);
    if (i > 0) grid->addWidget(place.placed, row, 1);
    fit_characters(place, 22);
  }
  grid->setRowStretch(row, 1);
  return grid;
}

// The time of day and the weather beside the follow-up events, secondary flight, formation
// and altitude; the special speech slots and the standard speech items below them.
QVBoxLayout* briefing_column(Binder& bind, FrmCSpecialMissions& logic) {
  auto* time = new QGridLayout;
  int row = 0;
  bind.row(*time, row++, 0, logic.chk_sm_randomtime);
  bind.row(*time, row++, 0, logic.txt_sm_hour);
  bind.row(*time, row++, 0, logic.txt_sm_minute);
  bind.row(*time, row++, 0, logic.cbo_weather);
  time->setRowStretch(row, 1);

  auto* follow_up = new QGridLayout;
  row = 0;
  bind.row(*follow_up, row++, 0, logic.txt_sesuccess);
  bind.row(*follow_up, row++, 0, logic.txt_sefail);
  bind.row(*follow_up, row++, 0, logic.chk_secondaryflight);
  bind.row(*follow_up, row++, 0, logic.chk_secondaryflighttarget);
  bind.row(*follow_up, row++, 0, logic.cbo_formationtype);
  bind.row(*follow_up, row++, 0, logic.txt_altitude);

  auto* top = new QHBoxLayout;
  top->addLayout(time);
  top->addSpacing(24);
  top->addLayout(follow_up);
  top->addStretch();

  auto* speech = new QGroupBox("Special Speech List:");
  auto* slots = new QGridLayout(speech);
  for (int j = 0; j < FrmCSpecialMissions::kSpeechSlots; ++j) {
    slots->addWidget(new QLabel(QString::number(j + 1)), j, 0);
    slots->addWidget(bind.field(logic.opt_speech[j]).placed, j, 1);
    slots->addWidget(bind.field(logic.txt_other[j]).placed, j, 2);
  }

  auto* standard = new QGroupBox("Standard Speech List:");
  auto* items = new QGridLayout(standard);
  constexpr int kItemRows = FrmCSpecialMissions::kSpeechSlots / 2;
  for (int j = 0; j < FrmCSpecialMissions::kSpeechSlots; ++j) {
    items->addWidget(bind.field(logic.chk_standardspeech[j]).placed, j % kItemRows, j / kItemRows);
  }

  auto* column = new QVBoxLayout;
  column->addLayout(top);
  column->addWidget(speech);
  column->addWidget(standard);
  column->addStretch();
  return column;
}

}  // namespace

// The mission and its targets on the left; its time, briefing and what follows it on the
// right; "&Update" and "&Close" below.
void lay_out(FrmCSpecialMissions& logic, FormWidget& form) {
  Binder& bind = form.bind();
  auto* columns = new QHBoxLayout;
  columns->addLayout(mission_column(bind, logic));
  columns->addSpacing(16);
  columns->addLayout(briefing_column(bind, logic));
  finish_section(form, columns, logic.cmd_update, logic.cmd_close);
}

}  // namespace zav::ui
