#include "ui/frm_campaign_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace zav::ui {

FrmCampaignWindow::FrmCampaignWindow(FrmCampaign& logic) : BoundForm(logic) {
  using F = FrmCampaign;
  QLabel* file = bind_label("lbl_currfile", &F::lbl_currfile);
  file->setFrameShape(QFrame::StyledPanel);
  file->setMargin(4);

  // The buttons of the editors that are not built yet have no handler: with a campaign loaded
  // they are enabled, as the logic says, and do nothing.
  auto* sections = new QGridLayout;
  QPushButton* const in_reading_order[] = {
      bind_button("cmd_setup", &F::cmd_setup, &F::cmd_setup_click),
      bind_button("cmd_phases", &F::cmd_phases),
      bind_button("cmd_planes", &F::cmd_planes),
      bind_button("cmd_gf", &F::cmd_gf),
      bind_button("cmd_af", &F::cmd_af),
      bind_button("cmd_events", &F::cmd_events),
      bind_button("cmd_missions", &F::cmd_missions),
      bind_button("cmd_v1missions", &F::cmd_v1missions, &F::cmd_v1missions_click),
  };
  int at = 0;
  for (QPushButton* section : in_reading_order) {
    section->setMinimumSize(170, 34);
    sections->addWidget(section, at / 2, at % 2);
    ++at;
  }

  auto* files = new QHBoxLayout;
  files->addStretch();
  files->addWidget(bind_button("cmd_cload", &F::cmd_cload, &F::cmd_cload_click));
  files->addWidget(bind_button("cmd_csave", &F::cmd_csave, &F::cmd_csave_click));
  files->addWidget(bind_button("cmd_close", &F::cmd_close, &F::cmd_close_click));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(file);
  layout->addLayout(sections);
  layout->addSpacing(6);
  layout->addLayout(files);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  refresh();
}

}  // namespace zav::ui
