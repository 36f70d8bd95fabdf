#include "editors/frm_mission/frm_mission.h"

#include <string>
#include <utility>

namespace zav {
namespace {

constexpr int kHighestChance = 255;

std::string row_label(const std::string& caption, int row, const char* what) {
  return caption + " row " + std::to_string(row + 1) + " " + what;
}

}  // namespace

FrmMission::FrmMission(Globals& globals, Platform& platform) : Window(platform), globals_(globals) {
  for (const Group& group : groups()) {
    group.count.on_choose = [this, group] { choose_count(group); };
    for (int row = 0; row < kRows; ++row) {
      group.planes[row].on_choose = [this, group, row] {
        const int plane = group.planes[row].position;
        edit(group, [&](MissionGroup& g) { g.plane_type[row] = static_cast<std::uint8_t>(plane); });
      };
      group.chances[row].on_change = [this, group, row] {
        const int chance = group.chances[row].value;
        edit(group, [&](MissionGroup& g) { g.chance[row] = static_cast<std::uint8_t>(chance); });
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
  return {Group{cbo_fnum, cbo_fighter, sld_fc, &Mission::fighters},
          Group{cbo_anum, cbo_attack, sld_ac, &Mission::attack},
          Group{cbo_bnum, cbo_bomber, sld_bc, &Mission::bombers}};
}

void FrmMission::open() {
  for (const Group& group : groups()) {
    for (PickList& plane : group.planes) {
      plane.entries.assign(globals_.names.plane_names.begin(), globals_.names.plane_names.end());
    }
  }
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

void FrmMission::choose_count(const Group& group) {
  const int count = group.count.position;
  for (int row = 0; row < kRows; ++row) {
    group.planes[row].visible = row < count;
    group.chances[row].visible = row < count;
  }
  edit(group, [&](MissionGroup& g) { g.count = static_cast<std::uint8_t>(count); });
  globals_.mission_save_prompt = true;
}

void FrmMission::show_mission() {
  for (const Group& group : groups()) {
    const MissionGroup& record = globals_.mission.record().*group.record;
    // A count or plane type beyond the lists shows no entry and is kept as it is.
    group.count.display(record.count);
    for (int row = 0; row < kRows; ++row) {
      group.planes[row].display(record.plane_type[row]);
      group.planes[row].visible = row < record.count;
      group.chances[row].display(record.chance[row]);
      group.chances[row].visible = row < record.count;
    }
  }
}

void FrmMission::load() {
  if (!settle_before_load(platform_, caption(), globals_.mission_save_prompt || unsaved_changes(),
                          [this] { return save(); })) {
    return;
  }
  const std::optional<FileChoice> loaded =
      load_document(globals_.mission, platform_, kMissionFiles);
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
