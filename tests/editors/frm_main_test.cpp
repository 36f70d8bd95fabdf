#include <array>
#include <filesystem>

#include "editors/scripted_platform.h"
#include "formats/mission_file.h"
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
  void load(Button FrmMain::*button, const std::string& name,
            const std::vector<std::uint8_t>& bytes) {
    write_bytes(dir / name, bytes);
    platform.will(dir / name);
    (main.*button).click();
  }

  // A later run of the program for the same user: new windows over new tables, with what this
  // run kept.
  struct NextRun {
    explicit NextRun(const ScriptedPlatform& kept) { platform.settings = kept.settings; }
    Globals globals;
    ScriptedPlatform platform;
    WindowRegistry registry{platform};
    FrmMain main{globals, platform, registry};
  };

  std::filesystem::path names_file(const std::string& name, int count) {
    write_bytes(dir / name, string_file_bytes(numbered(name + " ", count)));
    return dir / name;
  }
};

TEST_F(FrmMainTest, NameLoadersRefuseAWrongCountAndWeaponNamesFallBackToDefaults) {
  globals.names.weapon_names[0] = "changed";
  main.start_up();
  EXPECT_EQ(globals.names.weapon_names[0], "NONE");
  const struct {
    Button FrmMain::*button;
    const char* title;
    int right, wrong;
    const char* refusal;
  } loaders[] = {
      {&FrmMain::cmd_loadwnames, "Load Weapon Names", 32, 33,
       "Invalid File.  Incorrect number of weapon names.  Must be under 32 strings"},
      {&FrmMain::cmd_pnames, "Load Plane Names", 30, 29,
       "Invalid File.  Incorrect number of plane names"},
      {&FrmMain::cmd_pnames, "Load Plane Names", 30, 31,
       "Invalid File.  Incorrect number of plane names"},
      {&FrmMain::cmd_bnames, "Load Place Names", 308, 307,
       "Invalid File.  Incorrect number of place names"},
  };
  for (const auto& loader : loaders) {
    SCOPED_TRACE(loader.title);
    // 116 bytes between the header and the first name, as in the game's plane file.
    load(loader.button, "right.str", string_file_bytes(numbered("n", loader.right), 116));
    load(loader.button, "wrong.str", string_file_bytes(numbered("x", loader.wrong)));
    EXPECT_EQ(error_text(), loader.refusal);
  }
  EXPECT_EQ(globals.names.weapon_names[31], "n31");
  EXPECT_EQ(globals.names.plane_names[29], "n29");
  EXPECT_EQ(globals.names.place_names[307], "n307");

  // A short weapon file names the first weapons; the others go back to their defaults.
  load(&FrmMain::cmd_loadwnames, "three.str", string_file_bytes({"a", "b", "c"}));
  EXPECT_EQ(globals.names.weapon_names[2], "c");
  EXPECT_EQ(globals.names.weapon_names[3], "Bomb 500lb");
  EXPECT_EQ(globals.names.weapon_names[31], "SPARE 8");
  EXPECT_EQ(platform.messages.size(), 4u);
}

TEST_F(FrmMainTest, AirfieldDataNeedsPlaceNamesAndNamesAirfieldsAfterTheirPlaces) {
  platform.will(kCancel);
  main.cmd_bnames.click();
  EXPECT_FALSE(main.cmd_airfield.enabled);
  load(&FrmMain::cmd_bnames, "places.str", string_file_bytes(numbered("place", 307)));
  EXPECT_FALSE(main.cmd_airfield.enabled);
  load(&FrmMain::cmd_bnames, "places.str", string_file_bytes(numbered("place", 308)));
  EXPECT_TRUE(main.cmd_airfield.enabled);
  load(&FrmMain::cmd_bnames, "bad.str", string_file_bytes({}));
  EXPECT_TRUE(main.cmd_airfield.enabled);  // a later failed load does not take it back

  globals.names.airfield_names[6] = "from an earlier load";
  load(&FrmMain::cmd_airfield, "targets.dat",
       target_file_bytes({{0, 3, 12}, {1, 5, 1}, {2, 9, 0}, {300, 4, 12}, {301, 300, 162}}));
  EXPECT_EQ(globals.names.airfield_names[0], "place5");
  EXPECT_EQ(globals.names.airfield_names[11], "place4");  // the later record wins
  EXPECT_EQ(globals.names.airfield_names[161], "place300");
  EXPECT_EQ(globals.names.airfield_names[6], "from an earlier load");  // no record names it
  EXPECT_EQ(platform.messages.size(), 2u);

  load(&FrmMain::cmd_airfield, "targets.dat", std::vector<std::uint8_t>(100, 1));
  EXPECT_TRUE(holds(error_text(), "targets.dat"));
  EXPECT_EQ(globals.names.airfield_names[0], "place5");
  EXPECT_EQ(main.lbl_airfields_from.caption, "targets.dat: 4 airfields named");
}

