#pragma once

#include <string>
#include <string_view>

#include "editors/record_form.h"
#include "editors/section_editor.h"
#include "formats/campaign.h"
#include "model/campaign_fields.h"

namespace zav {

// The V-1 speech editor: the four speech numbers of V-1 missions.
class FrmCV1Missions : public SectionEditor {
  RecordForm<V1Speech> form_;  // lists the controls made from fields, as they are made

 public:
  static constexpr std::string_view kFormName = "frm_c_v1missions";

  using SectionEditor::SectionEditor;

  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return "V-1 Mission Speech"; }
  const Control* control_at(std::string_view path) const override { return form_.control_at(path); }

  Bound<NumberBox> txt_attack{form_, fields::v1_speech_v1_attack_speech, "txt_attack", "upd_attack",
                              "V-1 Site Attack Speech:"};
  Bound<NumberBox> txt_escort{form_, fields::v1_speech_v1_escort_speech, "txt_escort", "upd_escort",
                              "V-1 Site Escort Bombers Speech:"};
  Bound<NumberBox> txt_intercept{form_, fields::v1_speech_v1_intercept_speech, "txt_intercept",
                                 "upd_intercept", "V-1 Intercept Speech:"};
  Bound<NumberBox> txt_ground{form_, fields::v1_speech_v1_ground_speech, "txt_ground", "upd_ground",
                              "V-1 Ground Control Related Speech:"};

  // Shows the four speech numbers; the caller then shows the window.
  void open() override { form_.display(campaign().v1_speech); }

 private:
  bool store() override {
    return store_form(form_, [](Campaign& c) -> V1Speech& { return c.v1_speech; });
  }
};

}  // namespace zav
