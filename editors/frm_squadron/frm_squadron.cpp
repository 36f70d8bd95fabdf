#include "editors/frm_squadron/frm_squadron.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "editors/message_boxes.h"
#include "formats/squadron_file.h"

namespace zav {
namespace {

// The title of the messages this window shows, but for "ERROR!" boxes.
constexpr const char* kProgramName = "ZAV Campaign Editor";
constexpr const char* kBaseFile = "sqbasic.dat";

std::vector<std::string> numbered_entries(int first, int last) {
  std::vector<std::string> entries;
  for (int n = first; n <= last; ++n) entries.push_back(std::to_string(n));
  return entries;
}

// A number as a percentage of 255, its fraction dropped.
std::string percentage_text(int n) {
  return std::to_string(n * 20 / 51) + "%";
}

// The number a box's typed text gives its field, or none; a refusal is kept with the box. Text
// that still shows a stored value the spin cannot reach gives that value.
std::optional<int> typed_number(NumberBox& box) {
  const NumberReading reading = box.read();
  box.refusal = reading.refusal;
  if (reading.value || !reading.refusal.empty()) return reading.value;
  return whole_number(box.text);
}

// A byte typed as a number with its fraction dropped: "12.7" gives 12; text that gives no
// number from 0 to 255 gives none and is refused.
std::optional<int> typed_byte(TextBox& box) {
  const std::string& named =
      box.accessible_name.empty() ? shown_text(box.label) : box.accessible_name;
  const NumberReading reading =
      read_number(named, box.text, NumberPolicy::whole_part, 0, 255, Storage::byte(), std::nullopt);
  box.refusal = reading.refusal;
  return reading.value;
}

void show_byte(TextBox& box, int stored) {
  box.text = std::to_string(stored);
  box.refusal.clear();
}

void show_number(NumberBox& box, int stored) {
  box.show(stored);
  box.refusal.clear();
}

// A count list's rows in use: none selected counts as 0, a count beyond the rows shows them all.
int rows_in_use(const PickList& count, int rows) {
  return std::clamp(count.value().value_or(0), 0, rows);
}

}  // namespace

FrmSquadron::FrmSquadron(Globals& globals, Platform& platform)
    : globals_(globals), platform_(platform) {
  cbo_sqnday.entries = numbered_entries(1, 31);
  cbo_sqnmonth.entries = {"January", "February", "March",     "April",   "May",      "June",
                          "July",    "August",   "September", "October", "November", "December"};
  cbo_sqnyear.entries = numbered_entries(1940, 1947);
  cbo_sqnyear.values.first = 1940;
  cbo_moves.entries = numbered_entries(0, kMoveRows);
  cbo_changes.entries = numbered_entries(0, kMoveRows);
  txt_phasestart.accessible_name = "Squadron Commences: Phase:";
  bind_handlers();
  bind_roles();
  bind_rows();
}

std::string FrmSquadron::row_name(const std::string& heading, int row, const std::string& what) {
  return heading + " row " + std::to_string(row + 1) + " " + what;
}

std::array<Slider, FrmSquadron::kMoveRows> FrmSquadron::row_sliders(const std::string& name,
                                                                    const std::string& heading) {
  return indexed<kMoveRows>([&](int row) {
    return Slider(entry_name(name, row), "Probability:", 0, 255,
                  row_name(heading, row, "probability"));
  });
}

template <class Field>
void FrmSquadron::stores(PickList& list, Field field) {
  list.on_choose = [this, &list, field] { store_value(list.value(), std::invoke(field, shown())); };
}

// A spinner stores its value as it moves, and typed text when it is a whole number in range.
template <class Field>
void FrmSquadron::stores(NumberBox& box, Field field) {
  box.on_spin = [this, &box, field] {
    store_value(std::optional(box.value), std::invoke(field, shown()));
  };
  box.on_edit = [this, &box, field] {
    store_value(typed_number(box), std::invoke(field, shown()));
  };
}

template <class Field>
void FrmSquadron::stores(Slider& slider, Field field) {
  slider.on_change = [this, &slider, field] {
    store_value(std::optional(slider.read()), std::invoke(field, shown()));
  };
}

template <class Field>
void FrmSquadron::stores(CheckBox& box, Field field) {
  box.on_change = [this, &box, field] {
    store_value(std::optional(box.read()), std::invoke(field, shown()));
  };
}

template <class Field>
void FrmSquadron::stores_byte(TextBox& box, Field field) {
  box.on_edit = [this, &box, field] { store_value(typed_byte(box), std::invoke(field, shown())); };
}

void FrmSquadron::bind_handlers() {
  txt_currsqn.on_spin = [this] { go_to(txt_currsqn.value); };
  txt_currsqn.on_edit = [this] {
    if (const std::optional<int> squadron = typed_number(txt_currsqn)) go_to(*squadron);
  };
  stores(cbo_sqnday, &Squadron::start_day);
  stores(cbo_sqnmonth, &Squadron::start_month);
  stores(cbo_sqnyear, &Squadron::start_year);
  stores(txt_phasestart, &Squadron::commencing_phase);
  stores(cbo_base, &Squadron::home_base);
  stores(cbo_plane, &Squadron::aircraft_type);
  stores(txt_numplanes, &Squadron::num_aircraft);
  stores(txt_numpilots, &Squadron::num_pilots);
  stores(sld_morale, &Squadron::morale);
  stores(sld_skill, &Squadron::skill);
  stores(txt_sqningrp, &Squadron::squadrons_in_group);
  stores_byte(txt_unitsprt, &Squadron::sprite);
  stores_byte(txt_unitname, &Squadron::unit_name);
  stores_byte(txt_unitdesc, &Squadron::unit_description);
  for (int j = 0; j < 4; ++j) {
    stores_byte(txt_sing[j], [j](Squadron& s) -> std::uint8_t& { return s.staffel[j]; });
  }
  for (int m = 0; m < kSpecialMissions; ++m) {
    stores(chk_special[m], [m](Squadron& s) -> std::uint8_t& { return s.special_missions[m]; });
  }
  for (int k = 0; k < kWeaponRows; ++k) {
    stores(cbo_weapon[k], [k](Squadron& s) -> std::uint8_t& { return s.weapons[k].weapon; });
    cbo_weapon[k].on_choose = [this, k, store = cbo_weapon[k].on_choose] {
      store();
      show_weapon_number(k);
    };
    stores(txt_weaponphase[k], [k](Squadron& s) -> std::uint8_t& { return s.weapons[k].phase; });
    // The box of a row without a weapon takes no input (show_weapon_number): its number stays.
    stores(txt_weaponamount[k], [k](Squadron& s) -> std::uint16_t& { return s.weapons[k].number; });
  }
}

void FrmSquadron::bind_roles() {
  constexpr std::array weights = {&Squadron::escort_weight, &Squadron::sweep_weight,
                                  &Squadron::bomb_weight, &Squadron::intercept_weight,
                                  &Squadron::interdiction_weight};
  for (std::size_t r = 0; r < weights.size(); ++r) {
    Slider& slider = *role_sliders()[r];
    stores(slider, weights[r]);
    slider.on_change = [this, store = slider.on_change] {
      store();
      show_role_percentages();
    };
    slider.on_drag = [this, &slider](int position) { show_role_percentages(&slider, position); };
  }
}

void FrmSquadron::bind_rows() {
  stores(cbo_moves, &Squadron::num_moves);
  stores(cbo_changes, &Squadron::num_changes);
  for (PickList* count : {&cbo_moves, &cbo_changes}) {
    count->on_choose = [this, store = count->on_choose] {
      store();
      lay_out_rows();
    };
  }
  for (int j = 0; j < kMoveRows; ++j) {
    stores(cbo_basemove[j], [j](Squadron& s) -> std::uint8_t& { return s.moves[j].destination; });
    stores(sld_moveprob[j], [j](Squadron& s) -> std::uint8_t& { return s.moves[j].probability; });
    stores(txt_movephase[j], [j](Squadron& s) -> std::uint8_t& { return s.moves[j].phase; });
    stores(cbo_planechange[j],
           [j](Squadron& s) -> std::uint8_t& { return s.changes[j].aircraft_type; });
    stores(sld_changeprob[j],
           [j](Squadron& s) -> std::uint8_t& { return s.changes[j].probability; });
    stores(txt_changephase[j], [j](Squadron& s) -> std::uint8_t& { return s.changes[j].phase; });
  }
}

void FrmSquadron::open() {
  file_open_ = false;
  current_ = 1;
  lbl_s_file.caption = "NO FILE OPEN";
  SquadronTable& table = globals_.squadrons;
  const std::filesystem::path base = platform_.program_folder() / kBaseFile;
  Result<SquadronTable> read = load_squadrons(base, SquadronRead::base_file);
  if (read) {
    table = std::move(read).value();
  } else {
    // The base file is never created or changed here: the user is told and edits one
    // default squadron instead.
    reset(table);
    table.count = 1;
    show_error(platform_, read.error().message() +
                              "\nThe squadron editor starts with one default squadron instead.");
  }
  saved_ = table;

  const NameTables& names = globals_.names;
  std::vector<std::string> bases(names.airfield_names.begin(), names.airfield_names.end());
  bases.push_back("FORWARD BASE");
  cbo_base.entries = bases;
  cbo_plane.entries.assign(names.plane_names.begin(), names.plane_names.end());
  for (int j = 0; j < kMoveRows; ++j) {
    cbo_basemove[j].entries = bases;
    cbo_planechange[j].entries = cbo_plane.entries;
  }
  for (PickList& weapon : cbo_weapon) {
    weapon.entries.assign(names.weapon_names.begin(), names.weapon_names.end());
  }
  show_count();
  show_current();
}

void FrmSquadron::show_current() {
  const Squadron& s = shown();
  cbo_sqnday.show(s.start_day);
  cbo_sqnmonth.show(s.start_month);
  cbo_sqnyear.show(s.start_year);
  show_number(txt_phasestart, s.commencing_phase);
  cbo_base.show(s.home_base);
  cbo_plane.show(s.aircraft_type);
  show_number(txt_numplanes, s.num_aircraft);
  show_number(txt_numpilots, s.num_pilots);
  sld_morale.show(s.morale);
  sld_skill.show(s.skill);
  show_byte(txt_unitname, s.unit_name);
  show_byte(txt_unitdesc, s.unit_description);
  show_byte(txt_unitsprt, s.sprite);
  show_number(txt_sqningrp, s.squadrons_in_group);
  for (int j = 0; j < 4; ++j) show_byte(txt_sing[j], s.staffel[j]);
  show_roles();

  cbo_moves.show(s.num_moves);
  cbo_changes.show(s.num_changes);
  for (int j = 0; j < kMoveRows; ++j) {
    sld_moveprob[j].show(s.moves[j].probability);
    show_number(txt_movephase[j], s.moves[j].phase);
    cbo_basemove[j].show(s.moves[j].destination);
    sld_changeprob[j].show(s.changes[j].probability);
    show_number(txt_changephase[j], s.changes[j].phase);
    cbo_planechange[j].show(s.changes[j].aircraft_type);
  }
  lay_out_rows();

  for (int k = 0; k < kWeaponRows; ++k) {
    cbo_weapon[k].show(s.weapons[k].weapon);
    show_number(txt_weaponphase[k], s.weapons[k].phase);
    show_weapon_number(k);
  }
  for (int m = 0; m < kSpecialMissions; ++m) chk_special[m].show(s.special_missions[m]);
}

void FrmSquadron::show_roles() {
  const Squadron& s = shown();
  const std::array<int, 5> weights = {s.escort_weight, s.sweep_weight, s.bomb_weight,
                                      s.intercept_weight, s.interdiction_weight};
  for (std::size_t r = 0; r < weights.size(); ++r) role_sliders()[r]->show(weights[r]);
  show_role_percentages();
}

void FrmSquadron::show_role_percentages(const Slider* dragged, int position) {
  const std::array<Label*, 5> labels = {&lbl_escort, &lbl_sweep, &lbl_bomb, &lbl_intercept,
                                        &lbl_interdict};
  int total = 0;
  for (std::size_t r = 0; r < labels.size(); ++r) {
    const Slider& slider = *role_sliders()[r];
    labels[r]->caption = percentage_text(slider.read());
    total += &slider == dragged ? position : slider.read();
  }
  lbl_total.caption = percentage_text(total);
}

void FrmSquadron::show_weapon_number(int row) {
  NumberBox& amount = txt_weaponamount[row];
  const std::optional<int> weapon = cbo_weapon[row].value();
  amount.enabled = weapon.value_or(0) != 0;
  show_number(amount, amount.enabled ? shown().weapons[row].number : 0);
}

void FrmSquadron::lay_out_rows() {
  const int moves = rows_in_use(cbo_moves, kMoveRows);
  const int changes = rows_in_use(cbo_changes, kMoveRows);
  for (int j = 0; j < kMoveRows; ++j) {
    cbo_basemove[j].visible = sld_moveprob[j].visible = txt_movephase[j].visible = j < moves;
    cbo_planechange[j].visible = sld_changeprob[j].visible = txt_changephase[j].visible =
        j < changes;
  }
}

void FrmSquadron::show_count() {
  const int count = globals_.squadrons.count;
  txt_currsqn.maximum = count;
  txt_currsqn.set_spin(current_);
  txt_currsqn.refusal.clear();
  lbl_numsqns.caption = std::to_string(count);
}

void FrmSquadron::go_to(int squadron) {
  current_ = squadron;
  show_current();
}

void FrmSquadron::add_new() {
  if (!add_squadron(globals_.squadrons)) {
    platform_.show_message({"Cannot have more the 25 squadrons.", kProgramName,
                            MessageIcon::critical, MessageButtons::ok});
    return;
  }
  show_count();
}

void FrmSquadron::delete_current() {
  if (!delete_squadron(globals_.squadrons, current_)) {
    platform_.show_message({"Unable to delete the last squadron!", kProgramName,
                            MessageIcon::critical, MessageButtons::ok});
    return;
  }
  show_count();
  show_current();
}

void FrmSquadron::load() {
  if (!settle_before_load(platform_, kProgramName, file_open_ || unsaved_changes(),
                          [this] { return save(); })) {
    return;
  }
  const FileChoice choice = platform_.open_file(squadron_dialog("Load File"));
  if (choice.cancelled()) return;
  Result<SquadronTable> loaded = load_squadrons(choice.path);
  if (!loaded) {
    show_error(platform_, loaded.error().message());
    return;
  }
  globals_.squadrons = std::move(loaded).value();
  saved_ = globals_.squadrons;
  file_open_ = true;
  chosen_file_ = choice.path;
  lbl_s_file.caption = choice.title();
  current_ = 1;
  show_count();
  show_current();
}

SaveOutcome FrmSquadron::save() {
  const FileChoice choice = platform_.save_file(squadron_dialog("Save As"));
  if (choice.cancelled()) return SaveOutcome::cancelled;
  if (auto error = save_squadrons(choice.path, globals_.squadrons)) {
    show_error(platform_, error->message());
    return SaveOutcome::failed;
  }
  saved_ = globals_.squadrons;
  chosen_file_ = choice.path;
  lbl_s_file.caption = choice.title();
  return SaveOutcome::written;
}

bool FrmSquadron::settle_unsaved() {
  return !unsaved_changes() ||
         settle_before_dropping(platform_, kProgramName, [this] { return save(); });
}

FileDialog FrmSquadron::squadron_dialog(std::string title) const {
  return {std::move(title), "Squadron Files (*.dat)|sq*.dat", ".dat", chosen_file_};
}

}  // namespace zav
