#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editors/section_editor.h"
#include "formats/campaign.h"
#include "model/campaign_fields.h"

namespace zav {

// The setup editor: the start date, sides, type, base and capitals of the campaign and the
// seven counts that size its other sections.
class FrmCSetup : public SectionEditor {
 public:
  static constexpr std::string_view kFormName = "frm_c_setup";

  FrmCSetup(Globals& globals, Platform& platform, WindowRegistry& registry);

  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return "Campaign Setup Information"; }

  PickList cbo_starty{"cbo_starty", "Commencement Year:"};
  PickList cbo_startm{"cbo_startm", "Commencement Month:"};
  PickList cbo_startd{"cbo_startd", "Commencement Day:"};
  PickList cbo_language{"cbo_language", "Briefing Language && Art:"};
  PickList cbo_attackside{"cbo_attackside", "Attacking Side:"};
  PickList cbo_camptype{"cbo_camptype", "Campaign Type:"};
  PickList cbo_attackbase{"cbo_attackbase", "Attacking Base:"};  // a position is a place index
  PickList cbo_attackcapital{"cbo_attackcapital", "Attacking Capital:"};
  PickList cbo_defendcapital{"cbo_defendcapital", "Defending Capital:"};

  NumberBox txt_numsqns{"txt_numsqns", "UpDown1",
                        "Number of Squadrons:", fields::setup_num_sqns.low,
                        fields::setup_num_sqns.high};
  NumberBox txt_numspev{"txt_numspev", "UpDown2",
                        "Num. Special Events:", fields::setup_num_spev.low,
                        fields::setup_num_spev.high};
  NumberBox txt_numspm{"txt_numspm", "UpDown3", "Num. Special Missions:", fields::setup_num_spm.low,
                       fields::setup_num_spm.high};
  NumberBox txt_numphases{"txt_numphases", "UpDown4",
                          "Number of Phases:", fields::setup_num_phases.low,
                          fields::setup_num_phases.high};
  NumberBox txt_phaselength{"txt_phaselength", "UpDown5",
                            "Phase Length (Days):", fields::setup_phase_length.low,
                            fields::setup_phase_length.high};
  NumberBox txt_daysbetweenmissions{"txt_daysbetweenmissions", "UpDown6", "Days Between Missions:",
                                    fields::setup_days_between_missions.low,
                                    fields::setup_days_between_missions.high};
  NumberBox txt_numplanetypes{"txt_numplanetypes", "UpDown7",
                              "Number of Plane Types:", fields::setup_num_plane_types.low,
                              fields::setup_num_plane_types.high};

  // Fills the place lists and shows the setup section; the caller then shows the window.
  void open() override;

  // The phase length the box shows, stored or not, leaving aside text still being typed: the
  // phases editor bounds its dates by it.
  int shown_phase_length() const;

 private:
  bool store() override;
};

}  // namespace zav
