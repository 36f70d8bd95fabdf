#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "editors/controls.h"
#include "editors/platform.h"
#include "editors/window.h"
#include "formats/mission.h"
#include "model/globals.h"

namespace zav {

// The mission editor: shows the mission held in Globals as three groups of eight rows (a
// plane type and its chance), and loads and saves mission files. Every choice is stored in
// the mission at once; a row beyond its group's count is hidden but keeps its values.
class FrmMission : public Window {
 public:
  static constexpr std::string_view kFormName = "frm_mission";
  static constexpr int kRows = MissionGroup::kRows;
  using PlaneLists = std::array<PickList, kRows>;
  using ChanceSliders = std::array<Slider, kRows>;

  FrmMission(Globals& globals, Platform& platform);

  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return "Missions"; }

  Label lbl_m_file{{}, "NO OPEN FILE"};   // name of the file last loaded or saved
  PickList cbo_fnum, cbo_anum, cbo_bnum;  // each group's count: "0" to "8"
  PlaneLists cbo_fighter, cbo_attack, cbo_bomber;
  ChanceSliders sld_fc, sld_ac, sld_bc;
  Button cmd_mload{{}, "Load File"};
  Button cmd_msave{{}, "Save File"};
  Button cmd_close{{}, "Close"};

  // Fills the plane lists and starts with no rows in use; the caller then shows the window.
  void open();

  void cbo_fnum_choose(int position);
  void cbo_anum_choose(int position);
  void cbo_bnum_choose(int position);
  void cbo_fighter_choose(int row, int position);
  void cbo_attack_choose(int row, int position);
  void cbo_bomber_choose(int row, int position);
  void sld_fc_change(int row, int value);
  void sld_ac_change(int row, int value);
  void sld_bc_change(int row, int value);
  void cmd_mload_click();
  void cmd_msave_click();
  void cmd_close_click();
  // The user closed the window's frame: it closes without asking.
  void frame_close();

 private:
  // One group's controls and the part of the mission they show.
  struct Group {
    PickList& count;
    PlaneLists& planes;
    ChanceSliders& chances;
    MissionGroup& record;
  };
  Group fighters() { return {cbo_fnum, cbo_fighter, sld_fc, globals_.mission.fighters}; }
  Group attack() { return {cbo_anum, cbo_attack, sld_ac, globals_.mission.attack}; }
  Group bombers() { return {cbo_bnum, cbo_bomber, sld_bc, globals_.mission.bombers}; }

  void choose_count(Group group, int position);
  void choose_plane(Group group, int row, int position);
  void change_chance(Group group, int row, int value);
  // Sets every control of the group from the mission, hidden rows included.
  void show_group(Group group);

  // Save with its dialog; false when nothing was written (cancelled, or failed and told).
  bool save();
  // Asks whether to save before closing; false when the user cancelled or the save did not
  // happen, so the window stays open rather than drop the counts it shows.
  bool settle_unsaved_before_close();
  void close();

  FileDialog mission_dialog(std::string title) const;

  Globals& globals_;
  Platform& platform_;
  std::filesystem::path chosen_file_;  // proposed by the save dialog
};

}  // namespace zav
