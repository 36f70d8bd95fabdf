#include "editors/frm_c_planes/frm_c_planes.h"

namespace zav {

void FrmCPlanes::open() {
  form_.fill(globals_.names);
  stepper_.open(campaign().setup.num_plane_types, Campaign::kPlaneTypes);
}

}  // namespace zav
