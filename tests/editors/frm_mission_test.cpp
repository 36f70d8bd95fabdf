#include <filesystem>
#include <iterator>
#include <tuple>

#include "editors/scripted_platform.h"
#include "mission_bytes.h"

namespace zav::testing {
namespace {

// Each group's count position, then its rows, "1" for a shown row: "2 11000000".
Texts shown_groups(const FrmMission& m) {
  Texts shown;
  for (const auto& [count, planes, chances] :
       {std::tie(m.cbo_fnum, m.cbo_fighter, m.sld_fc), std::tie(m.cbo_anum, m.cbo_attack, m.sld_ac),
        std::tie(m.cbo_bnum, m.cbo_bomber, m.sld_bc)}) {
    std::string group = std::to_string(count.position) + " ";
    for (int row = 0; row < FrmMission::kRows; ++row) {
      EXPECT_EQ(planes[row].visible, chances[row].visible) << "row " << row;
      group += planes[row].visible ? '1' : '0';
    }
    shown.push_back(group);
  }
  return shown;
}

class FrmMissionTest : public EditorTest {
 protected:
  FrmMissionTest() { editor.open(); }

  // Writes a mission file and loads it through the window.
  std::filesystem::path load(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    write_bytes(dir / name, bytes);
    platform.will(dir / name);
    editor.cmd_mload.click();
    return dir / name;
  }
  void save_as(const std::string& name) {
    platform.will(dir / name);
    editor.cmd_msave.click();
  }