// What the program keeps from one run for the next, and what it does with the files it is
// given on the command line.
TEST_F(FrmMainTest, TheNameFilesLoadedLastAreLoadedAgainAndOneNoLongerThereIsToldAndForgotten) {
  platform.will(names_file("planes.str", 30), names_file("places.str", 308), kCancel);
  main.cmd_pnames.click();
  main.cmd_bnames.click();
  main.cmd_loadwnames.click();  // cancelled: nothing is kept for the weapons

  NextRun second(platform);
  second.main.start_up();
  EXPECT_EQ(second.globals.names.plane_names[29], "planes.str 29");
  EXPECT_EQ(second.globals.names.place_names[307], "places.str 307");
  EXPECT_EQ(second.globals.names.weapon_names[0], "NONE");
  EXPECT_TRUE(second.main.cmd_airfield.enabled);
  EXPECT_TRUE(second.platform.messages.empty());
  // Beside each button, where its names came from.
  EXPECT_EQ(second.main.lbl_planes_from.caption, "planes.str: 30 names");
  EXPECT_EQ(second.main.lbl_places_from.caption, "places.str: 308 names");
  EXPECT_EQ(second.main.lbl_weapons_from.caption, "built-in names");
  EXPECT_EQ(second.main.lbl_airfields_from.caption, "not loaded");

  // The plane file is gone and the place file now holds a count the table refuses: each is
  // told once, naming its file, and the tables keep what they held.
  std::filesystem::remove(dir / "planes.str");
  names_file("places.str", 10);
  NextRun third(platform);
  third.main.start_up();
  ASSERT_EQ(third.platform.messages.size(), 2u);
  EXPECT_TRUE(holds(third.platform.messages[0].text, path_to_utf8(dir / "planes.str")));
  EXPECT_EQ(third.platform.messages[1].text,
            path_to_utf8(dir / "places.str") + ": Invalid File.  Incorrect number of place names");
  EXPECT_EQ(third.globals.names.plane_names[29], "");
  EXPECT_FALSE(third.main.cmd_airfield.enabled);
  EXPECT_EQ(third.main.lbl_planes_from.caption, "not loaded");
  NextRun fourth(third.platform);
  fourth.main.start_up();
  EXPECT_TRUE(fourth.platform.messages.empty());

  // Files given when the program starts are loaded instead of those kept.
  NextRun given(platform);
  given.main.start_up({.planes = names_file("other.str", 30)});
  EXPECT_EQ(given.globals.names.plane_names[0], "other.str 0");
}

TEST_F(FrmMainTest, EachKindOfFileHasItsOwnLastFolderAndRecentFiles) {
  std::filesystem::create_directories(dir / "campaigns");
  const std::filesystem::path camp = dir / "campaigns" / "camp1.dat";
  ASSERT_FALSE(save_campaign(camp, Campaign{}));
  main.cmd_camp.click();
  FrmCampaign& editor = *registry.find<FrmCampaign>();
  platform.will(camp, names_file("planes.str", 30));
  editor.cmd_cload.click();
  main.cmd_pnames.click();

  NextRun next(platform);
  next.main.cmd_camp.click();
  next.platform.will(kCancel, kCancel);
  next.registry.find<FrmCampaign>()->cmd_cload.click();
  next.main.cmd_bnames.click();
  const FileDialog& campaigns = next.platform.open_dialogs.at(0);
  EXPECT_EQ(campaigns.folder, dir / "campaigns");
  EXPECT_EQ(campaigns.recent, std::vector{camp});
  EXPECT_EQ(next.platform.open_dialogs.at(1).folder, dir.path()) << "string files are kept apart";

  // Save As offers the file held, in its own folder; what it writes becomes the latest.
  platform.will(dir / "camp2.dat");
  editor.cmd_csave.click();
  EXPECT_EQ(platform.save_dialogs.at(0).proposed, camp);
  NextRun last(platform);
  last.main.cmd_camp.click();
  last.platform.will(kCancel);
  last.registry.find<FrmCampaign>()->cmd_cload.click();
  EXPECT_EQ(last.platform.open_dialogs.at(0).recent, (std::vector{dir / "camp2.dat", camp}));
}

TEST_F(FrmMainTest, FilesGivenOpenInTheEditorTheirNamesTellAndOthersAreRefused) {
  Campaign campaign;
  campaign.setup.num_phases = 4;
  ASSERT_FALSE(save_campaign(dir / "CAMP07.DAT", campaign));
  Mission mission;
  mission.fighters.count = 3;
  ASSERT_FALSE(save_mission(dir / "misn02.dat", mission));
  write_bytes(dir / "names.str", string_file_bytes({"a"}));
  write_bytes(dir / "data.bin", {1, 2, 3});

  for (const char* file : {"CAMP07.DAT", "misn02.dat", "data.bin", "names.str"}) {
    main.open_file(dir / file);
  }
  EXPECT_EQ(globals.campaign.record(), campaign);
  EXPECT_EQ(registry.find<FrmCampaign>()->lbl_currfile.caption, "CAMP07.DAT");
  EXPECT_EQ(globals.mission.record(), mission);
  EXPECT_EQ(globals.mission.file(), dir / "misn02.dat");
  EXPECT_EQ(platform.window_events,
            (Texts{"hide frm_main", "show frm_campaign", "show_modal frm_mission"}));
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_TRUE(holds(platform.messages[0].text,
                    "data.bin: the kind of this file cannot be told "
                    "from its name. Name a campaign camp*.dat"));
  EXPECT_TRUE(holds(platform.messages[1].text, "names.str: name files are given with --weapons"));
  EXPECT_TRUE(platform.open_dialogs.empty());
}

}  // namespace
}  // namespace zav::testing
