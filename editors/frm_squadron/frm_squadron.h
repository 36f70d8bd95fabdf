#pragma once

#include <array>
#include <cstdint>
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
#include "formats/squadron.h"
#include "formats/squadron_file.h"
#include "model/globals.h"
#include "model/squadron_fields.h"

namespace zav {

inline constexpr FileKind<SquadronTable> kSquadronFiles{
    "Squadron Files (*.dat)|sq*.dat",
    [](const std::filesystem::path& path) { return load_squadrons(path); },
    [](const std::filesystem::path& path, const SquadronTable& table) {
      return save_squadrons(path, table);
    }};

// The squadron editor: shows one squadron of the squadron document at a time, steps through
// them, adds and deletes squadrons, and loads and saves squadron files. Every opening starts
// from sqbasic.dat in the program's folder. Every edit is stored in the shown squadron at
// once, a step of the document's history, so the table is always what Save writes. A stored value
// that a control cannot show is noted beside it and kept until the user changes that control.
class FrmSquadron : public Window {
  RecordForm<Squadron> form_;  // lists the controls made from fields, as they are made

 public:
  static constexpr std::string_view kFormName = "frm_squadron";
  static constexpr int kWeaponRows = std::tuple_size_v<decltype(Squadron::weapons)>;
  static constexpr int kMoveRows = std::tuple_size_v<decltype(Squadron::moves)>;
  static constexpr int kSpecialMissions = std::tuple_size_v<decltype(Squadron::special_missions)>;

  FrmSquadron(Globals& globals, Platform& platform);

  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return " "; }
  // The user closed the window's frame: as "Close", it asks first about unsaved edits.
  bool frame_close() override { return settle_unsaved(); }
  bool holds_file() const override { return true; }
  std::optional<DataKind> loads_kind() const override { return DataKind::squadrons; }
  void load_file(const std::filesystem::path& file) override { load(file); }
  bool unsaved_changes() const override { return globals_.squadrons.unsaved(); }
  Undoable* history() override { return &globals_.squadrons; }

  Label lbl_s_file{"lbl_s_file", "NO FILE OPEN"};  // the file last loaded or saved
  NumberBox txt_currsqn{"txt_currsqn", "upd_currsqn", "Current Squadron:", 1, 1};
  Label lbl_numsqns{"lbl_numsqns", "0", "# of Squadrons:"};  // the count
  Button cmd_newsqn{"cmd_newsqn", "Add New", [this] { add_new(); }};
  Button cmd_delsqn{"cmd_delsqn", "Delete", [this] { delete_current(); }};

  Label lbl_commences{"lbl_commences", "Squadron Commences:"};
  Bound<PickList> cbo_sqnday{form_, fields::squadron_start_day, "cbo_sqnday", "Day:"};
  Bound<PickList> cbo_sqnmonth{form_, fields::squadron_start_month, "cbo_sqnmonth", "Month:"};
  Bound<PickList> cbo_sqnyear{form_, fields::squadron_start_year, "cbo_sqnyear", "Year:"};
  Bound<NumberBox> txt_phasestart{form_, fields::squadron_commencing_phase, "txt_phasestart",
                                  "upd_phasestart", "Phase:"};
  Bound<PickList> cbo_base{form_, fields::squadron_home_base, "cbo_base", "Base:"};
  Bound<PickList> cbo_plane{form_, fields::squadron_aircraft_type, "cbo_plane", "Aircraft:"};
  Bound<NumberBox> txt_numplanes{form_, fields::squadron_num_aircraft, "txt_numplanes",
                                 "upd_numplanes", "# Aircraft:"};
  Bound<NumberBox> txt_numpilots{form_, fields::squadron_num_pilots, "txt_numpilots",
                                 "upd_numpilots", "# Pilots:"};
  Bound<Slider> sld_morale{form_, fields::squadron_morale, "sld_morale", "Morale:"};
  Bound<Slider> sld_skill{form_, fields::squadron_skill, "sld_skill", "Skill:"};
  Bound<NumberBox> txt_sqningrp{form_, fields::squadron_squadrons_in_group, "txt_sqningrp",
                                "upd_sqningrp", "# Squadrons in Group:"};
  // Byte fields typed as numbers: the fraction of "12.7" is dropped.
  std::array<Bound<TextBox>, 4> txt_sing = indexed<4>([&](int j) {
    return Bound<TextBox>(form_, fields::squadron_staffel, At{std::size_t(j)},
                          entry_name("txt_sing", j),
                          "Staffel Designations:", NumberPolicy::whole_part);
  });
  Bound<TextBox> txt_unitsprt{form_, fields::squadron_sprite, "txt_unitsprt",
                              "Squadron Sprite #:", NumberPolicy::whole_part};
  Bound<TextBox> txt_unitname{form_, fields::squadron_unit_name, "txt_unitname",
                              "Squadron Unit Name:", NumberPolicy::whole_part};
  Bound<TextBox> txt_unitdesc{form_, fields::squadron_unit_description, "txt_unitdesc",
                              "Unit Description:", NumberPolicy::whole_part};

