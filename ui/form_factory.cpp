#include "ui/form_factory.h"

#include <stdexcept>
#include <string>
#include <string_view>

#include "editors/frm_c_forces/frm_c_forces.h"
#include "editors/frm_c_phases/frm_c_phases.h"
#include "editors/frm_c_planes/frm_c_planes.h"
#include "editors/frm_c_setup/frm_c_setup.h"
#include "editors/frm_c_specialevents/frm_c_specialevents.h"
#include "editors/frm_c_specialmissions/frm_c_specialmissions.h"
#include "editors/frm_c_v1missions/frm_c_v1missions.h"
#include "editors/frm_campaign/frm_campaign.h"
#include "editors/frm_main/frm_main.h"
#include "editors/frm_mission/frm_mission.h"
#include "editors/frm_squadron/frm_squadron.h"
#include "editors/frm_note/frm_note.h"
#include "ui/window_layouts.h"

namespace zav::ui {
namespace {

template <class Logic>
std::unique_ptr<FormWidget> make(Window& window) {
  auto form = std::make_unique<FormWidget>(window);
  lay_out(static_cast<Logic&>(window), *form);
  return form;
}

struct Form {
  std::string_view form_name;
  std::unique_ptr<FormWidget> (*make)(Window&);
};

// One line per window.
constexpr Form kForms[] = {
    {FrmMain::kFormName, make<FrmMain>},
    {FrmMission::kFormName, make<FrmMission>},
    {FrmSquadron::kFormName, make<FrmSquadron>},
    {FrmCampaign::kFormName, make<FrmCampaign>},
    {FrmCSetup::kFormName, make<FrmCSetup>},
    {FrmCPhases::kFormName, make<FrmCPhases>},
    {FrmCPlanes::kFormName, make<FrmCPlanes>},
    {kGermanForces.form_name, make<FrmCSideForces>},
    {kAlliedForces.form_name, make<FrmCSideForces>},
    {FrmCV1Missions::kFormName, make<FrmCV1Missions>},
    {FrmCSpecialEvents::kFormName, make<FrmCSpecialEvents>},
    {FrmCSpecialMissions::kFormName, make<FrmCSpecialMissions>},
    {FrmNote::kFormName, make<FrmNote>},
};

}  // namespace

std::unique_ptr<FormWidget> make_form_widget(Window& window) {
  for (const Form& form : kForms) {
    if (form.form_name == window.form_name()) return form.make(window);
  }
  throw std::logic_error("no widget for the window " + std::string(window.form_name()));
}

}  // namespace zav::ui
