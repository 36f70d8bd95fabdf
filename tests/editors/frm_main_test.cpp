#include "editors/frm_main/frm_main.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "editors/frm_campaign/frm_campaign.h"
#include "editors/scripted_platform.h"
#include "string_file_bytes.h"
#include "temp_dir.h"

namespace zav {
namespace {

using testing::numbered;
using testing::string_file_bytes;
using testing::write_bytes;

struct TargetRecordBytes {
  int index;
  std::int16_t place;
  std::int16_t airfield;
};

// A target file of 302 records, all zero but the given ones' place (offset 20) and airfield
// number (offset 28).
std::vector<std::uint8_t> target_file_bytes(const std::vector<TargetRecordBytes>& records) {
  std::vector<std::uint8_t> bytes(302 * 32, 0);
  for (const TargetRecordBytes& r : records) {
    const std::size_t at = static_cast<std::size_t>(r.index) * 32;
    bytes[at + 20] = static_cast<std::uint8_t>(r.place & 0xFF);
    bytes[at + 21] = static_cast<std::uint8_t>(r.place >> 8);
    bytes[at + 28] = static_cast<std::uint8_t>(r.airfield & 0xFF);
    bytes[at + 29] = static_cast<std::uint8_t>(r.airfield >> 8);
  }
  return bytes;
}

class FrmMainTest : public ::testing::Test {
 protected:
  FrmMainTest() { main.start_up(); }

  // Scripts the user to pick a new file with these bytes, then presses the button.
  void load(void (FrmMain::*click)(), const std::string& name,
            const std::vector<std::uint8_t>& bytes) {
    write_bytes(dir / name, bytes);
    platform.will_choose_file(dir / name);
    (main.*click)();
  }

  void expect_error(const std::string& text) {
    ASSERT_FALSE(platform.messages.empty());
    const Message& shown = platform.messages.back();
    EXPECT_EQ(shown.text, text);
    EXPECT_EQ(shown.title, "ERROR!");
    EXPECT_EQ(shown.icon, MessageIcon::critical);
    EXPECT_EQ(shown.buttons, MessageButtons::ok);
  }

