#include "editors/frm_mission/frm_mission.h"

#include <string>
#include <utility>

#include "editors/message_boxes.h"
#include "formats/mission_file.h"

namespace zav {
namespace {

constexpr int kHighestChance = 255;

std::string row_label(const std::string& caption, int row, const char* what) {
  return caption + " row " + std::to_string(row + 1) + " " + what;
}

}  // namespace

FrmMission::FrmMission(Globals& globals, Platform& platform)
    : globals_(globals), platform_(platform) {
  for (const Group& group : groups()) {
    group.count.on_choose = [this, group] { choose_count(group); };
    for (int row = 0; row < kRows; ++row) {
      group.planes[row].on_choose = [this, group, row] {
        group.record.plane_type[row] = static_cast<std::uint8_t>(group.planes[row].position);
        globals_.mission_save_prompt = true;
      };
      group.chances[row].on_change = [this, group, row] {
        group.record.chance[row] = static_cast<std::uint8_t>(group.chances[row].value);
        globals_.mission_save_prompt = true;
      };
    }
  }
}

PickList FrmMission::count_list(const Label& heading, const char* name) {
  PickList count(name, "# Planes:", heading.caption + " # Planes:");
  for (int n = 0; n <= kRows; ++n) count.entries.push_back(std::to_string(n));
  return count;
}

FrmMission::PlaneLists FrmMission::plane_lists(const Label& heading, const char* name) {
  return indexed<kRows>([&](int row) {
    return PickList(entry_name(name, row), "", row_label(heading.caption, row, "plane"));
  });
}

FrmMission::ChanceSliders FrmMission::chance_sliders(const Label& heading, const char* name) {
  return indexed<kRows>([&](int row) {
    return Slider(entry_name(name, row), "", 0, kHighestChance,
                  row_label(heading.caption, row, "chance"));
  });
}

std::array<FrmMission::Group, 3> FrmMission::groups() {
  Mission& mission = globals_.mission;
  return {Group{cbo_fnum, cbo_fighter, sld_fc, mission.fighters},
          Group{cbo_anum, cbo_attack, sld_ac, mission.attack},
          Group{cbo_bnum, cbo_bomber, sld_bc, mission.bombers}};
}

void FrmMission::open() {
  for (const Group& group : groups()) {
    for (PickList& plane : group.planes) {
      plane.entries.assign(globals_.names.plane_names.begin(), globals_.names.plane_names.end());
    }
    // The rows show what Save would write, though no row is in use until a count is chosen.
    show_group(group);
    group.count.choose(0);
  }
  globals_.mission_save_prompt = false;
  saved_ = globals_.mission;
}

bool FrmMission::frame_close() {
  lbl_m_file.caption = "NO OPEN FILE";
  return true;
}

void FrmMission::choose_count(const Group& group) {
  const int count = group.count.position;
  for (int row = 0; row < kRows; ++row) {
    group.planes[row].visible = row < count;
    group.chances[row].visible = row < count;
  }
  group.record.count = static_cast<std::uint8_t>(count);
  globals_.mission_save_prompt = true;
}

void FrmMission::show_group(const Group& group) {
  const MissionGroup& record = group.record;
  // A count or plane type beyond the lists shows no entry and is kept as it is.
  group.count.show(record.count);
  for (int row = 0; row < kRows; ++row) {
    group.planes[row].show(record.plane_type[row]);
    group.planes[row].visible = row < record.count;
    group.chances[row].show(record.chance[row]);
    group.chances[row].visible = row < record.count;
  }
}

void FrmMission::load() {
  if (!settle_before_load(platform_, caption(), globals_.mission_save_prompt,
                          [this] { return save(); })) {
    return;
  }
  const FileChoice choice = platform_.open_file(mission_dialog("Load File"));
  if (choice.cancelled()) return;
  Result<Mission> loaded = load_mission(choice.path);
  if (!loaded) {
    show_error(platform_, loaded.error().message());
    return;
  }
  globals_.mission = std::move(loaded).value();
  globals_.mission_save_prompt = true;
  saved_ = globals_.mission;
  chosen_file_ = choice.path;
  lbl_m_file.caption = choice.title();
  for (const Group& group : groups()) show_group(group);
}

SaveOutcome FrmMission::save() {
  const FileChoice choice = platform_.save_file(mission_dialog("Save As"));
  if (choice.cancelled()) return SaveOutcome::cancelled;
  if (auto error = save_mission(choice.path, globals_.mission)) {
    show_error(platform_, error->message());
    return SaveOutcome::failed;
  }
  saved_ = globals_.mission;
  chosen_file_ = choice.path;
  lbl_m_file.caption = choice.title();
  return SaveOutcome::written;
}

void FrmMission::close() {
  if (!settle_before_dropping(platform_, caption(), [this] { return save(); })) return;
  lbl_m_file.caption = "NO OPEN FILE";
  platform_.close(*this);
}

FileDialog FrmMission::mission_dialog(std::string title) const {
  return {std::move(title), "Mission Files (*.dat)|misn*.dat", ".dat", chosen_file_};
}

}  // namespace zav
