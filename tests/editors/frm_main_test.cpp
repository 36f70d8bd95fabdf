#include <array>
#include <iterator>
#include <tuple>

#include "editors/scripted_platform.h"
#include "mission_bytes.h"
#include "string_file_bytes.h"

namespace zav::testing {
namespace {

// A target file of 302 records, all zero but the given {record, place, airfield}: the place is
// the 16-bit word at offset 20 of its record, the airfield number the one at offset 28.
std::vector<std::uint8_t> target_file_bytes(const std::vector<std::array<int, 3>>& records) {
  std::vector<std::uint8_t> bytes(302 * 32, 0);
  for (const auto& [index, place, airfield] : records) {
    for (const auto& [offset, value] : {std::pair{20, place}, std::pair{28, airfield}}) {
      bytes[index * 32 + offset] = static_cast<std::uint8_t>(value & 0xFF);
      bytes[index * 32 + offset + 1] = static_cast<std::uint8_t>(value >> 8);
    }
  }
  return bytes;
}

class FrmMainTest : public EditorTest {
 protected:
  // The user picks a new file with these bytes in the dialog of the button.
  void load(void (FrmMain::*click)(), const std::string& name,
            const std::vector<std::uint8_t>& bytes) {
    write_bytes(dir / name, bytes);
    platform.will(dir / name);
    (main.*click)();
  }
};

TEST_F(FrmMainTest, NameLoadersRefuseAWrongCountAndWeaponNamesFallBackToDefaults) {
  globals.names.weapon_names[0] = "changed";
  main.start_up();
  EXPECT_EQ(globals.names.weapon_names[0], "NONE");
  const struct {
    void (FrmMain::*click)();
    const char* title;
    int right, wrong;
    const char* refusal;
  } loaders[] = {
      {&FrmMain::cmd_loadwnames_click, "Load Weapon Names", 32, 33,
       "Invalid File.  Incorrect number of weapon names.  Must be under 32 strings"},
      {&FrmMain::cmd_pnames_click, "Load Plane Names", 30, 29,
       "Invalid File.  Incorrect number of plane names"},
      {&FrmMain::cmd_pnames_click, "Load Plane Names", 30, 31,
       "Invalid File.  Incorrect number of plane names"},
      {&FrmMain::cmd_bnames_click, "Load Place Names", 308, 307,
       "Invalid File.  Incorrect number of place names"},
  };
  for (const auto& loader : loaders) {
    SCOPED_TRACE(loader.title);
    // 116 bytes between the header and the first name, as in the game's plane file.
    load(loader.click, "right.str", string_file_bytes(numbered("n", loader.right), 116));
    load(loader.click, "wrong.str", string_file_bytes(numbered("x", loader.wrong)));
    EXPECT_EQ(error_text(), loader.refusal);
    EXPECT_EQ(platform.open_dialogs.back().filter, "String Files (*.str)|*.str");
  }
  EXPECT_EQ(globals.names.weapon_names[31], "n31");
  EXPECT_EQ(globals.names.plane_names[29], "n29");
  EXPECT_EQ(globals.names.place_names[307], "n307");

  // A short weapon file names the first weapons; the others go back to their defaults.
  load(&FrmMain::cmd_loadwnames_click, "three.str", string_file_bytes({"a", "b", "c"}));
  EXPECT_EQ(globals.names.weapon_names[2], "c");
  EXPECT_EQ(globals.names.weapon_names[3], "Bomb 500lb");
  EXPECT_EQ(globals.names.weapon_names[31], "SPARE 8");
  EXPECT_EQ(platform.messages.size(), 4u);
}

TEST_F(FrmMainTest, AirfieldDataNeedsPlaceNamesAndNamesAirfieldsAfterTheirPlaces) {
  EXPECT_FALSE(main.cmd_sqd.enabled);  // its editor is not built yet
  for (const Button* usable : {&main.cmd_loadwnames, &main.cmd_pnames, &main.cmd_bnames,
                               &main.cmd_miss, &main.cmd_camp, &main.cmd_exit}) {
    EXPECT_TRUE(usable->enabled) << usable->caption;
  }
  platform.will(kCancel);
  main.cmd_bnames_click();
  EXPECT_FALSE(main.cmd_airfield.enabled);
  load(&FrmMain::cmd_bnames_click, "places.str", string_file_bytes(numbered("place", 307)));
  EXPECT_FALSE(main.cmd_airfield.enabled);
  load(&FrmMain::cmd_bnames_click, "places.str", string_file_bytes(numbered("place", 308)));
  EXPECT_TRUE(main.cmd_airfield.enabled);
  load(&FrmMain::cmd_bnames_click, "bad.str", string_file_bytes({}));
  EXPECT_TRUE(main.cmd_airfield.enabled);  // a later failed load does not take it back

  globals.names.airfield_names[6] = "from an earlier load";
  load(&FrmMain::cmd_airfield_click, "targets.dat",
       target_file_bytes({{0, 3, 12}, {1, 5, 1}, {2, 9, 0}, {300, 4, 12}, {301, 300, 162}}));
  EXPECT_EQ(platform.open_dialogs.back().filter, "TARGETS.DAT|targets.dat");
  EXPECT_EQ(globals.names.airfield_names[0], "place5");
  EXPECT_EQ(globals.names.airfield_names[11], "place4");  // the later record wins
  EXPECT_EQ(globals.names.airfield_names[161], "place300");
  EXPECT_EQ(globals.names.airfield_names[6], "from an earlier load");  // no record names it
  EXPECT_EQ(platform.messages.size(), 2u);

  load(&FrmMain::cmd_airfield_click, "targets.dat", std::vector<std::uint8_t>(100, 1));
  EXPECT_TRUE(holds(error_text(), "targets.dat"));
  EXPECT_EQ(globals.names.airfield_names[0], "place5");
  platform.will(dir / "missing.str");
  main.cmd_pnames_click();
  EXPECT_TRUE(holds(error_text(), "missing.str"));
}

TEST_F(FrmMainTest, MissionFilesOpensTheEditorModallyAndExitQuits) {
  globals.mission_save_prompt = true;
  main.cmd_miss_click();
  EXPECT_FALSE(globals.mission_save_prompt);  // the editor was opened afresh
  main.cmd_exit_click();
  main.frame_close();
  EXPECT_EQ(platform.window_events, (Texts{"show_modal frm_mission", "quit", "quit"}));
}

// The mission editor, which "MISSION FILES" opens.

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
    editor.cmd_mload_click();
    return dir / name;
  }
  void save_as(const std::string& name) {
    platform.will(dir / name);
    editor.cmd_msave_click();
  }

