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
#include "editors/window.h"
#include "formats/squadron.h"
#include "formats/squadron_file.h"
#include "model/globals.h"

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
 public:
  static constexpr std::string_view kFormName = "frm_squadron";
  static constexpr int kWeaponRows = 8;
  static constexpr int kMoveRows = 4;
  static constexpr int kSpecialMissions = 32;

  FrmSquadron(Globals& globals, Platform& platform);

  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return " "; }
  // The user closed the window's frame: as "Close", it asks first about unsaved edits.
  bool frame_close() override { return settle_unsaved(); }
  bool holds_file() const override { return true; }
  bool unsaved_changes() const override { return globals_.squadrons.unsaved(); }
  Undoable* history() override { return &globals_.squadrons; }

  Label lbl_s_file{"lbl_s_file", "NO FILE OPEN"};  // the file last loaded or saved
  NumberBox txt_currsqn{"txt_currsqn", "upd_currsqn", "Current Squadron:", 1, 1};
  Label lbl_numsqns{"lbl_numsqns", "0", "# of Squadrons:"};  // the count
  Button cmd_newsqn{"cmd_newsqn", "Add New", [this] { add_new(); }};
  Button cmd_delsqn{"cmd_delsqn", "Delete", [this] { delete_current(); }};

  Label lbl_commences{"lbl_commences", "Squadron Commences:"};
  PickList cbo_sqnday{"cbo_sqnday", "Day:"};
  PickList cbo_sqnmonth{"cbo_sqnmonth", "Month:"};
  PickList cbo_sqnyear{"cbo_sqnyear", "Year:"};
  NumberBox txt_phasestart{"txt_phasestart", "upd_phasestart", "Phase:", 0, 25};
  PickList cbo_base{"cbo_base", "Base:"};  // the airfields, then "FORWARD BASE"
  PickList cbo_plane{"cbo_plane", "Aircraft:"};
  NumberBox txt_numplanes{"txt_numplanes", "upd_numplanes", "# Aircraft:", 0, 30};
  NumberBox txt_numpilots{"txt_numpilots", "upd_numpilots", "# Pilots:", 0, 30};
  Slider sld_morale{"sld_morale", "Morale:", 0, 255};
  Slider sld_skill{"sld_skill", "Skill:", 0, 255};
  NumberBox txt_sqningrp{"txt_sqningrp", "upd_sqningrp", "# Squadrons in Group:", 0, 4};
  // Byte fields typed as numbers: the fraction of "12.7" is dropped.
  std::array<TextBox, 4> txt_sing = indexed<4>([](int j) {
    TextBox box = byte_box(entry_name("txt_sing", j), "Staffel Designations:");
    box.accessible_name = "Staffel Designations: " + std::to_string(j + 1);
    return box;
  });
  TextBox txt_unitsprt = byte_box("txt_unitsprt", "Squadron Sprite #:");
  TextBox txt_unitname = byte_box("txt_unitname", "Squadron Unit Name:");
  TextBox txt_unitdesc = byte_box("txt_unitdesc", "Unit Description:");

  // The mission-role weights, each with its percentage of 255, and their sum as one.
  Label lbl_properties{"lbl_properties", "Squadron Properties:"};
  Slider sld_escort{"sld_escort", "Escort:", 0, 255};
  Label lbl_escort{"lbl_escort", "0%"};
  Slider sld_sweep{"sld_sweep", "Sweep:", 0, 255};
  Label lbl_sweep{"lbl_sweep", "0%"};
  Slider sld_bomb{"sld_bomb", "Bomb:", 0, 255};
  Label lbl_bomb{"lbl_bomb", "0%"};
  Slider sld_intercept{"sld_intercept", "Intercept:", 0, 255};
  Label lbl_intercept{"lbl_intercept", "0%"};
  Slider sld_interdict{"sld_interdict", "Interdiction:", 0, 255};
  Label lbl_interdict{"lbl_interdict", "0%"};
  Label lbl_total{"lbl_total", "0%", "Total:"};

  Label lbl_special{"lbl_special", "Special Missions:"};
  std::array<CheckBox, kSpecialMissions> chk_special = indexed<kSpecialMissions>([](int m) {
    CheckBox box(entry_name("chk_special", m), std::to_string(m + 1));
    box.accessible_name = "Special Missions: " + std::to_string(m + 1);
    return box;
  });

  // Eight weapon loads: the weapon, its phase and its number. The number of a row whose
  // weapon is 0 ("NONE") is kept but not shown, and its box takes no input.
  Label lbl_weapons{"lbl_weapons", "Weapons:"};
  std::array<PickList, kWeaponRows> cbo_weapon = indexed<kWeaponRows>([](int k) {
    return PickList(entry_name("cbo_weapon", k), "Weapon:", row_name("Weapons:", k, "weapon"));
  });
  std::array<NumberBox, kWeaponRows> txt_weaponphase =
      row_boxes<kWeaponRows>("txt_weaponphase", "upd_wp", "Phase:", "Weapons:", "phase", 25, 1);
  std::array<NumberBox, kWeaponRows> txt_weaponamount = row_boxes<kWeaponRows>(
      "txt_weaponamount", "upd_wn", "Number:", "Weapons:", "number", 600, 10);

  // Scheduled airfield moves and aircraft changes: a count, and as many rows shown.
  PickList cbo_moves{"cbo_moves", "Airfield Moves:"};
  std::array<PickList, kMoveRows> cbo_basemove = indexed<kMoveRows>([](int j) {
    return PickList(entry_name("cbo_basemove", j), "Base:", row_name("Airfield Moves:", j, "base"));
  });
  std::array<Slider, kMoveRows> sld_moveprob = row_sliders("sld_moveprob", "Airfield Moves:");
  std::array<NumberBox, kMoveRows> txt_movephase = row_boxes<kMoveRows>(
      "txt_movephase", "upd_move", "Phase:", "Airfield Moves:", "phase", 255, 1);
  PickList cbo_changes{"cbo_changes", "Aircraft Changes:"};
  std::array<PickList, kMoveRows> cbo_planechange = indexed<kMoveRows>([](int j) {
    return PickList(entry_name("cbo_planechange", j),
                    "Aircraft:", row_name("Aircraft Changes:", j, "aircraft"));
  });
  std::array<Slider, kMoveRows> sld_changeprob = row_sliders("sld_changeprob", "Aircraft Changes:");
  std::array<NumberBox, kMoveRows> txt_changephase = row_boxes<kMoveRows>(
      "txt_changephase", "upd_change", "Phase:", "Aircraft Changes:", "phase", 255, 1);

  Button cmd_sload{"cmd_sload", "Load File", [this] { load(); }};
  Button cmd_ssave{"cmd_ssave", "Save File", [this] { save(); }};
  // Asks first about edits never saved; stays open when the user cancels or no save happened.
  Button cmd_close{"cmd_close", "Close", [this] {
                     if (settle_unsaved()) platform_.close(*this);
                   }};

  // Reads sqbasic.dat from the program's folder (one default squadron, with a message, when
  // it cannot be used), fills the lists and shows squadron 1; the caller then shows the window.
  void open();

  int current() const { return current_; }

 private:
  // "Weapons: row 3 number": what screen readers call a row's control.
  static std::string row_name(const std::string& heading, int row, const std::string& what);
  template <std::size_t N>
  static std::array<NumberBox, N> row_boxes(const std::string& name, const std::string& spin,
                                            const std::string& label, const std::string& heading,
                                            const std::string& what, int maximum, int step) {
    return indexed<N>([&](int row) {
      NumberBox box(entry_name(name, row), entry_name(spin, row), label, 0, maximum, step);
      box.accessible_name = row_name(heading, row, what);
      return box;
    });
  }
  static std::array<Slider, kMoveRows> row_sliders(const std::string& name,
                                                   const std::string& heading);
  static TextBox byte_box(std::string name, std::string label) {
    return TextBox(std::move(name), std::move(label), 0, 255, NumberPolicy::whole_part,
                   Storage::byte());
  }

  const Squadron& shown() const { return globals_.squadrons.record().slots[current_ - 1]; }
  std::array<Slider*, 5> role_sliders() {
    return {&sld_escort, &sld_sweep, &sld_bomb, &sld_intercept, &sld_interdict};
  }

  // Stores `value`, when there is one, into a field of the shown squadron, as one step:
  // `field(squadron)` is the field.
  template <class Field>
  void store(Field field, const std::optional<int>& value);
  // Binds a control to a field of the shown squadron.
  template <class Field>
  void stores(PickList& list, Field field);
  template <class Field>
  void stores(TextBox& box, Field field);
  template <class Field>
  void stores(NumberBox& box, Field field);
  template <class Field>
  void stores(Slider& slider, Field field);
  template <class Field>
  void stores(CheckBox& box, Field field);
  void bind_handlers();
  void bind_roles();
  void bind_rows();
  // The table was replaced under the editor: a load shows squadron 1, an undo or a redo the
  // squadron on screen.
  void show_table(Replaced how);
  // Fills every control from the current squadron, hidden rows included.
  void show_current();
  void show_roles();
  // The role labels and the total, with `dragged` standing at `position` while it is dragged.
  void show_role_percentages(const Slider* dragged = nullptr, int position = 0);
  void show_weapon_number(int row);
  // Shows as many move rows and change rows as their counts say, and hides the others.
  void show_rows_in_use();
  void show_count();
  void go_to(int squadron);

  void add_new();
  void delete_current();
  void load();
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
