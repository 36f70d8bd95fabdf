#include "editors/frm_squadron/frm_squadron.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "editors/message_boxes.h"

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

// A count list's rows in use: none selected counts as 0, a count beyond the rows shows them all.
int rows_in_use(const PickList& count, int rows) {
  return std::clamp(count.value().value_or(0), 0, rows);
}

}  // namespace

FrmSquadron::FrmSquadron(Globals& globals, Platform& platform)
    : Window(platform), globals_(globals) {
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
void FrmSquadron::store(Field field, const std::optional<int>& value) {
  globals_.squadrons.edit([&](SquadronTable& table) {
    store_value(value, std::invoke(field, table.slots[current_ - 1]));
  });
}

template <class Field>
void FrmSquadron::stores(PickList& list, Field field) {
  list.on_choose = [this, &list, field] { store(field, list.value()); };
}

// A box stores the number typed once the user is done with it, a spinner also its value as it
// moves; a box that still shows the stored value stores nothing.
template <class Field>
void FrmSquadron::stores(TextBox& box, Field field) {
  box.on_commit = [this, &box, field] { store(field, box.read().value); };
}

template <class Field>
void FrmSquadron::stores(NumberBox& box, Field field) {
  stores(static_cast<TextBox&>(box), field);
  box.on_spin = [this, &box, field] { store(field, std::optional(box.value)); };
}

template <class Field>
void FrmSquadron::stores(Slider& slider, Field field) {
  slider.on_change = [this, &slider, field] { store(field, std::optional(slider.read())); };
}

template <class Field>
void FrmSquadron::stores(CheckBox& box, Field field) {
  box.on_change = [this, &box, field] { store(field, std::optional(box.read())); };
}

void FrmSquadron::bind_handlers() {
  txt_currsqn.on_spin = [this] { go_to(txt_currsqn.value); };
  txt_currsqn.on_commit = [this] { go_to(txt_currsqn.value); };
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
  stores(txt_unitsprt, &Squadron::sprite);
  stores(txt_unitname, &Squadron::unit_name);
  stores(txt_unitdesc, &Squadron::unit_description);
  for (int j = 0; j < 4; ++j) {
    stores(txt_sing[j], [j](Squadron& s) -> std::uint8_t& { return s.staffel[j]; });
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
    // A row without a weapon keeps its number, whatever its box is given.
    NumberBox& amount = txt_weaponamount[k];
    stores(amount, [k](Squadron& s) -> std::uint16_t& { return s.weapons[k].number; });
    for (std::function<void()>* handler : {&amount.on_spin, &amount.on_commit}) {
      *handler = [this, k, store = *handler] {
        if (shown().weapons[k].weapon != 0) store();
      };
    }
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
      show_rows_in_use();
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
  lbl_s_file.caption = "NO FILE OPEN";
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

  const std::filesystem::path base = platform_.program_folder() / kBaseFile;
  Result<SquadronTable> read = load_squadrons(base, SquadronRead::base_file);
  if (read) {
    globals_.squadrons.start(std::move(read).value(), {});
    return;
  }
  // The base file is never created or changed here: the user is told and edits one default
  // squadron instead.
  SquadronTable table;
  reset(table);
  table.count = 1;
  globals_.squadrons.start(table, {});
  show_error(platform_, read.error().message() +
                            "\nThe squadron editor starts with one default squadron instead.");
}

void FrmSquadron::show_table(Replaced how) {
  if (how == Replaced::by_file) current_ = 1;
  // An undone Add New may leave fewer squadrons than the number shown.
  current_ = std::min(current_, globals_.squadrons.record().count);
  show_count();
  show_current();
}

void FrmSquadron::show_current() {
  const Squadron& s = shown();
  cbo_sqnday.display(s.start_day);
  cbo_sqnmonth.display(s.start_month);
  cbo_sqnyear.display(s.start_year);
  txt_phasestart.display(s.commencing_phase);
  cbo_base.display(s.home_base);
  cbo_plane.display(s.aircraft_type);
  txt_numplanes.display(s.num_aircraft);
  txt_numpilots.display(s.num_pilots);
  sld_morale.display(s.morale);
  sld_skill.display(s.skill);
  txt_unitname.display(s.unit_name);
  txt_unitdesc.display(s.unit_description);
  txt_unitsprt.display(s.sprite);
  txt_sqningrp.display(s.squadrons_in_group);
  for (int j = 0; j < 4; ++j) txt_sing[j].display(s.staffel[j]);
  show_roles();

  cbo_moves.display(s.num_moves);
  cbo_changes.display(s.num_changes);
  for (int j = 0; j < kMoveRows; ++j) {
    sld_moveprob[j].display(s.moves[j].probability);
    txt_movephase[j].display(s.moves[j].phase);
    cbo_basemove[j].display(s.moves[j].destination);
    sld_changeprob[j].display(s.changes[j].probability);
    txt_changephase[j].display(s.changes[j].phase);
    cbo_planechange[j].display(s.changes[j].aircraft_type);
  }
  show_rows_in_use();

  for (int k = 0; k < kWeaponRows; ++k) {
    cbo_weapon[k].display(s.weapons[k].weapon);
    txt_weaponphase[k].display(s.weapons[k].phase);
    show_weapon_number(k);
  }
  for (int m = 0; m < kSpecialMissions; ++m) chk_special[m].display(s.special_missions[m]);
}

void FrmSquadron::show_roles() {
  const Squadron& s = shown();
  const std::array<int, 5> weights = {s.escort_weight, s.sweep_weight, s.bomb_weight,
                                      s.intercept_weight, s.interdiction_weight};
  for (std::size_t r = 0; r < weights.size(); ++r) role_sliders()[r]->display(weights[r]);
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
  amount.display(amount.enabled ? shown().weapons[row].number : 0);
}

void FrmSquadron::show_rows_in_use() {
  const int moves = rows_in_use(cbo_moves, kMoveRows);
  const int changes = rows_in_use(cbo_changes, kMoveRows);
  for (int j = 0; j < kMoveRows; ++j) {
    cbo_basemove[j].visible = sld_moveprob[j].visible = txt_movephase[j].visible = j < moves;
    cbo_planechange[j].visible = sld_changeprob[j].visible = txt_changephase[j].visible =
        j < changes;
  }
}

void FrmSquadron::show_count() {
  const int count = globals_.squadrons.record().count;
  txt_currsqn.maximum = count;
  txt_currsqn.set_spin(current_);
  lbl_numsqns.caption = std::to_string(count);
}

void FrmSquadron::go_to(int squadron) {
  current_ = squadron;
  show_current();
}

void FrmSquadron::add_new() {
  bool added = false;
  globals_.squadrons.edit([&](SquadronTable& table) { added = add_squadron(table); });
  if (!added) {
    platform_.show_message({"Cannot have more the 25 squadrons.", kProgramName,
                            MessageIcon::critical, MessageButtons::ok});
    return;
  }
  show_count();
}

void FrmSquadron::delete_current() {
  bool deleted = false;
  globals_.squadrons.edit(
      [&](SquadronTable& table) { deleted = delete_squadron(table, current_); });
  if (!deleted) {
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
  const std::optional<FileChoice> loaded =
      load_document(globals_.squadrons, platform_, kSquadronFiles);
  if (!loaded) return;
  file_open_ = true;
  lbl_s_file.caption = loaded->title();
}

SaveOutcome FrmSquadron::save() {
  const SaveOutcome outcome = save_document(globals_.squadrons, platform_, kSquadronFiles);
  if (outcome == SaveOutcome::written) {
    lbl_s_file.caption = FileChoice{globals_.squadrons.file()}.title();
  }
  return outcome;
}

bool FrmSquadron::settle_unsaved() {
  return !unsaved_changes() ||
         settle_before_dropping(platform_, kProgramName, [this] { return save(); });
}

}  // namespace zav