  testing::TempDir dir;
  testing::ScriptedPlatform platform;
  WindowRegistry registry{platform};
  Globals globals;
  FrmMain main{globals, platform, registry};
};

TEST_F(FrmMainTest, StartsWithDefaultWeaponsAndOnlyTheUsableButtonsEnabled) {
  globals.names.weapon_names[0] = "changed";
  main.start_up();

  EXPECT_EQ(globals.names.weapon_names[0], "NONE");
  EXPECT_EQ(globals.names.weapon_names[31], "SPARE 8");
  EXPECT_EQ(main.caption(), "ZAV Campaign Editor");
  EXPECT_FALSE(main.cmd_airfield.enabled);
  EXPECT_FALSE(main.cmd_sqd.enabled);
  for (const Button* usable : {&main.cmd_loadwnames, &main.cmd_pnames, &main.cmd_bnames,
                               &main.cmd_miss, &main.cmd_camp, &main.cmd_exit}) {
    EXPECT_TRUE(usable->enabled) << usable->caption;
  }
}

TEST_F(FrmMainTest, WeaponLoadCountsAndDefaults) {
  load(&FrmMain::cmd_loadwnames_click, "many.str", string_file_bytes(numbered("w", 32)));
  EXPECT_EQ(globals.names.weapon_names[31], "w31");
  ASSERT_EQ(platform.open_dialogs.size(), 1u);
  EXPECT_EQ(platform.open_dialogs[0].title, "Load Weapon Names");
  EXPECT_EQ(platform.open_dialogs[0].filter, "String Files (*.str)|*.str");

  // Too many names: refused, and the table stays as the previous load left it.
  load(&FrmMain::cmd_loadwnames_click, "too_many.str", string_file_bytes(numbered("x", 33)));
  expect_error("Invalid File.  Incorrect number of weapon names.  Must be under 32 strings");
  EXPECT_EQ(globals.names.weapon_names[0], "w0");

  // A short file names the first weapons; the rest go back to their defaults.
  load(&FrmMain::cmd_loadwnames_click, "three.str", string_file_bytes({"a", "b", "c"}));
  EXPECT_EQ(globals.names.weapon_names[2], "c");
  EXPECT_EQ(globals.names.weapon_names[3], "Bomb 500lb");
  EXPECT_EQ(globals.names.weapon_names[31], "SPARE 8");
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(FrmMainTest, PlaneLoadTakesExactlyThirty) {
  for (int wrong : {29, 31}) {
    load(&FrmMain::cmd_pnames_click, "planes.str", string_file_bytes(numbered("p", wrong)));
    expect_error("Invalid File.  Incorrect number of plane names");
    EXPECT_EQ(globals.names.plane_names[0], "");
  }
  load(&FrmMain::cmd_pnames_click, "planes.str", string_file_bytes(numbered("p", 30), 116));
  EXPECT_EQ(globals.names.plane_names[0], "p0");
  EXPECT_EQ(globals.names.plane_names[29], "p29");
  EXPECT_EQ(platform.open_dialogs.back().title, "Load Plane Names");
}

TEST_F(FrmMainTest, AirfieldLoadIsEnabledOnlyBySuccessfulPlaceLoad) {
  platform.will_cancel_file_dialog();
  main.cmd_bnames_click();
  EXPECT_FALSE(main.cmd_airfield.enabled);

  load(&FrmMain::cmd_bnames_click, "places.str", string_file_bytes(numbered("place", 307)));
  expect_error("Invalid File.  Incorrect number of place names");
  EXPECT_FALSE(main.cmd_airfield.enabled);
  EXPECT_EQ(globals.names.place_names[0], "");

  load(&FrmMain::cmd_bnames_click, "places.str", string_file_bytes(numbered("place", 308)));
  EXPECT_EQ(platform.open_dialogs.back().title, "Load Place Names");
  EXPECT_EQ(globals.names.place_names[307], "place307");
  EXPECT_TRUE(main.cmd_airfield.enabled);

  // A later failed place load does not take it back.
  load(&FrmMain::cmd_bnames_click, "bad.str", string_file_bytes({}));
  EXPECT_TRUE(main.cmd_airfield.enabled);
  EXPECT_TRUE(platform.script_used_up());
}

TEST_F(FrmMainTest, AirfieldRecordsNameAirfieldsAfterTheirPlaces) {
  load(&FrmMain::cmd_bnames_click, "places.str", string_file_bytes(numbered("place", 308)));
  globals.names.airfield_names[6] = "from an earlier load";

  load(&FrmMain::cmd_airfield_click, "targets.dat",
       target_file_bytes({{0, 3, 12}, {1, 5, 1}, {2, 9, 0}, {300, 4, 12}, {301, 7, 162}}));

  EXPECT_EQ(platform.open_dialogs.back().title, "Load Airfield Data");
  EXPECT_EQ(platform.open_dialogs.back().filter, "TARGETS.DAT|targets.dat");
  EXPECT_EQ(globals.names.airfield_names[0], "place5");
  EXPECT_EQ(globals.names.airfield_names[11], "place4");  // the later record wins
  EXPECT_EQ(globals.names.airfield_names[161], "place7");
  EXPECT_EQ(globals.names.airfield_names[6], "from an earlier load");  // no record names it
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(FrmMainTest, UnreadableFilesAreToldByNameAndChangeNothing) {
  platform.will_choose_file(dir / "missing.str");
  main.cmd_pnames_click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].text.find("missing.str"), std::string::npos);
  EXPECT_EQ(platform.messages[0].title, "ERROR!");

  globals.names.airfield_names[0] = "kept";
  load(&FrmMain::cmd_airfield_click, "targets.dat", std::vector<std::uint8_t>(100, 1));
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_NE(platform.messages[1].text.find("targets.dat"), std::string::npos);
  EXPECT_EQ(globals.names.airfield_names[0], "kept");
}

TEST_F(FrmMainTest, MissionFilesOpensTheEditorModallyAndExitQuits) {
  globals.mission.fighters.count = 5;
  globals.mission_save_prompt = true;

  main.cmd_miss_click();
  EXPECT_EQ(globals.mission.fighters.count, 0);
  EXPECT_FALSE(globals.mission_save_prompt);

  main.cmd_exit_click();
  main.frame_close();
  EXPECT_EQ(platform.window_events,
            (std::vector<std::string>{"show_modal frm_mission", "quit", "quit"}));
  EXPECT_TRUE(platform.messages.empty());  // nothing is asked on the way out
}

TEST_F(FrmMainTest, CampaignFilesOpensOneCampaignEditorBesideTheHiddenMainWindow) {
  main.cmd_camp_click();
  FrmCampaign* campaign = registry.find<FrmCampaign>();
  ASSERT_NE(campaign, nullptr);
  EXPECT_EQ(campaign->lbl_currfile.caption, "NO OPEN FILE");

  // A second press brings the open editor forward instead of opening another.
  main.cmd_camp_click();
  EXPECT_EQ(registry.find<FrmCampaign>(), campaign);
  EXPECT_EQ(platform.window_events, (std::vector<std::string>{"hide frm_main", "show frm_campaign",
                                                              "bring_forward frm_campaign"}));

  campaign->cmd_close_click();
  EXPECT_EQ(registry.find<FrmCampaign>(), nullptr);
  EXPECT_EQ(platform.window_events.back(), "show frm_main");
  main.cmd_camp_click();
  EXPECT_NE(registry.find<FrmCampaign>(), nullptr);
  EXPECT_EQ(platform.window_events.back(), "show frm_campaign");
}

}  // namespace
}  // namespace zav
