#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "editors/controls.h"
#include "editors/document_files.h"
#include "editors/file_questions.h"
#include "editors/platform.h"
#include "editors/window.h"
#include "formats/mission.h"
#include "formats/mission_file.h"
#include "model/globals.h"

namespace zav {

inline constexpr FileKind<Mission> kMissionFiles{"Mission Files (*.dat)|misn*.dat", load_mission,
                                                 save_mission};

// The mission editor: shows the mission document as three groups of eight rows (a plane type
// and its chance), and loads and saves mission files. Every choice is stored in the mission at
// once, a step of its history; a row beyond its group's count is hidden but keeps its values.
class FrmMission : public Window {
 public:
  static constexpr std::string_view kFormName = "frm_mission";
  static constexpr int kRows = MissionGroup::kRows;
  using PlaneLists = std::array<PickList, kRows>;
  using ChanceSliders = std::array<Slider, kRows>;

  FrmMission(Globals& globals, Platform& platform);

  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return "Missions"; }
  // The user closed the window's frame: it asks first about unsaved changes.
  bool frame_close() override;
  bool holds_file() const override { return true; }
  bool unsaved_changes() const override { return globals_.mission.unsaved(); }
  Undoable* history() override { return &globals_.mission; }

  Label lbl_m_file{"lbl_m_file", kNoOpenFile};  // name of the file last loaded or saved
  // Each group: its heading, its count ("0" to "8") and its rows.
  Label lbl_fighters{"lbl_fighters", "Fighters:"};
  PickList cbo_fnum = count_list(lbl_fighters, "cbo_fnum");
  PlaneLists cbo_fighter = plane_lists(lbl_fighters, "cbo_fighter");
  ChanceSliders sld_fc = chance_sliders(lbl_fighters, "sld_fc");
  Label lbl_attack{"lbl_attack", "Attack Aircraft (unescorted):"};
  PickList cbo_anum = count_list(lbl_attack, "cbo_anum");
  PlaneLists cbo_attack = plane_lists(lbl_attack, "cbo_attack");
  ChanceSliders sld_ac = chance_sliders(lbl_attack, "sld_ac");
  Label lbl_bombers{"lbl_bombers", "Bombers (escorted):"};
  PickList cbo_bnum = count_list(lbl_bombers, "cbo_bnum");
  PlaneLists cbo_bomber = plane_lists(lbl_bombers, "cbo_bomber");
  ChanceSliders sld_bc = chance_sliders(lbl_bombers, "sld_bc");
  Button cmd_mload{"cmd_mload", "Load File", [this] { load(); }};
  Button cmd_msave{"cmd_msave", "Save File", [this] { save(); }};
  Button cmd_close{"cmd_close", "Close", [this] { close(); }};

  // Fills the plane lists and starts with no rows in use, the mission as it stands taken as
  // the one saved; the caller then shows the window.
  void open();

 private:
  static PickList count_list(const Label& heading, const char* name);
  static PlaneLists plane_lists(const Label& heading, const char* name);
  static ChanceSliders chance_sliders(const Label& heading, const char* name);

  // One group's controls and the part of the mission they show.
  struct Group {
    PickList& count;
    PlaneLists& planes;
    ChanceSliders& chances;
    MissionGroup Mission::*record;
  };
  std::array<Group, 3> groups();

  void choose_count(const Group& group);
  // Stores `change` into the group's part of the mission, as one step.
  template <class Change>
  void edit(const Group& group, Change change) {
    globals_.mission.edit([&](Mission& mission) { change(mission.*group.record); });
  }
  // Sets every control from the mission, hidden rows included.
  void show_mission();

  void load();
  SaveOutcome save();
  // Asks whether to save before closing; stays open when the user cancelled or the save did
  // not happen, rather than drop the counts it shows.
  void close();

  Globals& globals_;
  Document<Mission>::Watch watch_ = globals_.mission.watch([this](Replaced) { show_mission(); });
};

}  // namespace zav
