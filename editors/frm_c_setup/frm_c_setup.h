#pragma once

#include <string>
#include <string_view>

#include "editors/record_form.h"
#include "editors/section_editor.h"
#include "formats/campaign.h"
#include "model/campaign_fields.h"

namespace zav {

// The setup editor: the start date, sides, type, base and capitals of the campaign and the
// seven counts that size its other sections.
class FrmCSetup : public SectionEditor {
  RecordForm<CampaignSetup> form_;  // lists the controls made from fields, as they are made

 public:
  static constexpr std::string_view kFormName = "frm_c_setup";

  using SectionEditor::SectionEditor;

  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return "Campaign Setup Information"; }
  const Control* control_at(std::string_view path) const override { return form_.control_at(path); }

  Bound<PickList> cbo_starty{form_, fields::setup_start_year, "cbo_starty", "Commencement Year:"};
  Bound<PickList> cbo_startm{form_, fields::setup_start_month, "cbo_startm", "Commencement Month:"};
  Bound<PickList> cbo_startd{form_, fields::setup_start_day, "cbo_startd", "Commencement Day:"};
  Bound<PickList> cbo_language{form_, fields::setup_brief_language, "cbo_language",
                               "Briefing Language && Art:"};
  Bound<PickList> cbo_attackside{form_, fields::setup_attack_side, "cbo_attackside",
                                 "Attacking Side:"};
  Bound<PickList> cbo_camptype{form_, fields::setup_camp_type, "cbo_camptype", "Campaign Type:"};
  Bound<PickList> cbo_attackbase{form_, fields::setup_attack_base, "cbo_attackbase",
                                 "Attacking Base:"};
  Bound<PickList> cbo_attackcapital{form_, fields::setup_attack_capital, "cbo_attackcapital",
                                    "Attacking Capital:"};
  Bound<PickList> cbo_defendcapital{form_, fields::setup_defend_capital, "cbo_defendcapital",
                                    "Defending Capital:"};

  Bound<NumberBox> txt_numsqns{form_, fields::setup_num_sqns, "txt_numsqns", "UpDown1",
                               "Number of Squadrons:"};
  Bound<NumberBox> txt_numspev{form_, fields::setup_num_spev, "txt_numspev", "UpDown2",
                               "Num. Special Events:"};
  Bound<NumberBox> txt_numspm{form_, fields::setup_num_spm, "txt_numspm", "UpDown3",
                              "Num. Special Missions:"};
  Bound<NumberBox> txt_numphases{form_, fields::setup_num_phases, "txt_numphases", "UpDown4",
                                 "Number of Phases:"};
  Bound<NumberBox> txt_phaselength{form_, fields::setup_phase_length, "txt_phaselength", "UpDown5",
                                   "Phase Length (Days):"};
  Bound<NumberBox> txt_daysbetweenmissions{form_, fields::setup_days_between_missions,
                                           "txt_daysbetweenmissions", "UpDown6",
                                           "Days Between Missions:"};
  Bound<NumberBox> txt_numplanetypes{form_, fields::setup_num_plane_types, "txt_numplanetypes",
                                     "UpDown7", "Number of Plane Types:"};

  // Fills the place lists and shows the setup section; the caller then shows the window.
  void open() override;

  // The phase length the box shows, stored or not, leaving aside text still being typed: the
  // phases editor bounds its dates by it.
  int shown_phase_length() const;

 private:
  bool store() override {
    return store_form(form_, [](Campaign& c) -> CampaignSetup& { return c.setup; });
  }
};

}  // namespace zav