  // The mission-role weights, each with its percentage of 255, and their sum as one.
  Label lbl_properties{"lbl_properties", "Squadron Properties:"};
  Bound<Slider> sld_escort{form_, fields::squadron_escort_weight, "sld_escort", "Escort:"};
  Label lbl_escort{"lbl_escort", "0%"};
  Bound<Slider> sld_sweep{form_, fields::squadron_sweep_weight, "sld_sweep", "Sweep:"};
  Label lbl_sweep{"lbl_sweep", "0%"};
  Bound<Slider> sld_bomb{form_, fields::squadron_bomb_weight, "sld_bomb", "Bomb:"};
  Label lbl_bomb{"lbl_bomb", "0%"};
  Bound<Slider> sld_intercept{form_, fields::squadron_intercept_weight, "sld_intercept",
                              "Intercept:"};
  Label lbl_intercept{"lbl_intercept", "0%"};
  Bound<Slider> sld_interdict{form_, fields::squadron_interdiction_weight, "sld_interdict",
                              "Interdiction:"};
  Label lbl_interdict{"lbl_interdict", "0%"};
  Label lbl_total{"lbl_total", "0%", "Total:"};

  Label lbl_special{"lbl_special", "Special Missions:"};
  std::array<Bound<CheckBox>, kSpecialMissions> chk_special = indexed<kSpecialMissions>([&](int m) {
    return Bound<CheckBox>(form_, fields::squadron_special_missions, At{std::size_t(m)},
                           entry_name("chk_special", m), std::to_string(m + 1));
  });

  // Eight weapon loads: the weapon, its phase and its number. The number of a row whose
  // weapon is 0 ("NONE") is kept but not shown, and its box takes no input.
  Label lbl_weapons{"lbl_weapons", "Weapons:"};
  std::array<Bound<PickList>, kWeaponRows> cbo_weapon = indexed<kWeaponRows>([&](int k) {
    return Bound<PickList>(form_, EntryOf{fields::squadron_weapons, std::size_t(k)},
                           fields::weapon_load_weapon, entry_name("cbo_weapon", k),
                           "Weapon:", row_name("Weapons:", k, "weapon"));
  });
  std::array<Bound<NumberBox>, kWeaponRows> txt_weaponphase = indexed<kWeaponRows>([&](int k) {
    return Bound<NumberBox>(form_, EntryOf{fields::squadron_weapons, std::size_t(k)},
                            fields::weapon_load_phase, entry_name("txt_weaponphase", k),
                            entry_name("upd_wp", k), "Phase:");
  });
  std::array<Bound<NumberBox>, kWeaponRows> txt_weaponamount = indexed<kWeaponRows>([&](int k) {
    return Bound<NumberBox>(form_, EntryOf{fields::squadron_weapons, std::size_t(k)},
                            fields::weapon_load_number, entry_name("txt_weaponamount", k),
                            entry_name("upd_wn", k), "Number:");
  });

