#include "editors/frm_mission/frm_mission.h"

#include <string>
#include <utility>

#include "model/record_checks.h"

namespace zav {
namespace {

std::string row_label(const std::string& caption, int row, const char* what) {
  return caption + " row " + std::to_string(row + 1) + " " + what;
}

}  // namespace

FrmMission::FrmMission(Globals& globals, Platform& platform) : Window(platform), globals_(globals) {
  for (const Group& group : groups()) {
    // Every choice is stored at once into the group's part of the mission, as one step.
    group.form.store_at_once([this, group](const std::function<void(MissionGroup&)>& change) {
      globals_.mission.edit([&](Mission& mission) { change(mission.*group.record); });
    });
    group.count.on_choose = [this, group, store = group.count.on_choose] {
      store();
      show_rows_in_use(group);
      globals_.mission_save_prompt = true;
    };
  }
}

Bound<PickList> FrmMission::count_list(RecordForm<MissionGroup>& form, const Label& heading,
                                       const char* name) {
  return Bound<PickList>(form, fields::mission_group_count, name,
                         "# Planes:", heading.caption + " # Planes:");
}

FrmMission::PlaneLists FrmMission::plane_lists(RecordForm<MissionGroup>& form, const Label& heading,
                                               const char* name) {
  return indexed<kRows>([&](int row) {
    return Bound<PickList>(form, fields::mission_group_plane_type, At{std::size_t(row)},
                           entry_name(name, row), "", row_label(heading.caption, row, "plane"));
  });
}

FrmMission::ChanceSliders FrmMission::chance_sliders(RecordForm<MissionGroup>& form,
                                                     const Label& heading, const char* name) {
  return indexed<kRows>([&](int row) {
    return Bound<Slider>(form, fields::mission_group_chance, At{std::size_t(row)},
                         entry_name(name, row), "", row_label(heading.caption, row, "chance"));
  });
}

std::array<FrmMission::Group, 3> FrmMission::groups() {
  return {Group{fighters_, cbo_fnum, cbo_fighter, sld_fc, &Mission::fighters},
          Group{attack_, cbo_anum, cbo_attack, sld_ac, &Mission::attack},
          Group{bombers_, cbo_bnum, cbo_bomber, sld_bc, &Mission::bombers}};
}

const Control* FrmMission::control_at(const std::string& path) const {
  const ProblemPlace place = place_of(path);
  for (const auto& [member, form] : {std::pair{fields::mission_fighters.name, &fighters_},
                                     {fields::mission_attack.name, &attack_},
                                     {fields::mission_bombers.name, &bombers_}}) {
    if (place.member == member) return form->control_at(place.field);
  }
  return nullptr;
}

void FrmMission::catch_up() {
  problems.show(globals_.mission.record(), check_mission, [this](const FieldProblem& problem) {
    const Control* control = control_at(problem.path);
    return (control ? spoken_name(*control) : problem.path) + ": " + problem.reason;
  });
}

void FrmMission::open() {
  for (const Group& group : groups()) group.form.fill(globals_.names);
  // The rows show what Save would write, though no row is in use until a count is chosen.
  Mission opened = globals_.mission.record();
  for (const Group& group : groups()) (opened.*group.record).count = 0;
  globals_.mission.start(opened, {});
  globals_.mission_save_prompt = false;
}

bool FrmMission::frame_close() {
  if (unsaved_changes() &&
      !settle_before_dropping(platform_, caption(), [this] { return save(); })) {
    return false;
  }
  lbl_m_file.caption = kNoOpenFile;
  return true;
}

// A count beyond the rows, which a file may hold, shows them all.
void FrmMission::show_rows_in_use(const Group& group) {
  const int count = group.count.value().value_or(0);
  for (int row = 0; row < kRows; ++row) {
    group.planes[row].visible = row < count;
    group.chances[row].visible = row < count;
  }
}

void FrmMission::show_mission() {
  for (const Group& group : groups()) {
    group.form.display(globals_.mission.record().*group.record);
    show_rows_in_use(group);
  }
}

void FrmMission::load(const std::optional<std::filesystem::path>& given) {
  if (!settle_before_load(platform_, caption(), globals_.mission_save_prompt || unsaved_changes(),
                          [this] { return save(); })) {
    return;
  }
  const std::optional<FileChoice> loaded =
      load_document(globals_.mission, platform_, kMissionFiles, given);
  if (!loaded) return;
  globals_.mission_save_prompt = true;
  lbl_m_file.caption = loaded->title();
}

SaveOutcome FrmMission::save() {
  const SaveOutcome outcome = save_document(globals_.mission, platform_, kMissionFiles);
  if (outcome == SaveOutcome::written) {
    lbl_m_file.caption = FileChoice{globals_.mission.file()}.title();
  }
  return outcome;
}

void FrmMission::close() {
  if (!settle_before_dropping(platform_, caption(), [this] { return save(); })) return;
  lbl_m_file.caption = kNoOpenFile;
  platform_.close(*this);
}

}  // namespace zav
