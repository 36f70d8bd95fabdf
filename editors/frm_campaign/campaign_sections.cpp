#include "editors/frm_campaign/campaign_sections.h"

#include <array>

#include "editors/frm_c_forces/frm_c_forces.h"
#include "editors/frm_c_phases/frm_c_phases.h"
#include "editors/frm_c_planes/frm_c_planes.h"
#include "editors/frm_c_setup/frm_c_setup.h"
#include "editors/frm_c_specialevents/frm_c_specialevents.h"
#include "editors/frm_c_specialmissions/frm_c_specialmissions.h"
#include "editors/frm_c_v1missions/frm_c_v1missions.h"

namespace zav {
namespace {

template <class Editor>
std::unique_ptr<SectionEditor> make(Globals& globals, Platform& platform,
                                    WindowRegistry& registry) {
  return std::make_unique<Editor>(globals, platform, registry);
}

template <const SideForcesForm& Side>
std::unique_ptr<SectionEditor> make_forces(Globals& globals, Platform& platform,
                                           WindowRegistry& registry) {
  return std::make_unique<FrmCSideForces>(Side, globals, platform, registry);
}

constexpr std::array kSections{
    CampaignSection{"setup", "", FrmCSetup::kFormName, make<FrmCSetup>},
    CampaignSection{"phases", "phase", FrmCPhases::kFormName, make<FrmCPhases>},
    CampaignSection{"plane_types", "plane", FrmCPlanes::kFormName, make<FrmCPlanes>},
    CampaignSection{"german_forces", "", kGermanForces.form_name, make_forces<kGermanForces>},
    CampaignSection{"allied_forces", "", kAlliedForces.form_name, make_forces<kAlliedForces>},
    CampaignSection{"special_events", "event", FrmCSpecialEvents::kFormName,
                    make<FrmCSpecialEvents>},
    CampaignSection{"special_missions", "mission", FrmCSpecialMissions::kFormName,
                    make<FrmCSpecialMissions>},
    CampaignSection{"v1_speech", "", FrmCV1Missions::kFormName, make<FrmCV1Missions>},
};

}  // namespace

const CampaignSection* section_of(std::string_view member) {
  for (const CampaignSection& section : kSections) {
    if (section.member == member) return &section;
  }
  return nullptr;
}

}  // namespace zav
