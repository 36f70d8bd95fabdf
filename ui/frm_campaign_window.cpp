#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/frm_campaign/frm_campaign.h"
#include "ui/form_widget.h"
#include "ui/window_layouts.h"

namespace zav::ui {

// The open file's name above the eight section buttons, two by two, and the file buttons
// below them.
void lay_out(FrmCampaign& logic, FormWidget& form) {
  Binder& bind = form.bind();
  QLabel* file = bind.label(logic.lbl_currfile);
  file->setFrameShape(QFrame::StyledPanel);
  file->setMargin(4);

  auto* sections = new QGridLayout;
  int at = 0;
  for (Button* section :
       {&logic.cmd_setup, &logic.cmd_phases, &logic.cmd_planes, &logic.cmd_gf, &logic.cmd_af,
        &logic.cmd_events, &logic.cmd_missions, &logic.cmd_v1missions}) {
    QPushButton* button = bind.button(*section);
    button->setMinimumSize(170, 34);
    sections->addWidget(button, at / 2, at % 2);
    ++at;
  }

  auto* files = new QHBoxLayout;
  files->addStretch();
  for (Button* button : {&logic.cmd_cload, &logic.cmd_csave, &logic.cmd_close}) {
    files->addWidget(bind.button(*button));
  }

  auto* layout = new QVBoxLayout;
  layout->addWidget(file);
  layout->addLayout(sections);
  layout->addSpacing(6);
  layout->addLayout(files);
  add_problems(*layout, bind, logic.problems, 6, 80);
  form.finish(layout);
}

}  // namespace zav::ui
