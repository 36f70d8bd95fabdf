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

}  // namespace

FrmCSideForces::FrmCSideForces(const SideForcesForm& side, Globals& globals, Platform& platform,
                               WindowRegistry& registry)
    : SectionEditor(globals, platform, registry),
      txt_airstrength(form_, fields::side_forces_air, named("txt", side, "airstrength"),
                      std::string(side.air_spin), "Air Strength:"),
      txt_groundstrength(form_, fields::side_forces_ground, named("txt", side, "groundstrength"),
                         std::string(side.ground_spin), "Ground Strength:"),
      cbo_quality(form_, fields::side_forces_quality, named("cbo", side, "quality"),
                  "Crew Quality:"),
      sld_morale(form_, fields::side_forces_morale, named("sld", side, "morale"), "Crew Morale:"),
      sld_repairpoints(form_, fields::side_forces_repair, named("sld", side, "repairpoints"),
                       "Repair Points:"),
      lbl_industry(named("lbl", side, "industry"), std::string(side.heading)),
      sld_production(indexed<kBranches>([&](int b) {
        return Bound<Slider>(form_, fields::side_forces_production, At{std::size_t(b)},
                             named("sld", side, kBranchWords[b]), kIndustryLabels[b],
                             std::string(kIndustryLabels[b]) + " production points");
      })),
      txt_factories(indexed<kBranches>([&](int b) {
        return Bound<NumberBox>(form_, fields::side_forces_factories, At{std::size_t(b)},
                                named("txt", side, kBranchWords[b]),
                                std::string(side.factory_spins[b]), "# Factories:");
      })),
      side_(side) {
  for (int b = 0; b < kBranches; ++b) {
    sld_production[b].large_step = 250;
    txt_factories[b].step = side.factory_steps[b];
    txt_factories[b].accessible_name = std::string(kIndustryLabels[b]) + " # Factories:";
  }
}

}  // namespace zav
