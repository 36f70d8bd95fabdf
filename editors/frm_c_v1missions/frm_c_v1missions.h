#pragma once

#include <string>
#include <string_view>

#include "editors/controls.h"
#include "editors/field_controls.h"
#include "editors/platform.h"
#include "editors/window.h"
#include "editors/window_registry.h"
#include "formats/campaign.h"
#include "model/globals.h"

namespace zav {

// The V-1 speech editor: the four speech numbers of V-1 missions. It copies them into its
// boxes on opening and writes them back only on "&Update".
//
// The binding writes the user's typing straight into the boxes; each spin has a handler
// because moving it also changes its box.
class FrmCV1Missions : public Window {
 public:
  static constexpr std::string_view kFormName = "frm_c_v1missions";

  FrmCV1Missions(Globals& globals, Platform& platform, WindowRegistry& registry);

  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return "V-1 Mission Speech"; }

  TextBox txt_attack;
  Spin upd_attack = spin_with_range(0, 308);
  TextBox txt_escort;
  Spin upd_escort = spin_with_range(0, 308);
  TextBox txt_intercept;
  Spin upd_intercept = spin_with_range(0, 308);
  TextBox txt_ground;
  Spin upd_ground = spin_with_range(0, 308);

  Button cmd_update{{}, "&Update"};
  Button cmd_close{{}, "&Close"};

  // Shows the four speech numbers; the caller then shows the window.
  void open();

  void upd_attack_change(int value);
  void upd_escort_change(int value);
  void upd_intercept_change(int value);
  void upd_ground_change(int value);
  // Stores the four numbers and closes; text that cannot be stored is refused with a message,
  // and then nothing is stored and the window stays open.
  void cmd_update_click();
  void cmd_close_click();
  // The user closed the window's frame: nothing is stored.
  void frame_close();

 private:
  Globals& globals_;
  Platform& platform_;
  WindowRegistry& registry_;
  V1Speech opened_;  // the numbers as they were shown on opening
};

}  // namespace zav
