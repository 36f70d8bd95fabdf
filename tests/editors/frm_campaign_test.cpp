#include "editors/frm_campaign/frm_campaign.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "editors/frm_c_setup/frm_c_setup.h"
#include "editors/frm_c_v1missions/frm_c_v1missions.h"
#include "editors/scripted_platform.h"
#include "formats/campaign_file.h"
#include "temp_dir.h"

namespace zav {
namespace {

class MainWindowStandIn : public Window {
 public:
  std::string_view form_name() const override { return "frm_main"; }
  std::string caption() const override { return "ZAV Campaign Editor"; }
};

Campaign sample_campaign(int num_spev) {
  Campaign campaign;
  campaign.setup.start_year = 1943;
  campaign.setup.num_sqns = 12;
  campaign.setup.num_spev = static_cast<std::uint8_t>(num_spev);
  campaign.phases[24].us_oil = 1500;
  campaign.v1_speech.v1_ground_speech = 17;
  return campaign;
}

class CampaignEditor : public ::testing::Test {
 protected:
  CampaignEditor() {
    EXPECT_FALSE(save_campaign(camp1, sample_campaign(0)));
    EXPECT_FALSE(save_campaign(camp2, sample_campaign(3)));
  }

  FrmCampaign& open_editor() {
    return registry.show<FrmCampaign>([&] {
      auto editor = std::make_unique<FrmCampaign>(globals, platform, registry, main_window);
      editor->open();
      return editor;
    });
  }

  std::vector<const Button*> sections_and_save(const FrmCampaign& editor) const {
    return {&editor.cmd_setup,    &editor.cmd_phases,     &editor.cmd_planes,
            &editor.cmd_gf,       &editor.cmd_af,         &editor.cmd_events,
            &editor.cmd_missions, &editor.cmd_v1missions, &editor.cmd_csave};
  }

  void expect_start_state(const FrmCampaign& editor) const {
    for (const Button* button : sections_and_save(editor)) {
      EXPECT_FALSE(button->enabled) << button->caption;
    }
    EXPECT_TRUE(editor.cmd_cload.enabled);
    EXPECT_TRUE(editor.cmd_close.enabled);
    EXPECT_EQ(editor.lbl_currfile.caption, "NO OPEN FILE");
  }

  testing::TempDir dir;
  std::filesystem::path camp1 = dir / "camp1.dat";
  std::filesystem::path camp2 = dir / "camp2.dat";
  testing::ScriptedPlatform platform;
  WindowRegistry registry{platform};
  Globals globals;
  MainWindowStandIn main_window;
};

TEST_F(CampaignEditor, LoadFillsTheRecordAndEnablesTheSections) {
  FrmCampaign& editor = open_editor();
  EXPECT_EQ(platform.window_events,
            (std::vector<std::string>{"hide frm_main", "show frm_campaign"}));
  expect_start_state(editor);

  platform.will_choose_file(camp1);
  editor.cmd_cload_click();

  ASSERT_EQ(platform.open_dialogs.size(), 1u);
  EXPECT_EQ(platform.open_dialogs[0].title, "Load File");
  EXPECT_EQ(platform.open_dialogs[0].filter, "Campaign Files (*.dat)|camp*.dat");
  EXPECT_EQ(platform.open_dialogs[0].default_extension, ".dat");
  EXPECT_TRUE(platform.messages.empty());  // nothing was held: no question
  EXPECT_EQ(globals.campaign, sample_campaign(0));
  EXPECT_TRUE(globals.campaign_open);
  EXPECT_EQ(editor.lbl_currfile.caption, "camp1.dat");
  for (const Button* button : sections_and_save(editor)) {
    EXPECT_TRUE(button->enabled) << button->caption;
  }
}

TEST_F(CampaignEditor, SecondLoadAsksToSaveFirst) {
  FrmCampaign& editor = open_editor();
  platform.will_choose_file(camp1);
  editor.cmd_cload_click();
  globals.campaign.setup.num_spm = 9;  // an edit made in a section editor

  // Cancel: no dialog, nothing changes.
  platform.will_answer(MessageAnswer::cancel);
  editor.cmd_cload_click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Do you wish to save this file?");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::critical);
  EXPECT_EQ(platform.messages[0].buttons, MessageButtons::yes_no_cancel);
  EXPECT_EQ(platform.open_dialogs.size(), 1u);
  EXPECT_TRUE(platform.save_dialogs.empty());
  EXPECT_EQ(globals.campaign.setup.num_spm, 9);
  EXPECT_EQ(editor.lbl_currfile.caption, "camp1.dat");

  // Yes, then a cancelled save dialog: nothing is written, and the load still goes on.
  platform.will_answer(MessageAnswer::yes);
  platform.will_cancel_file_dialog();
  platform.will_choose_file(camp2);
  editor.cmd_cload_click();
  ASSERT_EQ(platform.save_dialogs.size(), 1u);
  EXPECT_EQ(platform.save_dialogs[0].title, "Save As");
  EXPECT_EQ(platform.open_dialogs.size(), 2u);
  EXPECT_EQ(globals.campaign, sample_campaign(3));
  EXPECT_EQ(editor.lbl_currfile.caption, "camp2.dat");

  // Yes, saved under a name typed without an extension: ".dat" is added.
  globals.campaign.setup.num_spm = 4;
  const Campaign edited = globals.campaign;
  platform.will_answer(MessageAnswer::yes);
  platform.will_choose_file(dir / "campmine");
  platform.will_choose_file(camp1);
  editor.cmd_cload_click();
  const CampaignImage expected = encode_campaign(edited);
  EXPECT_EQ(testing::read_bytes(dir / "campmine.dat"),
            std::vector<std::uint8_t>(expected.begin(), expected.end()));
  EXPECT_FALSE(std::filesystem::exists(dir / "campmine"));
  EXPECT_EQ(globals.campaign, sample_campaign(0));

  // No: straight to the open dialog.
  platform.will_answer(MessageAnswer::no);
  platform.will_choose_file(camp2);
  editor.cmd_cload_click();
  EXPECT_EQ(platform.save_dialogs.size(), 2u);
  EXPECT_EQ(globals.campaign, sample_campaign(3));
  EXPECT_TRUE(platform.script_used_up());
}

TEST_F(CampaignEditor, FailedLoadOrSaveIsToldAndChangesNothing) {
  FrmCampaign& editor = open_editor();
  const std::filesystem::path missing = dir / "campnone.dat";
  platform.will_choose_file(missing);
  editor.cmd_cload_click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "ERROR!");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::critical);
  EXPECT_NE(platform.messages[0].text.find(missing.string()), std::string::npos);
  EXPECT_FALSE(globals.campaign_open);
  expect_start_state(editor);

