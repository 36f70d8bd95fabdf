#include "editors/frm_c_v1missions/frm_c_v1missions.h"

namespace zav {

void FrmCV1Missions::open() {
  const V1Speech& v1 = campaign().v1_speech;
  txt_attack.display(v1.v1_attack_speech);
  txt_escort.display(v1.v1_escort_speech);
  txt_intercept.display(v1.v1_intercept_speech);
  txt_ground.display(v1.v1_ground_speech);
}

bool FrmCV1Missions::store() {
  const NumberReading attack = txt_attack.read();
  const NumberReading escort = txt_escort.read();
  const NumberReading intercept = txt_intercept.read();
  const NumberReading ground = txt_ground.read();
  if (tell_refusals(platform_, {attack, escort, intercept, ground})) return false;

  edit([&](Campaign& c) {
    V1Speech& v1 = c.v1_speech;
    store_value(attack.value, v1.v1_attack_speech);
    store_value(escort.value, v1.v1_escort_speech);
    store_value(intercept.value, v1.v1_intercept_speech);
    store_value(ground.value, v1.v1_ground_speech);
  });
  return true;
}

}  // namespace zav
