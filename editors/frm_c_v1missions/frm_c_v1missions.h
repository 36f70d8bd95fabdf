#pragma once

#include <string>
#include <string_view>

#include "editors/controls.h"
#include "editors/platform.h"
#include "editors/window.h"
#include "editors/window_registry.h"
#include "formats/campaign.h"
#include "model/campaign_fields.h"
#include "model/globals.h"

namespace zav {

// The V-1 speech editor: the four speech numbers of V-1 missions. It copies them into its
// boxes on opening and writes them back only on "&Update".
class FrmCV1Missions : public Window {
 public:
  static constexpr std::string_view kFormName = "frm_c_v1missions";

  FrmCV1Missions(Globals& globals, Platform& platform, WindowRegistry& registry);

  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return "V-1 Mission Speech"; }
  // The user closed the window's frame: nothing is stored.
  bool frame_close() override;

  NumberBox txt_attack{"txt_attack", "upd_attack",
                       "V-1 Site Attack Speech:", fields::v1_speech_v1_attack_speech.low,
                       fields::v1_speech_v1_attack_speech.high};
  NumberBox txt_escort{"txt_escort", "upd_escort",
                       "V-1 Site Escort Bombers Speech:", fields::v1_speech_v1_escort_speech.low,
                       fields::v1_speech_v1_escort_speech.high};
  NumberBox txt_intercept{"txt_intercept", "upd_intercept",
                          "V-1 Intercept Speech:", fields::v1_speech_v1_intercept_speech.low,
                          fields::v1_speech_v1_intercept_speech.high};
  NumberBox txt_ground{"txt_ground", "upd_ground",
                       "V-1 Ground Control Related Speech:", fields::v1_speech_v1_ground_speech.low,
                       fields::v1_speech_v1_ground_speech.high};

  // Stores the four numbers and closes; text that cannot be stored is refused with a message,
  // and then nothing is stored and the window stays open.
  Button cmd_update{"cmd_update", "&Update", [this] { update(); }};
  Button cmd_close{"cmd_close", "&Close", [this] { registry_.close(*this); }};

  // Shows the four speech numbers; the caller then shows the window.
  void open();

 private:
  void update();

  Globals& globals_;
  Platform& platform_;
  WindowRegistry& registry_;
};

}  // namespace zav
