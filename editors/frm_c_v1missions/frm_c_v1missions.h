#pragma once

#include <string>
#include <string_view>

#include "editors/section_editor.h"
#include "formats/campaign.h"
#include "model/campaign_fields.h"

namespace zav {

// The V-1 speech editor: the four speech numbers of V-1 missions.
class FrmCV1Missions : public SectionEditor {
 public:
  static constexpr std::string_view kFormName = "frm_c_v1missions";

  using SectionEditor::SectionEditor;

  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return "V-1 Mission Speech"; }

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

  // Shows the four speech numbers; the caller then shows the window.
  void open() override;

 private:
  bool store() override;
};

}  // namespace zav
