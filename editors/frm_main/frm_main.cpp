#include "editors/frm_main/frm_main.h"

#include <memory>

#include "editors/frm_campaign/frm_campaign.h"
#include "editors/frm_mission/frm_mission.h"
#include "editors/message_boxes.h"

namespace zav {

FrmMain::FrmMain(Globals& globals, Platform& platform, WindowRegistry& registry)
    : globals_(globals), platform_(platform), registry_(registry) {}

void FrmMain::start_up() {
  reset_weapon_names(globals_.names);
}

void FrmMain::cmd_loadwnames_click() {
  load_name_table(NameTable::weapons, "Load Weapon Names");
}

void FrmMain::cmd_pnames_click() {
  load_name_table(NameTable::planes, "Load Plane Names");
}

void FrmMain::cmd_bnames_click() {
  // The airfield table is built from place names, so it can be loaded once they are there.
  if (load_name_table(NameTable::places, "Load Place Names")) cmd_airfield.enabled = true;
}

void FrmMain::cmd_airfield_click() {
  const FileChoice choice =
      platform_.open_file({"Load Airfield Data", "TARGETS.DAT|targets.dat", ".dat", {}});
  if (choice.cancelled()) return;
  if (auto error = load_airfields(choice.path, globals_.names)) show_error(platform_, *error);
}

void FrmMain::cmd_miss_click() {
  FrmMission mission(globals_, platform_);
  mission.open();
  platform_.show_modal(mission);
}

void FrmMain::cmd_camp_click() {
  registry_.show<FrmCampaign>([this] {
    auto campaign = std::make_unique<FrmCampaign>(globals_, platform_, registry_, *this);
    campaign->open();
    return campaign;
  });
}

void FrmMain::cmd_exit_click() {
  platform_.quit();
}

void FrmMain::frame_close() {
  platform_.quit();
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

}  // namespace zav
