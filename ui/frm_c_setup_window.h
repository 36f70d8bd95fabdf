#pragma once

#include "editors/frm_c_setup/frm_c_setup.h"
#include "ui/bound_form.h"

namespace zav::ui {

// The setup editor: the nine pick lists on the left, each with its note for a stored value it
// has no entry for, the seven counts on the right, "&Update" and "&Close" below.
class FrmCSetupWindow : public BoundForm<FrmCSetup> {
  Q_OBJECT

 public:
  explicit FrmCSetupWindow(FrmCSetup& logic);
};

}  // namespace zav::ui
