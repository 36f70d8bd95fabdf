#include "editors/frm_c_setup/frm_c_setup.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editors/scripted_platform.h"

namespace zav {
namespace {

// 1943, June 1st, British briefings, Allies attacking, 1944 style; then the seven counts.
const CampaignSetup kOrdinary{1943, 5, 0, 1, 2, 2, 12, 307, 0, 25, 0, 32, 5, 7, 255, 30};

class CampaignSetupEditor : public ::testing::Test {
 protected:
  FrmCSetup& open_setup() {
    return registry.show<FrmCSetup>([&] {
      auto editor = std::make_unique<FrmCSetup>(globals, platform, registry);
      editor->open();
      return editor;
    });
  }

  testing::ScriptedPlatform platform;
  WindowRegistry registry{platform};
  Globals globals;
};

TEST_F(CampaignSetupEditor, ShowsTheRecordAndUpdateWritesItBack) {
  globals.campaign.setup = kOrdinary;
  globals.names.place_names[12] = "London";
  FrmCSetup& setup = open_setup();

  EXPECT_EQ(setup.cbo_starty.entries[setup.cbo_starty.position], "1943");
  EXPECT_EQ(setup.cbo_startm.entries[setup.cbo_startm.position], "June");
  EXPECT_EQ(setup.cbo_startd.entries[setup.cbo_startd.position], "1");
  EXPECT_EQ(setup.cbo_language.entries[setup.cbo_language.position], "British");
  EXPECT_EQ(setup.cbo_attackside.entries[setup.cbo_attackside.position], "America/Allies");
  EXPECT_EQ(setup.cbo_camptype.entries[setup.cbo_camptype.position], "1944 Style (0400)");
  EXPECT_EQ(setup.cbo_attackbase.entries[setup.cbo_attackbase.position], "London");
  EXPECT_EQ(setup.cbo_attackcapital.entries.size(), 308u);  // empty names, still selectable
  EXPECT_EQ(setup.cbo_attackcapital.position, 307);
  EXPECT_EQ(setup.cbo_defendcapital.position, 0);
  EXPECT_FALSE(setup.note_starty.visible);
  EXPECT_FALSE(setup.note_attackcapital.visible);
  const std::vector<std::string> texts = {
      setup.txt_numsqns.text,      setup.txt_numspev.text,     setup.txt_numspm.text,
      setup.txt_numphases.text,    setup.txt_phaselength.text, setup.txt_daysbetweenmissions.text,
      setup.txt_numplanetypes.text};
  EXPECT_EQ(texts, (std::vector<std::string>{"25", "0", "32", "5", "7", "255", "30"}));

  setup.cmd_update_click();
  EXPECT_EQ(globals.campaign.setup, kOrdinary);
  EXPECT_EQ(registry.find<FrmCSetup>(), nullptr);

  FrmCSetup& again = open_setup();
  again.cbo_startd.position = 30;  // "31"
  again.cbo_starty.position = 6;   // "1946"
  again.cmd_update_click();
  EXPECT_EQ(globals.campaign.setup.start_day, 30);
  EXPECT_EQ(globals.campaign.setup.start_year, 1946);
}

TEST_F(CampaignSetupEditor, ValuesNoControlCanShowAreShownAndKept) {
  // Year 1939, month 12, day 32, language 3, side 255, type 3, places 308 and -1, then counts
  // above or below their spins' ranges.
  const CampaignSetup odd{1939, 12, 31, 3, 255, 3, 308, -1, 5, 300, 40, 33, 0, 51, 0, 31};
  globals.campaign.setup = odd;
  FrmCSetup& setup = open_setup();

  EXPECT_EQ(setup.cbo_starty.position, -1);
  EXPECT_TRUE(setup.note_starty.visible);
  EXPECT_EQ(setup.note_starty.caption, "Stored value: 1939");
  EXPECT_EQ(setup.cbo_startm.position, -1);
  EXPECT_EQ(setup.note_startm.caption, "Stored value: 12");
  EXPECT_EQ(setup.note_startd.caption, "Stored value: 31");
  EXPECT_EQ(setup.note_attackside.caption, "Stored value: 255");
  EXPECT_EQ(setup.note_attackbase.caption, "Stored value: 308");
  EXPECT_EQ(setup.note_attackcapital.caption, "Stored value: -1");
  EXPECT_FALSE(setup.note_defendcapital.visible);
  EXPECT_EQ(setup.txt_numsqns.text, "300");  // the box shows what is stored...
  EXPECT_EQ(setup.UpDown1.value, 25);        // ...the arrows start from the nearest bound
  EXPECT_EQ(setup.txt_daysbetweenmissions.text, "0");
  EXPECT_EQ(setup.UpDown6.value, 1);

  setup.cmd_update_click();
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(globals.campaign.setup, odd);

  FrmCSetup& again = open_setup();
  again.cbo_starty.position = 0;
  again.UpDown2_change(31);
  again.txt_numspm.text = "2";
  again.cmd_update_click();
  CampaignSetup expected = odd;
  expected.start_year = 1940;
  expected.num_spev = 31;
  expected.num_spm = 2;
  EXPECT_EQ(globals.campaign.setup, expected);
}

TEST_F(CampaignSetupEditor, TextThatCannotBeStoredIsRefusedAndNothingIsStored) {
  globals.campaign.setup = kOrdinary;
  FrmCSetup& setup = open_setup();
  setup.cbo_starty.position = 0;  // a valid change, held back with the rest
  setup.txt_numspev.text = "abc";
  setup.txt_numsqns.text = "26";
  setup.txt_numphases.text = "-1";
  setup.txt_phaselength.text = "";
  setup.txt_daysbetweenmissions.text = "256";  // would wrap to 0 in its byte
  setup.txt_numplanetypes.text = "99999999999";
  setup.txt_numspm.text = "+3";
  setup.cmd_update_click();

  ASSERT_EQ(platform.messages.size(), 1u);
  const Message& refusal = platform.messages[0];
  EXPECT_EQ(refusal.title, "ERROR!");
  EXPECT_EQ(refusal.icon, MessageIcon::critical);
  for (const char* named :
       {"Num. Special Events: \"abc\" is not a whole number from 0 to 32.",
        "Number of Squadrons: \"26\" is not a whole number from 1 to 25.",
        "Number of Phases: \"-1\" is not a whole number from 1 to 25.",
        "Phase Length (Days): \"\" is not a whole number from 1 to 50.",
        "Days Between Missions: \"256\" is not a whole number from 1 to 255.",
        "Number of Plane Types: \"99999999999\" is not a whole number from 1 to 30.",
        "Num. Special Missions: \"+3\" is not a whole number from 0 to 32."}) {
    EXPECT_NE(refusal.text.find(named), std::string::npos) << named;
  }
  EXPECT_EQ(globals.campaign.setup, kOrdinary);
  EXPECT_EQ(registry.find<FrmCSetup>(), &setup);
  EXPECT_EQ(platform.window_events, (std::vector<std::string>{"show frm_c_setup"}));

  setup.txt_numspev.text = " 4 ";
  setup.txt_numsqns.text = "025";
  setup.txt_numphases.text = "3";
  setup.txt_phaselength.text = "50";
  setup.txt_daysbetweenmissions.text = "255";
  setup.txt_numplanetypes.text = "1";
  setup.txt_numspm.text = "0";
  setup.cmd_update_click();
  EXPECT_EQ(platform.messages.size(), 1u);
  const CampaignSetup expected{1940, 5, 0, 1, 2, 2, 12, 307, 0, 25, 4, 0, 3, 50, 255, 1};
  EXPECT_EQ(globals.campaign.setup, expected);
}

TEST_F(CampaignSetupEditor, CloseStoresNothingAndLoweredCountsKeepTheirEntries) {
  globals.campaign.setup = kOrdinary;
  globals.campaign.phases[3].us_oil = 1200;
  globals.campaign.phases[4].german_production = 200;
  const Campaign before = globals.campaign;

  FrmCSetup& closed = open_setup();
  closed.cbo_startm.position = 0;
  closed.UpDown4_change(1);
  closed.cmd_close_click();
  FrmCSetup& framed = open_setup();
  framed.UpDown2_change(9);
  framed.frame_close();
  EXPECT_EQ(globals.campaign, before);
  EXPECT_EQ(registry.find<FrmCSetup>(), nullptr);

  FrmCSetup& lowered = open_setup();
  lowered.UpDown4_change(3);
  lowered.cmd_update_click();
  EXPECT_EQ(globals.campaign.setup.num_phases, 3);
  EXPECT_EQ(globals.campaign.phases, before.phases);
}

TEST_F(CampaignSetupEditor, TellsThePhaseLengthItsBoxShows) {
  globals.campaign.setup = kOrdinary;
  open_setup();
  FrmCSetup* setup = registry.find<FrmCSetup>();
  ASSERT_NE(setup, nullptr);
  EXPECT_EQ(setup->shown_phase_length(), 7);
  setup->UpDown5_change(12);  // shown, not yet stored
  EXPECT_EQ(setup->shown_phase_length(), 12);
  EXPECT_EQ(globals.campaign.setup.phase_length, 7);
  setup->txt_phaselength.text = "1x";
  EXPECT_EQ(setup->shown_phase_length(), std::nullopt);
  setup->txt_phaselength.text = "-3";
  EXPECT_EQ(setup->shown_phase_length(), std::nullopt);
}

}  // namespace
}  // namespace zav
