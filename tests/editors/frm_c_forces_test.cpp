#include "editors/frm_c_forces/frm_c_forces.h"

#include "editors/scripted_platform.h"

namespace zav::testing {
namespace {

class FrmCForcesTest : public EditorTest {
 protected:
  FrmCSideForces& open(const SideForcesForm& side) {
    return static_cast<FrmCSideForces&>(registry.show(side.form_name, [&] {
      auto editor = std::make_unique<FrmCSideForces>(side, globals, platform, registry);
      editor->open();
      return editor;
    }));
  }
};

TEST_F(FrmCForcesTest, TwinEditorsEachKeepToTheirOwnSide) {
  hold(globals.campaign, [](Campaign& c) {
    c.german_forces = {.air = 800, .ground = 1200, .quality = 5, .morale = 200, .repair = 7};
    c.german_forces.production[2] = 6000;  // beyond its slider
    c.german_forces.factories[1] = 70;     // beyond its spin
    c.allied_forces.side = 2;
  });
  const Campaign before = globals.campaign.record();

  FrmCSideForces& german = open(kGermanForces);
  EXPECT_EQ(german.cbo_quality.note(), "Stored value: 5");
  EXPECT_EQ(german.sld_production[2].note(), "Stored value: 6000");
  EXPECT_EQ(german.txt_factories[1].text, "70");
  german.cmd_update.click();
  EXPECT_EQ(globals.campaign.record(), before);

  FrmCSideForces& allied = open(kAlliedForces);
  allied.txt_factories[0].type("70");  // typed beyond the spin: stored as typed
  allied.txt_airstrength.spin_to(4000);
  allied.cbo_quality.choose(2);
  allied.sld_production[7].move(3000);
  FrmCSideForces& german_again = open(kGermanForces);
  german_again.txt_groundstrength.type("1");
  german_again.cmd_close.click();
  allied.cmd_update.click();
  EXPECT_EQ(globals.campaign.record().german_forces, before.german_forces);
  SideForces expected = before.allied_forces;
  expected.factories[0] = 70;
  expected.air = 4000;
  expected.quality = 2;
  expected.production[7] = 3000;
  EXPECT_EQ(globals.campaign.record().allied_forces, expected);
  EXPECT_EQ(globals.campaign.record().allied_forces.side, 2);  // no editor touches it

  // Text the word cannot hold is refused, and nothing is stored.
  FrmCSideForces& refused = open(kAlliedForces);
  refused.txt_factories[3].type("40000");
  refused.txt_airstrength.type("1");
  refused.cmd_update.click();
  EXPECT_TRUE(
      holds(error_text(), "# Factories: \"40000\" is not a whole number from -32768 to 32767."));
  EXPECT_EQ(globals.campaign.record().allied_forces, expected);
}

}  // namespace
}  // namespace zav::testing
