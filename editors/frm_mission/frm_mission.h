#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "editors/controls.h"
#include "editors/document_files.h"
#include "editors/file_questions.h"
#include "editors/platform.h"
#include "editors/problem_list.h"
#include "editors/record_form.h"
#include "editors/window.h"
#include "formats/mission.h"
#include "formats/mission_file.h"
#include "model/globals.h"
#include "model/mission_fields.h"

namespace zav {

inline constexpr FileKind<Mission> kMissionFiles{"Mission Files (*.dat)|misn*.dat", load_mission,
                                                 save_mission};

// The mission editor: shows the mission document as three groups of eight rows (a plane type
// and its chance), and loads and saves mission files. Every choice is stored in the mission at
// once, a step of its history; a row beyond its group's count is hidden but keeps its values.
class FrmMission : public Window {
  // Each group's controls made from fields, listed as they are made.
  RecordForm<MissionGroup> fighters_;
  RecordForm<MissionGroup> attack_;
  RecordForm<MissionGroup> bombers_;

 public:
  static constexpr std::string_view kFormName = "frm_mission";
  static constexpr int kRows = MissionGroup::kRows;
  using PlaneLists = std::array<Bound<PickList>, kRows>;
  using ChanceSliders = std::array<Bound<Slider>, kRows>;

  FrmMission(Globals& globals, Platform& platform);

  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return "Missions"; }
  // The user closed the window's frame: it asks first about unsaved changes.
  bool frame_close() override;
  bool holds_file() const override { return true; }
  std::optional<DataKind> loads_kind() const override { return DataKind::mission; }
  void load_file(const std::filesystem::path& file) override { load(file); }
  bool unsaved_changes() const override { return globals_.mission.unsaved(); }
  Undoable* history() override { return &globals_.mission; }

  Label lbl_m_file{"lbl_m_file", kNoOpenFile};  // name of the file last loaded or saved
  // Each group: its heading, its count ("0" to "8") and its rows.
  Label lbl_fighters{"lbl_fighters", "Fighters:"};
  Bound<PickList> cbo_fnum = count_list(fighters_, lbl_fighters, "cbo_fnum");
  PlaneLists cbo_fighter = plane_lists(fighters_, lbl_fighters, "cbo_fighter");
  ChanceSliders sld_fc = chance_sliders(fighters_, lbl_fighters, "sld_fc");
  Label lbl_attack{"lbl_attack", "Attack Aircraft (unescorted):"};
  Bound<PickList> cbo_anum = count_list(attack_, lbl_attack, "cbo_anum");
  PlaneLists cbo_attack = plane_lists(attack_, lbl_attack, "cbo_attack");
  ChanceSliders sld_ac = chance_sliders(attack_, lbl_attack, "sld_ac");
  Label lbl_bombers{"lbl_bombers", "Bombers (escorted):"};
  Bound<PickList> cbo_bnum = count_list(bombers_, lbl_bombers, "cbo_bnum");
  PlaneLists cbo_bomber = plane_lists(bombers_, lbl_bombers, "cbo_bomber");
  ChanceSliders sld_bc = chance_sliders(bombers_, lbl_bombers, "sld_bc");
  Button cmd_mload{"cmd_mload", "Load File", [this] { load(); }};
  Button cmd_msave{"cmd_msave", "Save File", [this] { save(); }};
  Button cmd_close{"cmd_close", "Close", [this] { close(); }};
  // The problems of the mission; opening one focuses the control that mends it.
  ProblemList problems{[this](const std::string& path) {
    if (const Control* control = control_at(path)) platform_.focus(*this, *control);
  }};

  void catch_up() override;
  // The control of the field at `path` of the mission ("fighters.plane_type[1]"); null for none.
  const Control* control_at(const std::string& path) const;

  // Fills the plane lists and starts with no rows in use, the mission as it stands taken as
  // the one saved; the caller then shows the window.
  void open();

 private:
  static Bound<PickList> count_list(RecordForm<MissionGroup>& form, const Label& heading,
                                    const char* name);
  static PlaneLists plane_lists(RecordForm<MissionGroup>& form, const Label& heading,
                                const char* name);
  static ChanceSliders chance_sliders(RecordForm<MissionGroup>& form, const Label& heading,
                                      const char* name);

  // One group's controls and the part of the mission they show.
  struct Group {
    RecordForm<MissionGroup>& form;
    PickList& count;
    PlaneLists& planes;
    ChanceSliders& chances;
    MissionGroup Mission::*record;
  };
  std::array<Group, 3> groups();

  // Shows the rows the group's count says are in use, and hides the others.
  void show_rows_in_use(const Group& group);
  // Sets every control from the mission, hidden rows included.
  void show_mission();

  void load(const std::optional<std::filesystem::path>& given = {});
  SaveOutcome save();
  // Asks whether to save before closing; stays open when the user cancelled or the save did
  // not happen, rather than drop the counts it shows.
  void close();

  Globals& globals_;
  Document<Mission>::Watch watch_ = globals_.mission.watch([this](Replaced) { show_mission(); });
};

}  // namespace zav