  platform.will_choose_file(camp1);
  editor.cmd_cload_click();
  const std::filesystem::path short_file = dir / "campshort.dat";
  testing::write_bytes(short_file, std::vector<std::uint8_t>(100, 0xAB));
  platform.will_answer(MessageAnswer::no);
  platform.will_choose_file(short_file);
  editor.cmd_cload_click();
  EXPECT_EQ(platform.messages.back().title, "ERROR!");
  EXPECT_NE(platform.messages.back().text.find("campshort.dat"), std::string::npos);
  EXPECT_EQ(globals.campaign, sample_campaign(0));
  EXPECT_EQ(editor.lbl_currfile.caption, "camp1.dat");

  const std::filesystem::path unwritable = dir / "no-such-folder" / "camp9.dat";
  platform.will_choose_file(unwritable);
  editor.cmd_csave_click();
  EXPECT_EQ(platform.messages.back().title, "ERROR!");
  EXPECT_NE(platform.messages.back().text.find(unwritable.string()), std::string::npos);
  EXPECT_EQ(editor.lbl_currfile.caption, "camp1.dat");

  platform.will_choose_file(camp2);
  editor.cmd_csave_click();
  EXPECT_EQ(editor.lbl_currfile.caption, "camp2.dat");
  EXPECT_EQ(load_campaign(camp2).value(), sample_campaign(0));
}

TEST_F(CampaignEditor, ClosingShowsTheMainWindowAndReopeningStartsOver) {
  FrmCampaign& editor = open_editor();
  platform.will_choose_file(camp1);
  editor.cmd_cload_click();
  editor.cmd_setup_click();
  editor.cmd_close_click();
  EXPECT_EQ(platform.window_events,
            (std::vector<std::string>{"hide frm_main", "show frm_campaign", "show frm_c_setup",
                                      "close frm_campaign", "show frm_main"}));
  EXPECT_EQ(registry.find<FrmCampaign>(), nullptr);
  EXPECT_NE(registry.find<FrmCSetup>(), nullptr);  // section editors stay open

  FrmCampaign& reopened = open_editor();
  expect_start_state(reopened);
  EXPECT_TRUE(globals.campaign_open);
  EXPECT_EQ(globals.campaign, sample_campaign(0));
  platform.will_answer(MessageAnswer::cancel);
  reopened.cmd_cload_click();
  EXPECT_EQ(platform.messages.back().text, "Do you wish to save this file?");

  platform.window_events.clear();
  reopened.frame_close();
  EXPECT_EQ(platform.window_events, (std::vector<std::string>{"show frm_main"}));
  EXPECT_EQ(registry.find<FrmCampaign>(), nullptr);
}

TEST_F(CampaignEditor, SectionEditorsOpenOnceAndSpecialEventsNeedACount) {
  FrmCampaign& editor = open_editor();
  platform.will_choose_file(camp1);
  editor.cmd_cload_click();
  platform.window_events.clear();

  editor.cmd_setup_click();
  FrmCSetup* setup = registry.find<FrmCSetup>();
  ASSERT_NE(setup, nullptr);
  setup->txt_numsqns.text = "20";  // typed, not yet stored
  editor.cmd_setup_click();
  editor.cmd_v1missions_click();
  EXPECT_EQ(registry.find<FrmCSetup>(), setup);
  EXPECT_EQ(setup->txt_numsqns.text, "20");
  EXPECT_NE(registry.find<FrmCV1Missions>(), nullptr);
  EXPECT_EQ(platform.window_events,
            (std::vector<std::string>{"show frm_c_setup", "bring_forward frm_c_setup",
                                      "show frm_c_v1missions"}));

  // "Special Events" is enabled by the load but opens nothing until the setup counts one.
  EXPECT_TRUE(editor.cmd_events.enabled);
  EXPECT_FALSE(editor.special_events_reachable());
  EXPECT_FALSE(editor.special_missions_reachable());
  setup->UpDown2_change(1);
  setup->cmd_update_click();
  EXPECT_TRUE(editor.special_events_reachable());
  EXPECT_FALSE(editor.special_missions_reachable());
  EXPECT_EQ(globals.campaign.setup.num_sqns, 20);
}

}  // namespace
}  // namespace zav
