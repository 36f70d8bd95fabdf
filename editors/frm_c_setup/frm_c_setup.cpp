#include "editors/frm_c_setup/frm_c_setup.h"

namespace zav {

void FrmCSetup::open() {
  form_.fill(globals_.names);
  form_.display(campaign().setup);
}

int FrmCSetup::shown_phase_length() const {
  return txt_phaselength.number().value_or(txt_phaselength.value);
}

}  // namespace zav