  // Scheduled airfield moves and aircraft changes: a count, and as many rows shown.
  Bound<PickList> cbo_moves{form_, fields::squadron_num_moves, "cbo_moves", "Airfield Moves:"};
  std::array<Bound<PickList>, kMoveRows> cbo_basemove = indexed<kMoveRows>([&](int j) {
    return Bound<PickList>(form_, EntryOf{fields::squadron_moves, std::size_t(j)},
                           fields::airfield_move_destination, entry_name("cbo_basemove", j),
                           "Base:", row_name("Airfield Moves:", j, "base"));
  });
  std::array<Bound<Slider>, kMoveRows> sld_moveprob = indexed<kMoveRows>([&](int j) {
    return Bound<Slider>(form_, EntryOf{fields::squadron_moves, std::size_t(j)},
                         fields::airfield_move_probability, entry_name("sld_moveprob", j),
                         "Probability:", row_name("Airfield Moves:", j, "probability"));
  });
  std::array<Bound<NumberBox>, kMoveRows> txt_movephase = indexed<kMoveRows>([&](int j) {
    return Bound<NumberBox>(form_, EntryOf{fields::squadron_moves, std::size_t(j)},
                            fields::airfield_move_phase, entry_name("txt_movephase", j),
                            entry_name("upd_move", j), "Phase:");
  });
  Bound<PickList> cbo_changes{form_, fields::squadron_num_changes, "cbo_changes",
                              "Aircraft Changes:"};
  std::array<Bound<PickList>, kMoveRows> cbo_planechange = indexed<kMoveRows>([&](int j) {
    return Bound<PickList>(form_, EntryOf{fields::squadron_changes, std::size_t(j)},
                           fields::aircraft_change_aircraft_type, entry_name("cbo_planechange", j),
                           "Aircraft:", row_name("Aircraft Changes:", j, "aircraft"));
  });
  std::array<Bound<Slider>, kMoveRows> sld_changeprob = indexed<kMoveRows>([&](int j) {
    return Bound<Slider>(form_, EntryOf{fields::squadron_changes, std::size_t(j)},
                         fields::aircraft_change_probability, entry_name("sld_changeprob", j),
                         "Probability:", row_name("Aircraft Changes:", j, "probability"));
  });
  std::array<Bound<NumberBox>, kMoveRows> txt_changephase = indexed<kMoveRows>([&](int j) {
    return Bound<NumberBox>(form_, EntryOf{fields::squadron_changes, std::size_t(j)},
                            fields::aircraft_change_phase, entry_name("txt_changephase", j),
                            entry_name("upd_change", j), "Phase:");
  });

  Button cmd_sload{"cmd_sload", "Load File", [this] { load(); }};
  Button cmd_ssave{"cmd_ssave", "Save File", [this] { save(); }};
  // Asks first about edits never saved; stays open when the user cancels or no save happened.
  Button cmd_close{"cmd_close", "Close", [this] {
                     if (settle_unsaved()) platform_.close(*this);
                   }};
  // The problems of the whole file, every squadron's: opening one shows that squadron with
  // the control that mends it focused.
  ProblemList problems{[this](const std::string& path) { go_to_problem(path); }};

  void catch_up() override;
  // The control of the field at `path` of a squadron ("weapons[2].number"); null for none.
  const Control* control_at(std::string_view path) const { return form_.control_at(path); }

  // Reads sqbasic.dat from the program's folder (one default squadron, with a message, when
  // it cannot be used), fills the lists and shows squadron 1; the caller then shows the window.
  void open();

  int current() const { return current_; }

 private:
  // "Weapons: row 3 number": what screen readers call a row's control.
  static std::string row_name(const std::string& heading, int row, const std::string& what);

  const Squadron& shown() const { return globals_.squadrons.record().slots[current_ - 1]; }
  std::array<Slider*, 5> role_sliders() {
    return {&sld_escort, &sld_sweep, &sld_bomb, &sld_intercept, &sld_interdict};
  }

  // Names the rows' controls for screen readers; binds the handlers beside storing.
  void name_rows();
  void bind_handlers();
  // The table was replaced under the editor: a load shows squadron 1, an undo or a redo the
  // squadron on screen.
  void show_table(Replaced how);
  // Fills every control from the current squadron, hidden rows included.
  void show_current();
  // The role labels and the total, with `dragged` standing at `position` while it is dragged.
  void show_role_percentages(const Slider* dragged = nullptr, int position = 0);
  void show_weapon_number(int row);
  // Shows as many move rows and change rows as their counts say, and hides the others.
  void show_rows_in_use();
  void show_count();
  void go_to(int squadron);
  void go_to_problem(const std::string& path);

  void add_new();
  void delete_current();
  void load(const std::optional<std::filesystem::path>& given = {});
  SaveOutcome save();
  // True when nothing unsaved is dropped: no edits, or the user said No or saved them.
  bool settle_unsaved();

  Globals& globals_;
  int current_ = 1;
  bool file_open_ = false;  // a file was loaded: every later load asks to save first
  Document<SquadronTable>::Watch watch_ =
      globals_.squadrons.watch([this](Replaced how) { show_table(how); });
};

}  // namespace zav