  FrmMission editor{globals, platform};
};

TEST_F(FrmMissionTest, RowsShowTheMissionAndHiddenRowsKeepAndSaveTheirValues) {
  // Opening: no rows in use, but the hidden rows show what Save would write.
  globals.mission.bombers.plane_type[7] = 12;
  globals.mission.bombers.chance[7] = 200;
  globals.mission.bombers.count = 8;
  editor.open();
  EXPECT_EQ(editor.cbo_fighter[0].entries, Texts(30, ""));  // no plane names loaded yet
  EXPECT_EQ(editor.lbl_m_file.caption, "NO OPEN FILE");
  EXPECT_EQ(shown_groups(editor), (Texts{"0 00000000", "0 00000000", "0 00000000"}));
  EXPECT_EQ(globals.mission.bombers.count, 0);
  EXPECT_EQ(globals.mission.bombers.plane_type[7], 12);
  EXPECT_EQ(editor.cbo_bomber[7].position, 12);
  EXPECT_EQ(editor.sld_bc[7].value, 200);

  std::vector<std::uint8_t> bytes = distinct_mission_bytes(2, 0, 8);
  bytes[chance_at(kBombersAt, 4)] = 255;
  load("misn7.dat", bytes);
  EXPECT_EQ(platform.open_dialogs.at(0).filter, "Mission Files (*.dat)|misn*.dat");
  EXPECT_EQ(editor.lbl_m_file.caption, "misn7.dat");
  EXPECT_EQ(shown_groups(editor), (Texts{"2 11000000", "0 00000000", "8 11111111"}));
  EXPECT_EQ(editor.cbo_fighter[7].position, 8);  // hidden rows are filled too
  EXPECT_EQ(editor.sld_fc[7].value, 108);
  EXPECT_EQ(editor.sld_bc[4].value, 255);

  editor.cbo_fnum_choose(3);
  editor.cbo_bnum_choose(0);
  EXPECT_EQ(shown_groups(editor), (Texts{"3 11100000", "0 00000000", "0 00000000"}));
  editor.cbo_attack_choose(5, 29);  // changes in a hidden row are kept too
  editor.sld_ac_change(5, 255);
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

  editor.cbo_fighter_choose(1, -1);  // typed text that names no plane is not stored
  editor.cbo_fighter_choose(2, 30);
  save_as("misn_odd.dat");
  EXPECT_EQ(read_bytes(dir / "misn_odd.dat"), bytes);
}

