#pragma once

#include <array>
#include <string>
#include <string_view>

#include "editors/entry_stepper.h"
#include "editors/industry_labels.h"
#include "editors/record_form.h"
#include "editors/section_editor.h"
#include "formats/campaign.h"
#include "model/campaign_fields.h"
#include "model/target_types.h"

namespace zav {

// The phases editor: for each phase, the conditions that win or lose it with their
// parameters, the production points, and the eight target priorities. The user steps through
// phases 1 to num_phases; the phase on screen is stored when the user steps to another one
// and on "&Update".
class FrmCPhases : public SectionEditor {
  RecordForm<Phase> form_;  // lists the controls made from fields, as they are made

 public:
  static constexpr std::string_view kFormName = "frm_c_phases";
  static constexpr int kUsIndustries = kIndustryLabels.size();
  static constexpr int kPriorities = std::tuple_size_v<decltype(Phase::target_priority)>;

  FrmCPhases(Globals& globals, Platform& platform, WindowRegistry& registry);

  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return "Campaign Phases"; }
  const Control* control_at(std::string_view path) const override { return form_.control_at(path); }
  EntryStepper* stepper() override { return &stepper_; }

  NumberBox txt_currphase{"txt_currphase", "UpDown14", "Current Phase #:", 1, 1};
  Label lbl_conditions{"lbl_conditions", "Campaign Phase Exit Conditions"};
  Bound<PickList> cbo_wc{form_, fields::phase_win_condition, "cbo_wc", "Win Condition:"};
  Bound<Slider> sld_wp{form_, fields::phase_win_param, "sld_wp", "Win Parameter:"};
  Bound<PickList> cbo_lc{form_, fields::phase_lose_condition, "cbo_lc", "Loss Condition:"};
  Bound<Slider> sld_lp{form_, fields::phase_lose_param, "sld_lp", "Loss Parameter:"};
  Label lbl_usindustry{"lbl_usindustry", "US Industry Production Points"};
  std::array<Bound<Slider>, kUsIndustries> us_production = us_sliders();
  Bound<Slider> sld_germanproduction{form_, fields::phase_german_production, "sld_germanproduction",
                                     "German:"};
  Bound<Slider> sld_britishproduction{form_, fields::phase_british_production,
                                      "sld_britishproduction", "British:"};
  Label lbl_targetpriority{"lbl_targetpriority", "Target Priority List"};
  std::array<Bound<PickList>, kPriorities> cbo_target_priority =
      indexed<kPriorities>([&](int place) {
        return Bound<PickList>(form_, fields::phase_target_priority, At{std::size_t(place)},
                               entry_name("cbo_target_priority", place), "",
                               "Target Priority List: place " + std::to_string(place + 1));
      });
  Label lbl_targetnote{"lbl_targetnote", kTargetMarkerNote};

  // Shows phase 1; the caller then shows the window.
  void open() override;

  // The index of the phase on screen, 0 to 24.
  int current_phase() const { return stepper_.current(); }

 private:
  std::array<Bound<Slider>, kUsIndustries> us_sliders();
  // Sets the parameter slider as the condition chosen in `list` asks; `chosen` says whether
  // the user chose it (the slider then takes the condition's starting value).
  void configure(const PickList& list, Slider& parameter, bool chosen);
  // The longest date: the phase length the open setup editor shows, else the campaign's.
  int phase_length() const;
  void show_phase(int index);
  // Always true: every control holds only what its field can.
  bool store_phase(int index) {
    return store_form(form_, [index](Campaign& c) -> Phase& { return c.phases[index]; });
  }
  bool store() override { return stepper_.store(); }
  void show_again() override { stepper_.show_again(); }

  // Steps by txt_currphase; a step to the phase on screen stores it again.
  EntryStepper stepper_{txt_currphase, [this](int index) { return store_phase(index); },
                        [this](int index) { show_phase(index); },
                        EntryStepper::SameEntry::store_and_show};
};

}  // namespace zav
