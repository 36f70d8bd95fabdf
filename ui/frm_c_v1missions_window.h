#pragma once

#include "editors/frm_c_v1missions/frm_c_v1missions.h"
#include "ui/bound_form.h"

namespace zav::ui {

// The V-1 speech editor: four labelled number boxes with their arrows, "&Update" and "&Close"
// below.
class FrmCV1MissionsWindow : public BoundForm<FrmCV1Missions> {
  Q_OBJECT

 public:
  explicit FrmCV1MissionsWindow(FrmCV1Missions& logic);
};

}  // namespace zav::ui