TEST_F(FrmMissionTest, LoadAsksToSaveOnceALoadOrACountSetThePrompt) {
  editor.cbo_fighter_choose(0, 4);
  editor.sld_fc_change(0, 90);
  EXPECT_FALSE(globals.mission_save_prompt);  // plane lists and sliders do not set it
  // The first load asks nothing: an unscripted question would fail the test.
  const auto first = load("misn1.dat", distinct_mission_bytes(1, 2, 3));
  EXPECT_TRUE(globals.mission_save_prompt);

  platform.will(MessageAnswer::cancel);  // nothing changes and no dialog opens
  editor.cmd_mload_click();
  expect_asked_to_save("Missions");
  EXPECT_EQ(editor.lbl_m_file.caption, "misn1.dat");
  EXPECT_EQ(editor.cbo_anum.position, 2);

  // Yes: the mission is saved under the proposed name, then the other file loads.
  editor.cbo_fnum_choose(4);
  platform.will(MessageAnswer::yes, first);
  load("misn2.dat", distinct_mission_bytes(5, 5, 5));
  EXPECT_EQ(platform.save_dialogs.at(0).proposed, first);
  EXPECT_EQ(platform.save_dialogs[0].default_extension, ".dat");
  EXPECT_EQ(read_bytes(first)[0], 4);
  EXPECT_EQ(globals.mission.fighters.count, 5);
  EXPECT_EQ(editor.lbl_m_file.caption, "misn2.dat");

  platform.will(MessageAnswer::no);  // loads without saving
  load("misn3.dat", distinct_mission_bytes(6, 6, 6));
  EXPECT_EQ(globals.mission.fighters.count, 6);

  // Yes, then the save dialog cancelled: the open dialog still follows, and cancelling it
  // keeps the mission, as cancelling it after No and cancelling Save do.
  const Mission before = globals.mission;
  platform.will(MessageAnswer::yes, kCancel, kCancel, MessageAnswer::no, kCancel, kCancel);
  editor.cmd_mload_click();
  editor.cmd_mload_click();
  editor.cmd_msave_click();
  EXPECT_EQ(globals.mission, before);
  EXPECT_EQ(editor.lbl_m_file.caption, "misn3.dat");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);

  editor.open();  // opening clears the prompt; choosing a count sets it
  EXPECT_FALSE(globals.mission_save_prompt);
  editor.cbo_bnum_choose(0);
  EXPECT_TRUE(globals.mission_save_prompt);
}

TEST_F(FrmMissionTest, FailuresAreToldAndChangeNothingAndCloseAlwaysAsks) {
  load("misn1.dat", distinct_mission_bytes(1, 2, 3));
  const Mission before = globals.mission;
  platform.will(MessageAnswer::no);
  load("misn_short.dat", std::vector<std::uint8_t>(59, 0));
  EXPECT_TRUE(holds(error_text(), "misn_short.dat"));
  EXPECT_EQ(globals.mission, before);
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
  editor.cmd_close_click();
  expect_asked_to_save("Missions");  // even right after a save
  EXPECT_EQ(editor.lbl_m_file.caption, "misn1.dat");
  platform.will(MessageAnswer::yes, kCancel);
  editor.cmd_close_click();
  EXPECT_TRUE(platform.window_events.empty());  // no save happened: it stays open

  platform.will(MessageAnswer::yes, dir / "misn2.dat");
  editor.cmd_close_click();
  EXPECT_TRUE(std::filesystem::exists(dir / "misn2.dat"));
  EXPECT_EQ(platform.window_events, Texts{"close frm_mission"});
  EXPECT_EQ(editor.lbl_m_file.caption, "NO OPEN FILE");
  platform.will(MessageAnswer::no);
  editor.cmd_close_click();
  EXPECT_EQ(platform.window_events.size(), 2u);

  editor.lbl_m_file.caption = "misn2.dat";
  editor.frame_close();  // asks nothing
  EXPECT_EQ(editor.lbl_m_file.caption, "NO OPEN FILE");
}

}  // namespace
}  // namespace zav::testing
