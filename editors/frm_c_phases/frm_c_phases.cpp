#include "editors/frm_c_phases/frm_c_phases.h"

#include <algorithm>

#include "editors/frm_c_setup/frm_c_setup.h"
#include "editors/industry_labels.h"
#include "editors/target_type_list.h"
#include "model/campaign_fields.h"
#include "model/target_types.h"

namespace zav {
namespace {

enum Condition { kNoSpecific, kDate, kTarget, kAirSuperiority, kPlayerRating };

// How a condition sets its parameter slider (the date's maximum is the phase length).
struct ParameterSetting {
  int maximum;
  int tick_spacing;
  int large_step;
  int small_step;
  int value;  // -1: the slider keeps its value, within the new range
  bool usable;
};

constexpr ParameterSetting kByteParameter{255, 16, 16, 8, -1, true};
constexpr ParameterSetting kSettings[] = {
    {255, 16, 16, 8, 128, false},  // "No Specific"
    {0, 2, 1, 1, -1, true},        // "Date"
    {255, 16, 16, 8, 200, false},  // "Target"
    {255, 16, 16, 8, 200, false},  // "Air Superiority"
    {255, 16, 16, 8, 128, true},   // "Player Rating"
};

// The US production fields, in the order of their sliders.
constexpr std::int16_t Phase::*kUsFields[] = {
    &Phase::us_aircraft,    &Phase::us_arms,     &Phase::us_chemical, &Phase::us_oil,
    &Phase::us_ballbearing, &Phase::us_railyard, &Phase::us_shipping, &Phase::us_sub};

}  // namespace

std::array<Slider, FrmCPhases::kUsIndustries> FrmCPhases::us_sliders() {
  static constexpr const char* kNames[] = {"sld_usaircraft", "sld_usarms",        "sld_uschemical",
                                           "sld_usoil",      "sld_usballbearing", "sld_usrailyard",
                                           "sld_usshipping", "sld_ussub"};
  return indexed<kUsIndustries>([](int i) {
    Slider slider(kNames[i], kIndustryLabels[i], fields::phase_us_aircraft.low,
                  fields::phase_us_aircraft.high, std::string("US ") + kIndustryLabels[i]);
    slider.large_step = 100;
    slider.small_step = 10;
    return slider;
  });
}

// Nothing here needs a dialog or a message: every control holds only what its field can.
FrmCPhases::FrmCPhases(Globals& globals, Platform& platform, WindowRegistry& registry)
    : SectionEditor(globals, platform, registry) {
  for (PickList* list : {&cbo_wc, &cbo_lc}) {
    list->entries = {"No Specific", "Date", "Target", "Air Superiority", "Player Rating"};
  }
  cbo_wc.on_choose = [this] { configure(cbo_wc, sld_wp, true); };
  cbo_lc.on_choose = [this] { configure(cbo_lc, sld_lp, true); };
  for (PickList& list : cbo_target_priority) fill_target_types(list);
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
  if (list.position == kDate) setting.maximum = std::clamp(phase_length(), 0, 255);
  parameter.maximum = setting.maximum;
  parameter.tick_spacing = setting.tick_spacing;
  parameter.large_step = setting.large_step;
  parameter.small_step = setting.small_step;
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
  cbo_wc.display(phase.win_condition);
  configure(cbo_wc, sld_wp, false);
  sld_wp.display(phase.win_param);
  cbo_lc.display(phase.lose_condition);
  configure(cbo_lc, sld_lp, false);
  sld_lp.display(phase.lose_param);
  for (int i = 0; i < kUsIndustries; ++i) us_production[i].display(phase.*kUsFields[i]);
  sld_germanproduction.display(phase.german_production);
  sld_britishproduction.display(phase.british_production);
  for (int place = 0; place < kPriorities; ++place) {
    cbo_target_priority[place].display(phase.target_priority[static_cast<std::size_t>(place)]);
  }
}

bool FrmCPhases::store_phase(int index) {
  edit([&](Campaign& c) {
    Phase& phase = c.phases[static_cast<std::size_t>(index)];
    store_value(cbo_wc.value(), phase.win_condition);
    phase.win_param = static_cast<std::uint8_t>(sld_wp.read());
    store_value(cbo_lc.value(), phase.lose_condition);
    phase.lose_param = static_cast<std::uint8_t>(sld_lp.read());
    for (int i = 0; i < kUsIndustries; ++i) {
      phase.*kUsFields[i] = static_cast<std::int16_t>(us_production[i].read());
    }
    phase.german_production = static_cast<std::int16_t>(sld_germanproduction.read());
    phase.british_production = static_cast<std::int16_t>(sld_britishproduction.read());
    for (int place = 0; place < kPriorities; ++place) {
      store_value(cbo_target_priority[place].value(),
                  phase.target_priority[static_cast<std::size_t>(place)]);
    }
  });
  return true;
}

}  // namespace zav
