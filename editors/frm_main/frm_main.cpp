#include "editors/frm_main/frm_main.h"

#include <memory>

#include "editors/file_questions.h"
#include "editors/frm_campaign/frm_campaign.h"
#include "editors/frm_mission/frm_mission.h"
#include "editors/frm_squadron/frm_squadron.h"
#include "editors/message_boxes.h"

namespace zav {

FrmMain::FrmMain(Globals& globals, Platform& platform, WindowRegistry& registry)
    : Window(platform), globals_(globals), registry_(registry) {
  cmd_airfield.enabled = false;  // the airfield table is built from place names
}

void FrmMain::start_up() {
  reset_weapon_names(globals_.names);
}

bool FrmMain::frame_close() {
  return exit();
}

bool FrmMain::load_name_table(NameTable which, const std::string& title) {
  const FileChoice choice = platform_.open_file({title, "String Files (*.str)|*.str", ".str", {}});
  if (choice.cancelled()) return false;
  if (auto error = load_names(which, choice.path, globals_.names)) {
    show_error(platform_, *error);
    return false;
  }
  return true;
}

void FrmMain::load_place_names() {
  if (load_name_table(NameTable::places, "Load Place Names")) cmd_airfield.enabled = true;
}

void FrmMain::load_airfield_data() {
  const FileChoice choice =
      platform_.open_file({"Load Airfield Data", "TARGETS.DAT|targets.dat", ".dat", {}});
  if (choice.cancelled()) return;
  if (auto error = load_airfields(choice.path, globals_.names)) show_error(platform_, *error);
}

void FrmMain::open_mission_editor() {
  FrmMission mission(globals_, platform_);
  mission.open();
  platform_.show_modal(mission);
}

void FrmMain::open_squadron_editor() {
  FrmSquadron squadron(globals_, platform_);
  squadron.open();
  platform_.show_modal(squadron);
}

void FrmMain::open_campaign_editor() {
  registry_.show(FrmCampaign::kFormName, [this] {
    auto campaign = std::make_unique<FrmCampaign>(globals_, platform_, registry_, *this);
    campaign->open();
    return campaign;
  });
}

bool FrmMain::exit() {
  if (globals_.campaign.unsaved()) {
    const bool go_on = settle_before_dropping(platform_, caption(), [this] {
      return save_document(globals_.campaign, platform_, kCampaignFiles);
    });
    if (!go_on) return false;
  }
  platform_.quit();
  return true;
}

}  // namespace zav
