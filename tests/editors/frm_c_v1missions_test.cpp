#include "editors/scripted_platform.h"

namespace zav::testing {
namespace {

Boxes boxes(FrmCV1Missions& v) {
  return {&v.txt_attack, &v.txt_escort, &v.txt_intercept, &v.txt_ground};
}

using FrmCV1MissionsTest = EditorTest;

TEST_F(FrmCV1MissionsTest, StoresOnUpdateAndKeepsWhatNoSpinCanShow) {
  const V1Speech odd_speech{.v1_attack_speech = -5,
                            .v1_escort_speech = 400,
                            .v1_intercept_speech = 3,
                            .v1_ground_speech = 4};
  hold(globals.campaign, [&](Campaign& c) { c.v1_speech = odd_speech; });
  FrmCV1Missions& odd = open_section<FrmCV1Missions>();
  EXPECT_EQ(texts(boxes(odd)), (Texts{"-5", "400", "3", "4"}));
  EXPECT_EQ(odd.txt_attack.value, 0);  // the spins stand at the nearest bound
  EXPECT_EQ(odd.txt_escort.value, 308);
  type(boxes(odd), {"-5", "400", "309", "-1"});
  odd.cmd_update.click();
  const std::string refusal = error_text();
  EXPECT_TRUE(holds(refusal, "V-1 Intercept Speech: \"309\" is not a whole number from 0 to 308."));
  EXPECT_TRUE(holds(refusal, "V-1 Ground Control Related Speech: \"-1\""));
  EXPECT_EQ(globals.campaign.record().v1_speech, odd_speech);

  odd.txt_ground.spin_to(0);
  type(boxes(odd), {"-5", "400", "308"});
  odd.cmd_update.click();
  EXPECT_EQ(
      globals.campaign.record().v1_speech,
      (V1Speech{.v1_attack_speech = -5, .v1_escort_speech = 400, .v1_intercept_speech = 308}));
  EXPECT_EQ(platform.messages.size(), 1u);
}

}  // namespace
}  // namespace zav::testing
