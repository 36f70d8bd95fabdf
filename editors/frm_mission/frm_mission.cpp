#include "editors/frm_mission/frm_mission.h"

#include <string>
#include <utility>

#include "editors/message_boxes.h"
#include "formats/mission_file.h"

namespace zav {
namespace {

constexpr int kHighestChance = 255;

bool is_row(int row) {
  return row >= 0 && row < FrmMission::kRows;
}

bool names_entry(const PickList& list, int position) {
  return position >= 0 && position < static_cast<int>(list.entries.size());
}

// The entry that shows `value`, or no entry when the list has none for it.
int position_of(const PickList& list, int value) {
  return names_entry(list, value) ? value : -1;
}

}  // namespace

FrmMission::FrmMission(Globals& globals, Platform& platform)
    : globals_(globals), platform_(platform) {
  for (PickList* count : {&cbo_fnum, &cbo_anum, &cbo_bnum}) {
    for (int n = 0; n <= kRows; ++n) count->entries.push_back(std::to_string(n));
  }
  for (ChanceSliders* sliders : {&sld_fc, &sld_ac, &sld_bc}) {
    for (Slider& slider : *sliders) slider.maximum = kHighestChance;
  }
}

void FrmMission::open() {
  for (Group group : {fighters(), attack(), bombers()}) {
    for (PickList& list : group.planes) {
      list.entries.assign(globals_.names.plane_names.begin(), globals_.names.plane_names.end());
    }
    // The rows show what Save would write, though no row is in use until a count is chosen.
    show_group(group);
    choose_count(group, 0);
  }
  globals_.mission_save_prompt = false;
}

void FrmMission::cbo_fnum_choose(int position) {
  choose_count(fighters(), position);
}
void FrmMission::cbo_anum_choose(int position) {
  choose_count(attack(), position);
}
void FrmMission::cbo_bnum_choose(int position) {
  choose_count(bombers(), position);
}

void FrmMission::cbo_fighter_choose(int row, int position) {
  choose_plane(fighters(), row, position);
}
void FrmMission::cbo_attack_choose(int row, int position) {
  choose_plane(attack(), row, position);
}
void FrmMission::cbo_bomber_choose(int row, int position) {
  choose_plane(bombers(), row, position);
}

void FrmMission::sld_fc_change(int row, int value) {
  change_chance(fighters(), row, value);
}
void FrmMission::sld_ac_change(int row, int value) {
  change_chance(attack(), row, value);
}
void FrmMission::sld_bc_change(int row, int value) {
  change_chance(bombers(), row, value);
}

void FrmMission::cmd_mload_click() {
  if (globals_.mission_save_prompt) {
    const MessageAnswer answer = ask_to_save(platform_, caption());
    if (answer == MessageAnswer::cancel) return;
    // The open dialog follows even when the save was cancelled or failed: cancelling it
    // still keeps the mission as it is.
    if (answer == MessageAnswer::yes) save();
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
  chosen_file_ = choice.path;
  lbl_m_file.caption = choice.title();
  for (Group group : {fighters(), attack(), bombers()}) show_group(group);
}

void FrmMission::cmd_msave_click() {
  save();
}

void FrmMission::cmd_close_click() {
  if (settle_unsaved_before_close()) close();
}

void FrmMission::frame_close() {
  lbl_m_file.caption = "NO OPEN FILE";
}

void FrmMission::choose_count(Group group, int position) {
  if (!names_entry(group.count, position)) return;
  group.count.position = position;
  for (int row = 0; row < kRows; ++row) {
    group.planes[row].visible = row < position;
    group.chances[row].visible = row < position;
  }
  group.record.count = static_cast<std::uint8_t>(position);
  globals_.mission_save_prompt = true;
}

void FrmMission::choose_plane(Group group, int row, int position) {
  if (!is_row(row) || !names_entry(group.planes[row], position)) return;
  group.planes[row].position = position;
  group.record.plane_type[row] = static_cast<std::uint8_t>(position);
}

void FrmMission::change_chance(Group group, int row, int value) {
  if (!is_row(row) || value < 0 || value > kHighestChance) return;
  group.chances[row].value = value;
  group.record.chance[row] = static_cast<std::uint8_t>(value);
}

void FrmMission::show_group(Group group) {
  // A count or plane type beyond the lists shows no entry and is kept as it is.
  group.count.position = position_of(group.count, group.record.count);
  for (int row = 0; row < kRows; ++row) {
    group.planes[row].position = position_of(group.planes[row], group.record.plane_type[row]);
    group.planes[row].visible = row < group.record.count;
    group.chances[row].value = group.record.chance[row];
    group.chances[row].visible = row < group.record.count;
  }
}

bool FrmMission::save() {
  const FileChoice choice = platform_.save_file(mission_dialog("Save As"));
  if (choice.cancelled()) return false;
  if (auto error = save_mission(choice.path, globals_.mission)) {
    show_error(platform_, error->message());
    return false;
  }
  chosen_file_ = choice.path;
  lbl_m_file.caption = choice.title();
  return true;
}

bool FrmMission::settle_unsaved_before_close() {
  switch (ask_to_save(platform_, caption())) {
    case MessageAnswer::yes:
      return save();
    case MessageAnswer::no:
      return true;
    case MessageAnswer::ok:
    case MessageAnswer::cancel:
      break;
  }
  return false;
}

void FrmMission::close() {
  lbl_m_file.caption = "NO OPEN FILE";
  platform_.close(*this);
}

FileDialog FrmMission::mission_dialog(std::string title) const {
  return {std::move(title), "Mission Files (*.dat)|misn*.dat", ".dat", chosen_file_};
}

}  // namespace zav
