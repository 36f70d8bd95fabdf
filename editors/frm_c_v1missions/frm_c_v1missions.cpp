#include "editors/frm_c_v1missions/frm_c_v1missions.h"

namespace zav {

FrmCV1Missions::FrmCV1Missions(Globals& globals, Platform& platform, WindowRegistry& registry)
    : globals_(globals), platform_(platform), registry_(registry) {}

void FrmCV1Missions::open() {
  opened_ = globals_.campaign.v1_speech;
  show_number(opened_.v1_attack_speech, upd_attack, txt_attack);
  show_number(opened_.v1_escort_speech, upd_escort, txt_escort);
  show_number(opened_.v1_intercept_speech, upd_intercept, txt_intercept);
  show_number(opened_.v1_ground_speech, upd_ground, txt_ground);
}

void FrmCV1Missions::upd_attack_change(int value) {
  spin_moved(value, upd_attack, txt_attack);
}
void FrmCV1Missions::upd_escort_change(int value) {
  spin_moved(value, upd_escort, txt_escort);
}
void FrmCV1Missions::upd_intercept_change(int value) {
  spin_moved(value, upd_intercept, txt_intercept);
}
void FrmCV1Missions::upd_ground_change(int value) {
  spin_moved(value, upd_ground, txt_ground);
}

void FrmCV1Missions::cmd_update_click() {
  const V1Speech& was = opened_;
  const NumberReading attack =
      read_number("V-1 Site Attack Speech", txt_attack, upd_attack, was.v1_attack_speech);
  const NumberReading escort =
      read_number("V-1 Site Escort Bombers Speech", txt_escort, upd_escort, was.v1_escort_speech);
  const NumberReading intercept =
      read_number("V-1 Intercept Speech", txt_intercept, upd_intercept, was.v1_intercept_speech);
  const NumberReading ground = read_number("V-1 Ground Control Related Speech", txt_ground,
                                           upd_ground, was.v1_ground_speech);

  if (tell_refusals(platform_, {&attack, &escort, &intercept, &ground})) return;

  V1Speech& v1 = globals_.campaign.v1_speech;
  store_value(attack.value, v1.v1_attack_speech);
  store_value(escort.value, v1.v1_escort_speech);
  store_value(intercept.value, v1.v1_intercept_speech);
  store_value(ground.value, v1.v1_ground_speech);
  registry_.close(*this);
}

void FrmCV1Missions::cmd_close_click() {
  registry_.close(*this);
}

void FrmCV1Missions::frame_close() {
  registry_.closed(*this);
}

}  // namespace zav
