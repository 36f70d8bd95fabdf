#include "editors/frm_c_forces/frm_c_forces.h"

#include "editors/industry_labels.h"
#include "model/campaign_fields.h"

namespace zav {
namespace {

constexpr const char* kBranchWords[] = {"aircraft",    "armaments", "chemical", "oil",
                                        "ballbearing", "railyard",  "shipping", "submarine"};

std::string named(std::string_view kind, const SideForcesForm& form, std::string_view what) {
  return std::string(kind) + "_" + std::string(form.prefix) + "_" + std::string(what);
}

// A strength or a factory count: the text is stored as typed when its word holds it.
NumberBox word_box(std::string name, std::string_view spin, std::string label, int maximum,
                   int step, std::string accessible = "") {
  NumberBox box(std::move(name), std::string(spin), std::move(label), 0, maximum, step,
                NumberPolicy::within_storage, Storage::word());
  box.accessible_name = std::move(accessible);
  return box;
}

}  // namespace

FrmCSideForces::FrmCSideForces(const SideForcesForm& form, Globals& globals, Platform& platform,
                               WindowRegistry& registry)
    : SectionEditor(globals, platform, registry),
      txt_airstrength(word_box(named("txt", form, "airstrength"), form.air_spin,
                               "Air Strength:", fields::side_forces_air.high, 1)),
      txt_groundstrength(word_box(named("txt", form, "groundstrength"), form.ground_spin,
                                  "Ground Strength:", fields::side_forces_ground.high, 1)),
      cbo_quality(named("cbo", form, "quality"), "Crew Quality:"),
      sld_morale(named("sld", form, "morale"), "Crew Morale:", fields::side_forces_morale.low,
                 fields::side_forces_morale.high),
      sld_repairpoints(named("sld", form, "repairpoints"),
                       "Repair Points:", fields::side_forces_repair.low,
                       fields::side_forces_repair.high),
      lbl_industry(named("lbl", form, "industry"), std::string(form.heading)),
      sld_production(indexed<kBranches>([&](int b) {
        Slider slider(named("sld", form, kBranchWords[b]), kIndustryLabels[b],
                      fields::side_forces_production.low, fields::side_forces_production.high,
                      std::string(kIndustryLabels[b]) + " production points");
        slider.large_step = 250;
        slider.small_step = 10;
        return slider;
      })),
      txt_factories(indexed<kBranches>([&](int b) {
        return word_box(named("txt", form, kBranchWords[b]), form.factory_spins[b],
                        "# Factories:", fields::side_forces_factories.high, form.factory_steps[b],
                        std::string(kIndustryLabels[b]) + " # Factories:");
      })),
      form_(form) {
  cbo_quality.entries = {"New", "Seasoned", "Expert"};
}

const SideForces& FrmCSideForces::record() const {
  return campaign().*form_.record;
}

void FrmCSideForces::open() {
  const SideForces& side = record();
  txt_airstrength.display(side.air);
  txt_groundstrength.display(side.ground);
  cbo_quality.display(side.quality);
  sld_morale.display(side.morale);
  sld_repairpoints.display(side.repair);
  for (int b = 0; b < kBranches; ++b) {
    sld_production[b].display(side.production[static_cast<std::size_t>(b)]);
    txt_factories[b].display(side.factories[static_cast<std::size_t>(b)]);
  }
}

bool FrmCSideForces::store() {
  const NumberReading air = txt_airstrength.read();
  const NumberReading ground = txt_groundstrength.read();
  std::vector<NumberReading> readings{air, ground};
  for (const NumberBox& box : txt_factories) readings.push_back(box.read());
  if (tell_refusals(platform_, readings)) return false;
  edit([&](Campaign& c) {
    SideForces& side = c.*form_.record;
    store_value(air.value, side.air);
    store_value(ground.value, side.ground);
    store_value(cbo_quality.value(), side.quality);
    side.morale = static_cast<std::uint8_t>(sld_morale.read());
    side.repair = static_cast<std::uint8_t>(sld_repairpoints.read());
    for (int b = 0; b < kBranches; ++b) {
      side.production[static_cast<std::size_t>(b)] =
          static_cast<std::int16_t>(sld_production[b].read());
      store_value(readings[static_cast<std::size_t>(b) + 2].value,
                  side.factories[static_cast<std::size_t>(b)]);
    }
  });
  return true;
}

}  // namespace zav
