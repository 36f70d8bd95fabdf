#include "editors/frm_c_v1missions/frm_c_v1missions.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editors/scripted_platform.h"
#include "formats/campaign_file.h"

namespace zav {
namespace {

class V1SpeechEditor : public ::testing::Test {
 protected:
  FrmCV1Missions& open_v1() {
    return registry.show<FrmCV1Missions>([&] {
      auto editor = std::make_unique<FrmCV1Missions>(globals, platform, registry);
      editor->open();
      return editor;
    });
  }

  static std::vector<std::string> texts(const FrmCV1Missions& v1) {
    return {v1.txt_attack.text, v1.txt_escort.text, v1.txt_intercept.text, v1.txt_ground.text};
  }

  testing::ScriptedPlatform platform;
  WindowRegistry registry{platform};
  Globals globals;
};

TEST_F(V1SpeechEditor, ValuesRoundTripThroughUpdateAndCloseStoresNothing) {
  const V1Speech speech{0, 1, 308, 17};
  globals.campaign.v1_speech = speech;
  FrmCV1Missions& v1 = open_v1();
  EXPECT_EQ(texts(v1), (std::vector<std::string>{"0", "1", "308", "17"}));
  EXPECT_EQ(v1.upd_intercept.value, 308);

  v1.cmd_update_click();
  EXPECT_EQ(globals.campaign.v1_speech, speech);
  EXPECT_EQ(registry.find<FrmCV1Missions>(), nullptr);
  EXPECT_EQ(decode_campaign(encode_campaign(globals.campaign)).v1_speech, speech);

  FrmCV1Missions& again = open_v1();
  again.upd_attack_change(5);
  again.upd_ground_change(0);
  EXPECT_EQ(again.txt_attack.text, "5");
  again.cmd_update_click();
  EXPECT_EQ(globals.campaign.v1_speech, (V1Speech{5, 1, 308, 0}));

  FrmCV1Missions& closed = open_v1();
  closed.upd_escort_change(100);
  closed.cmd_close_click();
  EXPECT_EQ(globals.campaign.v1_speech, (V1Speech{5, 1, 308, 0}));
  EXPECT_EQ(platform.window_events.back(), "close frm_c_v1missions");
}

TEST_F(V1SpeechEditor, StoredValuesOutOfRangeAreShownAndKeptAndBadTextIsRefused) {
  const V1Speech odd{-5, 400, 3, 4};
  globals.campaign.v1_speech = odd;
  FrmCV1Missions& v1 = open_v1();
  EXPECT_EQ(texts(v1), (std::vector<std::string>{"-5", "400", "3", "4"}));
  EXPECT_EQ(v1.upd_attack.value, 0);
  EXPECT_EQ(v1.upd_escort.value, 308);

  v1.txt_intercept.text = "309";
  v1.txt_ground.text = "-1";
  v1.cmd_update_click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "ERROR!");
  EXPECT_NE(platform.messages[0].text.find(
                "V-1 Intercept Speech: \"309\" is not a whole number from 0 to 308."),
            std::string::npos);
  EXPECT_NE(platform.messages[0].text.find("V-1 Ground Control Related Speech: \"-1\""),
            std::string::npos);
  EXPECT_EQ(globals.campaign.v1_speech, odd);
  EXPECT_EQ(registry.find<FrmCV1Missions>(), &v1);

  v1.txt_intercept.text = "308";
  v1.txt_ground.text = "0";
  v1.cmd_update_click();
  EXPECT_EQ(globals.campaign.v1_speech, (V1Speech{-5, 400, 308, 0}));
}

}  // namespace
}  // namespace zav
