// File names in any script: what a user on any system may call a campaign folder.
#include "editors/scripted_platform.h"
#include "formats/path_text.h"

namespace zav::testing {
namespace {

// Latin with an umlaut, Cyrillic and Japanese: no ANSI code page of Windows spells all three.
const std::string kFolders = "Kämpfe/Кампании/キャンペーン";

TEST_F(EditorTest, CampaignsUnderFoldersNamedInAnyScriptLoadSaveAndAreNamedInMessages) {
  const std::filesystem::path folder = dir.path() / path_from_utf8(kFolders);
  std::filesystem::create_directories(folder);
  Campaign campaign;
  campaign.setup.num_spev = 3;
  ASSERT_FALSE(save_campaign(folder / path_from_utf8("camp-戦い.dat"), campaign));

  main.cmd_camp.click();
  FrmCampaign& editor = *registry.find<FrmCampaign>();
  platform.will(folder / path_from_utf8("camp-戦い.dat"));
  editor.cmd_cload.click();
  EXPECT_EQ(globals.campaign.record(), campaign);
  EXPECT_EQ(editor.lbl_currfile.caption, "camp-戦い.dat");

  hold(globals.campaign, [](Campaign& c) { c.setup.num_spm = 2; });
  platform.will(folder / path_from_utf8("camp-Сражение"));  // ".dat" is added
  editor.cmd_csave.click();
  EXPECT_EQ(editor.lbl_currfile.caption, "camp-Сражение.dat");
  EXPECT_EQ(load_campaign(folder / path_from_utf8("camp-Сражение.dat")).value(),
            globals.campaign.record());

  const std::filesystem::path missing = folder / path_from_utf8("camp-Битва.dat");
  platform.will(MessageAnswer::no, missing);
  editor.cmd_cload.click();
  EXPECT_TRUE(holds(error_text(), path_to_utf8(missing) + ": cannot be opened"));
  EXPECT_TRUE(holds(error_text(), "Kämpfe"));
}

}  // namespace
}  // namespace zav::testing
