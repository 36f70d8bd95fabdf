#include "editors/frm_mission/frm_mission.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "editors/scripted_platform.h"
#include "mission_bytes.h"
#include "temp_dir.h"

namespace zav {
namespace {

using testing::chance_at;
using testing::distinct_mission_bytes;
using testing::kAttackAt;
using testing::kBombersAt;
using testing::kFightersAt;
using testing::plane_at;
using testing::read_bytes;
using testing::write_bytes;

std::vector<bool> visible_rows(const FrmMission::PlaneLists& planes,
                               const FrmMission::ChanceSliders& chances) {
  std::vector<bool> visible;
  for (int row = 0; row < FrmMission::kRows; ++row) {
    EXPECT_EQ(planes[row].visible, chances[row].visible) << "row " << row;
    visible.push_back(planes[row].visible);
  }
  return visible;
}

const std::vector<bool> kNoRows(8, false);

class FrmMissionTest : public ::testing::Test {
 protected:
  FrmMissionTest() {
    for (int i = 0; i < 30; ++i) globals.names.plane_names[i] = "plane " + std::to_string(i);
    editor.open();
  }

  // Writes a mission file and loads it through the window, answering no question.
  std::filesystem::path load(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    write_bytes(dir / name, bytes);
    platform.will_choose_file(dir / name);
    editor.cmd_mload_click();
    return dir / name;
  }

