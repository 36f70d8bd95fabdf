#include <filesystem>

#include "editors/scripted_platform.h"
#include "formats/mission_file.h"
#include "string_file_bytes.h"

// What the program keeps from one run for the next, and what it does with the files it is
// given on the command line or dropped on a window.
namespace zav::testing {
namespace {

class StartUp : public EditorTest {
 protected:
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

TEST_F(StartUp, TheNameFilesLoadedLastAreLoadedAgainAndOneNoLongerThereIsToldAndForgotten) {
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

TEST_F(StartUp, EachKindOfFileHasItsOwnLastFolderAndRecentFiles) {
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

TEST_F(StartUp, FilesGivenOpenInTheEditorTheirNamesTellAndOthersAreRefused) {
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

// What the save question and a refused file do is the same as for "Load File" (frm_campaign_test).
TEST_F(StartUp, AFileDroppedOnAnEditorAsksToSaveFirst) {
  Campaign second;
  second.setup.num_phases = 5;
  ASSERT_FALSE(save_campaign(dir / "camp1.dat", Campaign{}));
  ASSERT_FALSE(save_campaign(dir / "camp2.dat", second));
  main.cmd_camp.click();
  FrmCampaign& editor = *registry.find<FrmCampaign>();
  ASSERT_EQ(editor.loads_kind(), DataKind::campaign);
  editor.load_file(dir / "camp1.dat");
  EXPECT_TRUE(platform.messages.empty()) << "no file was open: nothing to ask";
  globals.campaign.edit([](Campaign& c) { c.setup.num_phases = 9; });
  const Campaign changed = globals.campaign.record();
  // Answered Yes: the changes are saved, then the dropped file loads.
  platform.will(MessageAnswer::yes, dir / "camp1.dat");
  editor.load_file(dir / "camp2.dat");
  expect_asked_to_save(editor.caption());
  EXPECT_EQ(globals.campaign.record(), second);
  EXPECT_EQ(editor.lbl_currfile.caption, "camp2.dat");
  const CampaignImage saved = encode_campaign(changed);
  EXPECT_EQ(read_bytes(dir / "camp1.dat"), std::vector<std::uint8_t>(saved.begin(), saved.end()));
}

}  // namespace
}  // namespace zav::testing