  FrmMission editor{globals, platform};
};

TEST_F(FrmMissionTest, RowsShowTheMissionAndHiddenRowsKeepAndSaveTheirValues) {
  // Opening: no rows in use, but the hidden rows show what Save would write.
  hold(globals.mission, [](Mission& m) {
    m.bombers.plane_type[7] = 12;
    m.bombers.chance[7] = 200;
    m.bombers.count = 8;
  });
  editor.open();
  EXPECT_EQ(editor.cbo_fighter[0].entries, Texts(30, ""));  // no plane names loaded yet
  EXPECT_EQ(editor.lbl_m_file.caption, "NO OPEN FILE");
  EXPECT_EQ(shown_groups(editor), (Texts{"0 00000000", "0 00000000", "0 00000000"}));
  EXPECT_EQ(globals.mission.record().bombers.count, 0);
  EXPECT_EQ(globals.mission.record().bombers.plane_type[7], 12);
  EXPECT_EQ(editor.cbo_bomber[7].position, 12);
  EXPECT_EQ(editor.sld_bc[7].value, 200);

  std::vector<std::uint8_t> bytes = distinct_mission_bytes(2, 0, 8);
  bytes[chance_at(kBombersAt, 4)] = 255;
  load("misn7.dat", bytes);
  EXPECT_EQ(editor.lbl_m_file.caption, "misn7.dat");
  EXPECT_EQ(shown_groups(editor), (Texts{"2 11000000", "0 00000000", "8 11111111"}));
  EXPECT_EQ(editor.cbo_fighter[7].position, 8);  // hidden rows are filled too
  EXPECT_EQ(editor.sld_fc[7].value, 108);
  EXPECT_EQ(editor.sld_bc[4].value, 255);

  editor.cbo_fnum.choose(3);
  editor.cbo_bnum.choose(0);
  EXPECT_EQ(shown_groups(editor), (Texts{"3 11100000", "0 00000000", "0 00000000"}));
  editor.cbo_attack[5].choose(29);  // changes in a hidden row are kept too
  editor.sld_ac[5].move(255);
  save_as("misn2.dat");
  std::vector<std::uint8_t> expected = distinct_mission_bytes(3, 0, 0);
  expected[chance_at(kBombersAt, 4)] = 255;
  expected[plane_at(kAttackAt, 5)] = 29;
  expected[chance_at(kAttackAt, 5)] = 255;
  EXPECT_EQ(read_bytes(dir / "misn2.dat"), expected);
  EXPECT_EQ(editor.lbl_m_file.caption, "misn2.dat");

  // A count above 8 or a plane type above 29 shows no entry and is kept as it is.
  bytes = distinct_mission_bytes(9, 1, 1);
  bytes[plane_at(kFightersAt, 0)] = 40;
  platform.will(MessageAnswer::no);
  load("misn_odd.dat", bytes);
  EXPECT_EQ(shown_groups(editor), (Texts{"-1 11111111", "1 10000000", "1 10000000"}));
  EXPECT_EQ(editor.cbo_fighter[0].position, -1);

  editor.cbo_fighter[1].choose(-1);  // typed text that names no plane is not stored
  editor.cbo_fighter[2].choose(30);
  save_as("misn_odd.dat");
  EXPECT_EQ(read_bytes(dir / "misn_odd.dat"), bytes);
}

TEST_F(FrmMissionTest, LoadAsksToSaveOnceALoadOrACountSetThePrompt) {
  // Plane types and chances make the mission unsaved, which asks as the prompt does; an
  // opening takes the mission as it stands.
  editor.cbo_fighter[0].choose(4);
  editor.sld_fc[0].move(90);
  EXPECT_FALSE(globals.mission_save_prompt);
  EXPECT_TRUE(editor.unsaved_changes());
  editor.open();
  EXPECT_FALSE(editor.unsaved_changes());
  // The first load asks nothing: an unscripted question would fail the test.
  const auto first = load("misn1.dat", distinct_mission_bytes(1, 2, 3));
  EXPECT_TRUE(globals.mission_save_prompt);

  platform.will(MessageAnswer::cancel);  // nothing changes and no dialog opens
  editor.cmd_mload.click();
  expect_asked_to_save("Missions");
  EXPECT_EQ(editor.lbl_m_file.caption, "misn1.dat");
  EXPECT_EQ(editor.cbo_anum.position, 2);

  // Yes: the mission is saved under the proposed name, then the other file loads.
  editor.cbo_fnum.choose(4);
  platform.will(MessageAnswer::yes, first);
  load("misn2.dat", distinct_mission_bytes(5, 5, 5));
  EXPECT_EQ(platform.save_dialogs.at(0).proposed, first);
  EXPECT_EQ(read_bytes(first)[0], 4);
  EXPECT_EQ(globals.mission.record().fighters.count, 5);
  EXPECT_EQ(editor.lbl_m_file.caption, "misn2.dat");

  platform.will(MessageAnswer::no);  // loads without saving
  load("misn3.dat", distinct_mission_bytes(6, 6, 6));
  EXPECT_EQ(globals.mission.record().fighters.count, 6);

  // Yes, then the save dialog cancelled: the open dialog still follows, and cancelling it
  // keeps the mission, as cancelling it after No and cancelling Save do.
  const Mission before = globals.mission.record();
  platform.will(MessageAnswer::yes, kCancel, kCancel, MessageAnswer::no, kCancel, kCancel);
  editor.cmd_mload.click();
  editor.cmd_mload.click();
  editor.cmd_msave.click();
  EXPECT_EQ(globals.mission.record(), before);
  EXPECT_EQ(editor.lbl_m_file.caption, "misn3.dat");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
  EXPECT_EQ(platform.open_dialogs.size(), 5u);

  // Yes, then a save that fails: the load stops there and the unsaved mission stays.
  editor.cbo_fnum.choose(7);
  const Mission unsaved = globals.mission.record();
  std::filesystem::create_directory(dir / "misn_folder.dat");
  platform.will(MessageAnswer::yes, dir / "misn_folder.dat");
  editor.cmd_mload.click();
  EXPECT_TRUE(holds(error_text(), "misn_folder.dat"));
  EXPECT_EQ(platform.open_dialogs.size(), 5u);  // no open dialog followed
  EXPECT_EQ(globals.mission.record(), unsaved);
  EXPECT_TRUE(editor.unsaved_changes());

  editor.open();  // opening clears the prompt; choosing a count sets it
  EXPECT_FALSE(globals.mission_save_prompt);
  editor.cbo_bnum.choose(0);
  EXPECT_TRUE(globals.mission_save_prompt);
}

TEST_F(FrmMissionTest, FailuresAreToldAndChangeNothingAndCloseAlwaysAsks) {
  load("misn1.dat", distinct_mission_bytes(1, 2, 3));
  const Mission before = globals.mission.record();
  platform.will(MessageAnswer::no);
  load("misn_short.dat", std::vector<std::uint8_t>(59, 0));
  EXPECT_TRUE(holds(error_text(), "misn_short.dat: is not a mission file: it has 59 bytes"));
  EXPECT_EQ(globals.mission.record(), before);
  EXPECT_EQ(editor.lbl_m_file.caption, "misn1.dat");
  EXPECT_EQ(editor.cbo_fnum.position, 1);

  std::filesystem::create_directory(dir / "misn_folder.dat");
  save_as("misn_folder.dat");
  EXPECT_TRUE(holds(error_text(), "misn_folder.dat"));
  EXPECT_EQ(editor.lbl_m_file.caption, "misn1.dat");
  save_as("misn1.dat");  // the failed file is not offered for the next save
  EXPECT_EQ(platform.save_dialogs.back().proposed, dir / "misn1.dat");
  EXPECT_EQ(platform.messages.size(), 3u);

  platform.will(MessageAnswer::cancel);
  editor.cmd_close.click();
  expect_asked_to_save("Missions");  // even right after a save
  EXPECT_EQ(editor.lbl_m_file.caption, "misn1.dat");
  platform.will(MessageAnswer::yes, kCancel);
  editor.cmd_close.click();
  EXPECT_TRUE(platform.window_events.empty());  // no save happened: it stays open

  platform.will(MessageAnswer::yes, dir / "misn2.dat");
  editor.cmd_close.click();
  EXPECT_TRUE(std::filesystem::exists(dir / "misn2.dat"));
  EXPECT_EQ(platform.window_events, Texts{"close frm_mission"});
  EXPECT_EQ(editor.lbl_m_file.caption, "NO OPEN FILE");
  platform.will(MessageAnswer::no);
  editor.cmd_close.click();
  EXPECT_EQ(platform.window_events.size(), 2u);

  // The frame asks only while there are unsaved changes, which it would drop.
  editor.lbl_m_file.caption = "misn2.dat";
  EXPECT_TRUE(editor.frame_close());
  EXPECT_EQ(editor.lbl_m_file.caption, "NO OPEN FILE");
  editor.sld_ac[0].move(9);
  platform.will(MessageAnswer::cancel, MessageAnswer::no);
  EXPECT_FALSE(editor.frame_close());
  EXPECT_TRUE(editor.frame_close());
}

// That undoing every step gives back the loaded mission, and redoing the edited one, is
// checked over thousands of random edits in random_user_test.cpp; here, each change is one
// step and the rows follow.
TEST_F(FrmMissionTest, EveryRowAndCountChangeIsOneStepAndTheRowsFollowUndoAndRedo) {
  load("misn1.dat", distinct_mission_bytes(2, 0, 8));
  editor.cbo_fnum.choose(5);
  editor.cbo_fighter[4].choose(29);
  editor.sld_fc[4].move(255);
  editor.cbo_bnum.choose(1);
  editor.sld_bc[7].move(3);  // a hidden row keeps and changes its value
  for (int step = 0; step < 5; ++step) editor.undo();
  EXPECT_FALSE(editor.unsaved_changes());
  EXPECT_EQ(shown_groups(editor)[0], "2 11000000");
  while (globals.mission.can_redo()) editor.redo();
  EXPECT_EQ(shown_groups(editor)[2], "1 10000000");
  EXPECT_EQ(editor.sld_fc[4].value, 255);
  EXPECT_TRUE(editor.unsaved_changes());
}

}  // namespace
}  // namespace zav::testing
