#pragma once

#include "editors/frm_campaign/frm_campaign.h"
#include "ui/bound_form.h"

namespace zav::ui {

// The campaign editor: the open file's name above the eight section buttons, two by two, and
// the file buttons below them.
class FrmCampaignWindow : public BoundForm<FrmCampaign> {
  Q_OBJECT

 public:
  explicit FrmCampaignWindow(FrmCampaign& logic);
};

}  // namespace zav::ui