  testing::TempDir dir;
  testing::ScriptedPlatform platform;
  Globals globals;
  FrmMission editor{globals, platform};
};

TEST_F(FrmMissionTest, OpenStartsWithNoRowsInUseButKeepsTheRows) {
  Globals fresh;
  fresh.mission.bombers.plane_type[7] = 12;
  fresh.mission.bombers.chance[7] = 200;
  fresh.mission.bombers.count = 8;
  fresh.mission_save_prompt = true;
  FrmMission opened(fresh, platform);
  opened.open();

  // No plane names loaded yet: thirty empty entries.
  EXPECT_EQ(opened.cbo_fighter[0].entries, std::vector<std::string>(30, ""));
  EXPECT_EQ(opened.caption(), "Missions");
  EXPECT_EQ(opened.lbl_m_file.caption, "NO OPEN FILE");
  EXPECT_EQ(opened.cbo_bnum.entries,
            (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6", "7", "8"}));
  for (const PickList* count : {&opened.cbo_fnum, &opened.cbo_anum, &opened.cbo_bnum}) {
    EXPECT_EQ(count->position, 0);
  }
  EXPECT_EQ(visible_rows(opened.cbo_bomber, opened.sld_bc), kNoRows);
  EXPECT_EQ(fresh.mission.bombers.count, 0);
  EXPECT_FALSE(fresh.mission_save_prompt);
  // The hidden rows show what Save would write.
  EXPECT_EQ(fresh.mission.bombers.plane_type[7], 12);
  EXPECT_EQ(opened.cbo_bomber[7].position, 12);
  EXPECT_EQ(opened.sld_bc[7].value, 200);
  EXPECT_EQ(opened.sld_bc[7].maximum, 255);
}

TEST_F(FrmMissionTest, CountShowsItsRowsAndHiddenRowsKeepAndSaveTheirValues) {
  load("misn1.dat", distinct_mission_bytes(8, 8, 8));

  editor.cbo_fnum_choose(3);
  EXPECT_EQ(visible_rows(editor.cbo_fighter, editor.sld_fc),
            (std::vector<bool>{true, true, true, false, false, false, false, false}));
  EXPECT_EQ(globals.mission.fighters.count, 3);
  editor.cbo_anum_choose(0);
  EXPECT_EQ(visible_rows(editor.cbo_attack, editor.sld_ac), kNoRows);

  // Changes in a hidden row are kept too.
  editor.cbo_attack_choose(5, 29);
  editor.sld_ac_change(5, 255);

  platform.will_choose_file(dir / "misn2.dat");
  editor.cmd_msave_click();
  std::vector<std::uint8_t> expected = distinct_mission_bytes(3, 0, 8);
  expected[plane_at(kAttackAt, 5)] = 29;
  expected[chance_at(kAttackAt, 5)] = 255;
  EXPECT_EQ(read_bytes(dir / "misn2.dat"), expected);
  EXPECT_EQ(editor.lbl_m_file.caption, "misn2.dat");
}

TEST_F(FrmMissionTest, LoadShowsEveryRowOfTheFile) {
  std::vector<std::uint8_t> bytes = distinct_mission_bytes(2, 0, 8);
  bytes[chance_at(kBombersAt, 4)] = 255;
  load("misn7.dat", bytes);

  ASSERT_EQ(platform.open_dialogs.size(), 1u);
  EXPECT_EQ(platform.open_dialogs[0].title, "Load File");
  EXPECT_EQ(platform.open_dialogs[0].filter, "Mission Files (*.dat)|misn*.dat");
  EXPECT_EQ(editor.lbl_m_file.caption, "misn7.dat");
  EXPECT_EQ(editor.cbo_fnum.position, 2);
  EXPECT_EQ(editor.cbo_anum.position, 0);
  EXPECT_EQ(editor.cbo_bnum.position, 8);
  EXPECT_EQ(visible_rows(editor.cbo_fighter, editor.sld_fc),
            (std::vector<bool>{true, true, false, false, false, false, false, false}));
  EXPECT_EQ(visible_rows(editor.cbo_attack, editor.sld_ac), kNoRows);
  EXPECT_EQ(visible_rows(editor.cbo_bomber, editor.sld_bc), std::vector<bool>(8, true));
  EXPECT_EQ(editor.cbo_fighter[7].position, 8);  // hidden rows are filled too
  EXPECT_EQ(editor.sld_fc[7].value, 108);
  EXPECT_EQ(editor.cbo_attack[0].position, 11);
  EXPECT_EQ(editor.sld_bc[4].value, 255);
}

TEST_F(FrmMissionTest, SavePromptIsSetByLoadAndCountsOnly) {
  editor.cbo_fighter_choose(0, 4);
  editor.sld_fc_change(0, 90);
  EXPECT_FALSE(globals.mission_save_prompt);
  load("misn1.dat", distinct_mission_bytes(1, 1, 1));  // no question asked
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(globals.mission_save_prompt);

  FrmMission reopened(globals, platform);
  reopened.open();
  EXPECT_FALSE(globals.mission_save_prompt);
  reopened.cbo_bnum_choose(0);
  EXPECT_TRUE(globals.mission_save_prompt);
}

TEST_F(FrmMissionTest, LoadQuestionYesSavesFirstNoLoadsCancelChangesNothing) {
  const auto first = load("misn1.dat", distinct_mission_bytes(1, 2, 3));

  // Cancel: nothing changes and no dialog opens.
  platform.will_answer(MessageAnswer::cancel);
  editor.cmd_mload_click();
  EXPECT_EQ(platform.open_dialogs.size(), 1u);
  EXPECT_EQ(editor.lbl_m_file.caption, "misn1.dat");
  EXPECT_EQ(editor.cbo_anum.position, 2);
  const Message& asked = platform.messages.back();
  EXPECT_EQ(asked.text, "Do you wish to save this file?");
  EXPECT_EQ(asked.icon, MessageIcon::critical);
  EXPECT_EQ(asked.buttons, MessageButtons::yes_no_cancel);

  // Yes: the record is saved under the proposed name, then the other file loads.
  editor.cbo_fnum_choose(4);
  platform.will_answer(MessageAnswer::yes);
  platform.will_choose_file(first);
  load("misn2.dat", distinct_mission_bytes(5, 5, 5));
  ASSERT_EQ(platform.save_dialogs.size(), 1u);
  EXPECT_EQ(platform.save_dialogs[0].title, "Save As");
  EXPECT_EQ(platform.save_dialogs[0].proposed, first);
  EXPECT_EQ(platform.save_dialogs[0].default_extension, ".dat");
  EXPECT_EQ(read_bytes(first)[0], 4);
  EXPECT_EQ(globals.mission.fighters.count, 5);
  EXPECT_EQ(editor.lbl_m_file.caption, "misn2.dat");

  // No: loads without saving.
  platform.will_answer(MessageAnswer::no);
  load("misn3.dat", distinct_mission_bytes(6, 6, 6));
  EXPECT_EQ(platform.save_dialogs.size(), 1u);
  EXPECT_EQ(globals.mission.fighters.count, 6);
  EXPECT_TRUE(platform.script_used_up());
}

TEST_F(FrmMissionTest, CancelledDialogsChangeNothing) {
  load("misn1.dat", distinct_mission_bytes(1, 2, 3));
  const Mission before = globals.mission;

  // Yes, then the save dialog cancelled: the open dialog still follows, and cancelling it
  // keeps the mission.
  platform.will_answer(MessageAnswer::yes);
  platform.will_cancel_file_dialog();
  platform.will_cancel_file_dialog();
  editor.cmd_mload_click();
  platform.will_answer(MessageAnswer::no);
  platform.will_cancel_file_dialog();
  editor.cmd_mload_click();
  platform.will_cancel_file_dialog();
  editor.cmd_msave_click();

  EXPECT_EQ(platform.open_dialogs.size(), 3u);
  EXPECT_EQ(globals.mission, before);
  EXPECT_EQ(editor.lbl_m_file.caption, "misn1.dat");
  EXPECT_EQ(std::filesystem::directory_iterator(dir.path())->path().filename(), "misn1.dat");
  EXPECT_TRUE(platform.script_used_up());
}

TEST_F(FrmMissionTest, FailedLoadOrSaveIsToldAndChangesNothing) {
  load("misn1.dat", distinct_mission_bytes(1, 2, 3));
  const Mission before = globals.mission;

  platform.will_answer(MessageAnswer::no);
  load("misn_short.dat", std::vector<std::uint8_t>(59, 0));
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].title, "ERROR!");
  EXPECT_EQ(platform.messages[1].icon, MessageIcon::critical);
  EXPECT_NE(platform.messages[1].text.find("misn_short.dat"), std::string::npos);
  EXPECT_EQ(globals.mission, before);
  EXPECT_EQ(editor.lbl_m_file.caption, "misn1.dat");
  EXPECT_EQ(editor.cbo_fnum.position, 1);

  std::filesystem::create_directory(dir / "misn_folder.dat");
  platform.will_choose_file(dir / "misn_folder.dat");
  editor.cmd_msave_click();
  ASSERT_EQ(platform.messages.size(), 3u);
  EXPECT_NE(platform.messages[2].text.find("misn_folder.dat"), std::string::npos);
  EXPECT_EQ(editor.lbl_m_file.caption, "misn1.dat");
  // The failed file is not offered for the next save.
  platform.will_choose_file(dir / "misn1.dat");
  editor.cmd_msave_click();
  EXPECT_EQ(platform.save_dialogs.back().proposed, dir / "misn1.dat");
}

TEST_F(FrmMissionTest, ValuesTheListsCannotShowAreKeptAsTheyAre) {
  std::vector<std::uint8_t> bytes = distinct_mission_bytes(9, 1, 1);
  bytes[plane_at(kFightersAt, 0)] = 40;
  load("misn_odd.dat", bytes);

  EXPECT_EQ(editor.cbo_fnum.position, -1);
  EXPECT_EQ(visible_rows(editor.cbo_fighter, editor.sld_fc), std::vector<bool>(8, true));
  EXPECT_EQ(editor.cbo_fighter[0].position, -1);
  editor.cbo_fighter_choose(1, -1);  // typed text that names no plane is not stored
  editor.cbo_fighter_choose(2, 30);

  platform.will_choose_file(dir / "misn_odd.dat");
  editor.cmd_msave_click();
  EXPECT_EQ(read_bytes(dir / "misn_odd.dat"), bytes);
}

TEST_F(FrmMissionTest, CloseAlwaysAsksUnlessTheFrameIsClosed) {
  platform.will_choose_file(dir / "misn1.dat");
  editor.cmd_msave_click();

  platform.will_answer(MessageAnswer::cancel);
  editor.cmd_close_click();
  EXPECT_EQ(platform.messages.size(), 1u);  // asked even right after a save
  EXPECT_TRUE(platform.window_events.empty());
  EXPECT_EQ(editor.lbl_m_file.caption, "misn1.dat");

  platform.will_answer(MessageAnswer::yes);
  platform.will_cancel_file_dialog();
  editor.cmd_close_click();
  EXPECT_TRUE(platform.window_events.empty());  // the save did not happen: stay open

  platform.will_answer(MessageAnswer::yes);
  platform.will_choose_file(dir / "misn2.dat");
  editor.cmd_close_click();
  EXPECT_TRUE(std::filesystem::exists(dir / "misn2.dat"));
  EXPECT_EQ(platform.window_events, std::vector<std::string>{"close frm_mission"});
  EXPECT_EQ(editor.lbl_m_file.caption, "NO OPEN FILE");

  platform.will_answer(MessageAnswer::no);
  editor.cmd_close_click();
  EXPECT_EQ(platform.window_events.size(), 2u);

  const std::size_t asked = platform.messages.size();
  editor.lbl_m_file.caption = "misn2.dat";
  editor.frame_close();
  EXPECT_EQ(platform.messages.size(), asked);
  EXPECT_EQ(editor.lbl_m_file.caption, "NO OPEN FILE");
  EXPECT_TRUE(platform.script_used_up());
}

}  // namespace
}  // namespace zav
