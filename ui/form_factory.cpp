#include "ui/form_factory.h"

#include <stdexcept>
#include <string>
#include <string_view>

#include "editors/frm_c_setup/frm_c_setup.h"
#include "editors/frm_c_v1missions/frm_c_v1missions.h"
#include "editors/frm_campaign/frm_campaign.h"
#include "editors/frm_main/frm_main.h"
#include "editors/frm_mission/frm_mission.h"
#include "ui/frm_c_setup_window.h"
#include "ui/frm_c_v1missions_window.h"
#include "ui/frm_campaign_window.h"
#include "ui/frm_main_window.h"
#include "ui/frm_mission_window.h"

namespace zav::ui {
namespace {

template <class Logic, class Widget>
std::unique_ptr<FormWidget> make(Window& window) {
  return std::make_unique<Widget>(static_cast<Logic&>(window));
}

struct Form {
  std::string_view form_name;
  std::unique_ptr<FormWidget> (*make)(Window&);
};

// One line per window.
constexpr Form kForms[] = {
    {FrmMain::kFormName, make<FrmMain, FrmMainWindow>},
    {FrmMission::kFormName, make<FrmMission, FrmMissionWindow>},
    {FrmCampaign::kFormName, make<FrmCampaign, FrmCampaignWindow>},
    {FrmCSetup::kFormName, make<FrmCSetup, FrmCSetupWindow>},
    {FrmCV1Missions::kFormName, make<FrmCV1Missions, FrmCV1MissionsWindow>},
};

}  // namespace

std::unique_ptr<FormWidget> make_form_widget(Window& window) {
  for (const Form& form : kForms) {
    if (form.form_name == window.form_name()) return form.make(window);
  }
  throw std::logic_error("no widget for the window " + std::string(window.form_name()));
}

}  // namespace zav::ui
