#include "editors/frm_squadron/frm_squadron.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "editors/message_boxes.h"
#include "model/record_checks.h"

namespace zav {
namespace {

// The title of the messages this window shows, but for "ERROR!" boxes.
constexpr const char* kProgramName = "ZAV Campaign Editor";
constexpr const char* kBaseFile = "sqbasic.dat";

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
  name_rows();
  // Every change is stored at once into the squadron shown, as one step.
  form_.store_at_once([this](const std::function<void(Squadron&)>& change) {
    globals_.squadrons.edit([&](SquadronTable& table) { change(table.slots[current_ - 1]); });
  });
  bind_handlers();
}

std::string FrmSquadron::row_name(const std::string& heading, int row, const std::string& what) {
  return heading + " row " + std::to_string(row + 1) + " " + what;
}

void FrmSquadron::name_rows() {
  txt_phasestart.accessible_name = "Squadron Commences: Phase:";
  for (int j = 0; j < 4; ++j) {
    txt_sing[j].accessible_name = "Staffel Designations: " + std::to_string(j + 1);
  }
  for (int m = 0; m < kSpecialMissions; ++m) {
    chk_special[m].accessible_name = "Special Missions: " + std::to_string(m + 1);
  }
  for (int k = 0; k < kWeaponRows; ++k) {
    txt_weaponphase[k].accessible_name = row_name("Weapons:", k, "phase");
    txt_weaponamount[k].accessible_name = row_name("Weapons:", k, "number");
  }
  for (int j = 0; j < kMoveRows; ++j) {
    txt_movephase[j].accessible_name = row_name("Airfield Moves:", j, "phase");
    txt_changephase[j].accessible_name = row_name("Aircraft Changes:", j, "phase");
  }
}

void FrmSquadron::bind_handlers() {
  txt_currsqn.on_spin = [this] { go_to(txt_currsqn.value); };
  txt_currsqn.on_commit = [this] { go_to(txt_currsqn.value); };
  for (int k = 0; k < kWeaponRows; ++k) {
    cbo_weapon[k].on_choose = [this, k, store = cbo_weapon[k].on_choose] {
      store();
      show_weapon_number(k);
    };
    // A row without a weapon keeps its number, whatever its box is given.
    NumberBox& amount = txt_weaponamount[k];
    for (std::function<void()>* handler : {&amount.on_spin, &amount.on_commit}) {
      *handler = [this, k, store = *handler] {
        if (shown().weapons[k].weapon != 0) store();
      };
    }
  }
  for (Slider* slider : role_sliders()) {
    slider->on_change = [this, store = slider->on_change] {
      store();
      show_role_percentages();
    };
    slider->on_drag = [this, slider](int position) { show_role_percentages(slider, position); };
  }
  for (PickList* count : {&cbo_moves, &cbo_changes}) {
    count->on_choose = [this, store = count->on_choose] {
      store();
      show_rows_in_use();
    };
  }
}

void FrmSquadron::open() {
  file_open_ = false;
  lbl_s_file.caption = "NO FILE OPEN";
  form_.fill(globals_.names);

  const std::filesystem::path base = platform_.program_folder() / kBaseFile;
  Result<SquadronTable> read = load_squadrons(base, SquadronRead::base_file);
  if (read) {
    globals_.squadrons.start(std::move(read).value(), {});
    // What is shown until a load is the base file, which a save never writes over unasked.
    lbl_s_file.caption = std::string(kBaseFile) + " (base squadrons)";
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
  form_.display(shown());
  show_role_percentages();
  show_rows_in_use();
  for (int k = 0; k < kWeaponRows; ++k) show_weapon_number(k);
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

void FrmSquadron::go_to_problem(const std::string& path) {
  const ProblemPlace place = place_of(path);
  if (place.entry < 0 || place.entry >= globals_.squadrons.record().count) return;
  go_to(place.entry + 1);
  txt_currsqn.set_spin(current_);
  if (const Control* control = form_.control_at(place.field)) platform_.focus(*this, *control);
}

void FrmSquadron::catch_up() {
  problems.show(globals_.squadrons.record(), check_squadrons, [this](const FieldProblem& problem) {
    const ProblemPlace place = place_of(problem.path);
    const Control* control = form_.control_at(place.field);
    return "Squadron " + std::to_string(place.entry + 1) + ", " +
           (control ? spoken_name(*control) : place.field) + ": " + problem.reason;
  });
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

void FrmSquadron::load(const std::optional<std::filesystem::path>& given) {
  if (!settle_before_load(platform_, kProgramName, file_open_ || unsaved_changes(),
                          [this] { return save(); })) {
    return;
  }
  const std::optional<FileChoice> loaded =
      load_document(globals_.squadrons, platform_, kSquadronFiles, given);
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
