#include "editors/frm_c_phases/frm_c_phases.h"

#include <algorithm>

#include "editors/frm_c_setup/frm_c_setup.h"
#include "editors/industry_labels.h"
#include "model/campaign_fields.h"
#include "model/target_types.h"

namespace zav {
namespace {

// How a condition sets its parameter slider (the date's maximum is the phase length).
struct ParameterSetting {
  int maximum;
  int tick_spacing;
  int large_step;
  int value;  // -1: the slider keeps its value, within the new range
  bool usable;
};

constexpr ParameterSetting kByteParameter{255, 16, 16, -1, true};
constexpr ParameterSetting kSettings[] = {
    {255, 16, 16, 128, false},  // "No Specific"
    {0, 2, 1, -1, true},        // "Date"
    {255, 16, 16, 200, false},  // "Target"
    {255, 16, 16, 200, false},  // "Air Superiority"
    {255, 16, 16, 128, true},   // "Player Rating"
};

// The US production fields, in the order of their sliders.
constexpr std::array kUsFields = {fields::phase_us_aircraft,    fields::phase_us_arms,
                                  fields::phase_us_chemical,    fields::phase_us_oil,
                                  fields::phase_us_ballbearing, fields::phase_us_railyard,
                                  fields::phase_us_shipping,    fields::phase_us_sub};

}  // namespace

std::array<Bound<Slider>, FrmCPhases::kUsIndustries> FrmCPhases::us_sliders() {
  static constexpr const char* kNames[] = {"sld_usaircraft", "sld_usarms",        "sld_uschemical",
                                           "sld_usoil",      "sld_usballbearing", "sld_usrailyard",
                                           "sld_usshipping", "sld_ussub"};
  return indexed<kUsIndustries>([&](int i) {
    return Bound<Slider>(form_, kUsFields[i], kNames[i], kIndustryLabels[i],
                         std::string("US ") + kIndustryLabels[i]);
  });
}

// Nothing here needs a dialog or a message: every control holds only what its field can.
FrmCPhases::FrmCPhases(Globals& globals, Platform& platform, WindowRegistry& registry)
    : SectionEditor(globals, platform, registry) {
  for (Slider& slider : us_production) slider.large_step = 100;
  cbo_wc.on_choose = [this] { configure(cbo_wc, sld_wp, true); };
  cbo_lc.on_choose = [this] { configure(cbo_lc, sld_lp, true); };
}

void FrmCPhases::open() {
  stepper_.open(campaign().setup.num_phases, Campaign::kPhases);
}

int FrmCPhases::phase_length() const {
  if (const auto* setup = registry_.find<FrmCSetup>()) return setup->shown_phase_length();
  return campaign().setup.phase_length;
}

void FrmCPhases::configure(const PickList& list, Slider& parameter, bool chosen) {
  ParameterSetting setting = list.has_selection() ? kSettings[list.position] : kByteParameter;
  if (list.position == ConditionParameter::kDate)
    setting.maximum = std::clamp(phase_length(), 0, 255);
  parameter.maximum = setting.maximum;
  parameter.tick_spacing = setting.tick_spacing;
  parameter.large_step = setting.large_step;
  parameter.enabled = setting.usable;
  if (!chosen) return;
  // The condition's starting value, or for a date the day the slider stood at, within the
  // phase.
  parameter.value =
      setting.value >= 0 ? setting.value : std::clamp(parameter.read(), 0, setting.maximum);
  parameter.kept.reset();
}

void FrmCPhases::show_phase(int index) {
  // An old spelling of a target code is taken as the code its entry writes, as a store of the
  // phase would write it. Showing is not the user's change: no step to undo, nothing to save.
  globals_.campaign.adjust([index](Campaign& c) {
    for (std::uint8_t& code : c.phases[static_cast<std::size_t>(index)].target_priority) {
      code = static_cast<std::uint8_t>(written_target_code(code));
    }
  });
  const Phase& phase = campaign().phases[static_cast<std::size_t>(index)];
  form_.display(phase);
  // Each parameter slider takes its condition's range before it shows its value.
  configure(cbo_wc, sld_wp, false);
  sld_wp.display(phase.win_param);
  configure(cbo_lc, sld_lp, false);
  sld_lp.display(phase.lose_param);
}

}  // namespace zav
