#include "editors/frm_c_phases/frm_c_phases.h"

#include "editors/scripted_platform.h"

namespace zav::testing {
namespace {

// The entry each target list shows, "" for none.
Texts shown_targets(const FrmCPhases& p) {
  Texts shown;
  for (const PickList& list : p.cbo_target_priority) {
    shown.push_back(list.has_selection() ? list.entries[list.position] : "");
  }
  return shown;
}

class FrmCPhasesTest : public EditorTest {
 protected:
  FrmCPhasesTest() {
    hold(globals.campaign, [](Campaign& c) {
      c.setup.num_phases = 3;
      c.setup.phase_length = 7;
      Phase& first = c.phases[0];
      first.target_priority = {41, 255, 57, 22, 40, 0, 31, 233};
      first.win_condition = 9;  // no entry
      first.win_param = 250;
      first.lose_condition = 1;  // "Date", a day beyond the phase length of 7
      first.lose_param = 10;
      first.us_oil = 2500;
      first.german_production = -4;
      c.phases[1].target_priority = {40, 1, 2, 3, 4, 5, 6, 7};
      c.phases[1].win_condition = 4;
    });
  }
};

TEST_F(FrmCPhasesTest, ShowsCodesAndValuesNoControlCanHoldAndWritesThemBackUnchanged) {
  const Campaign before = globals.campaign.record();
  FrmCPhases& phases = open_section<FrmCPhases>();
  EXPECT_EQ(shown_targets(phases),
            (Texts{"Warehouse ***", "No Target", "Destroyers", "Radar Tower", "", "Random Target",
                   "Briefing Room ***", "Continental Base"}));
  EXPECT_EQ(phases.cbo_target_priority[4].note(), "Stored value: 40");
  EXPECT_EQ(phases.cbo_wc.note(), "Stored value: 9");
  EXPECT_EQ(phases.sld_lp.maximum, 7);
  EXPECT_EQ(phases.sld_lp.note(), "Stored value: 10");
  EXPECT_EQ(phases.us_production[3].note(), "Stored value: 2500");
  EXPECT_EQ(phases.sld_germanproduction.note(), "Stored value: -4");
  EXPECT_EQ(phases.txt_currphase.maximum, 3);
  // 22 is the old code of "Radar Tower": the phase shown holds 21, which is no change to save.
  Campaign expected = before;
  expected.phases[0].target_priority[3] = 21;
  EXPECT_EQ(globals.campaign.record(), expected);
  EXPECT_FALSE(globals.campaign.unsaved());
  phases.cmd_update.click();
  EXPECT_EQ(globals.campaign.record(), expected);
  EXPECT_FALSE(globals.campaign.can_undo());

  // An unknown code is kept through steps, never replaced by the previous phase's entry.
  FrmCPhases& again = open_section<FrmCPhases>();
  again.txt_currphase.step_by(1);
  EXPECT_EQ(shown_targets(again)[0], "");
  again.txt_currphase.step_by(-1);
  again.txt_currphase.step_by(1);
  again.cmd_update.click();
  EXPECT_EQ(globals.campaign.record(), expected);
}

TEST_F(FrmCPhasesTest, StepsByArrowOrTypedNumberStoreThePhaseLeftAndCloseDropsOnlyTheOneShown) {
  FrmCPhases& phases = open_section<FrmCPhases>();
  phases.cbo_target_priority[0].choose(22);  // "Fort ***"
  phases.us_production[0].move(1000);
  phases.txt_currphase.spin_to(2);
  EXPECT_EQ(phases.current_phase(), 1);
  EXPECT_EQ(phases.cbo_wc.position, 4);
  // A typed phase number steps as the arrows do; one beyond the phases is refused.
  phases.cbo_target_priority[7].choose(34);  // "No Target"
  EXPECT_TRUE(enter(phases, phases.txt_currphase, "3"));
  EXPECT_EQ(phases.current_phase(), 2);
  EXPECT_FALSE(enter(phases, phases.txt_currphase, "4"));
  EXPECT_TRUE(holds(error_text(), "Current Phase #: \"4\" is not a whole number from 1 to 3."));
  EXPECT_EQ(phases.txt_currphase.text, "3");
  EXPECT_EQ(phases.current_phase(), 2);
  phases.us_production[1].move(500);
  phases.cmd_close.click();
  EXPECT_EQ(globals.campaign.record().phases[0].target_priority[0], 23);
  EXPECT_EQ(globals.campaign.record().phases[0].us_aircraft, 1000);
  EXPECT_EQ(globals.campaign.record().phases[1].target_priority[7], 255);
  EXPECT_EQ(globals.campaign.record().phases[2].us_arms, 0);
}

TEST_F(FrmCPhasesTest, ConditionsSetTheirParameterSliderAndDatesEndWithThePhase) {
  FrmCPhases& phases = open_section<FrmCPhases>();
  phases.cbo_wc.choose(0);  // "No Specific"
  EXPECT_EQ(phases.sld_wp.value, 128);
  EXPECT_FALSE(phases.sld_wp.enabled);
  EXPECT_EQ(phases.sld_wp.note(), "");
  phases.cbo_lc.choose(2);  // "Target"
  EXPECT_EQ(phases.sld_lp.value, 200);
  EXPECT_EQ(phases.sld_lp.maximum, 255);
  EXPECT_EQ(phases.sld_lp.tick_spacing, 16);
  phases.cbo_lc.choose(4);  // "Player Rating"
  EXPECT_EQ(phases.sld_lp.value, 128);
  EXPECT_TRUE(phases.sld_lp.enabled);
  phases.cmd_update.click();
  EXPECT_EQ(globals.campaign.record().phases[0].win_param, 128);  // unusable, still stored
  EXPECT_EQ(globals.campaign.record().phases[0].lose_condition, 4);

  // "Date" ends with the phase length the open setup editor shows, stored or not.
  FrmCSetup& setup = open_section<FrmCSetup>();
  setup.txt_phaselength.spin_to(12);
  FrmCPhases& dated = open_section<FrmCPhases>();
  dated.cbo_wc.choose(1);
  EXPECT_EQ(dated.sld_wp.maximum, 12);
  EXPECT_EQ(dated.sld_wp.value, 12);  // the day the slider stood at, within the phase
  EXPECT_EQ(dated.sld_wp.tick_spacing, 2);
  EXPECT_EQ(dated.sld_wp.large_step, 1);
  setup.cmd_close.click();
  dated.cbo_wc.choose(1);
  EXPECT_EQ(dated.sld_wp.maximum, 7);
  EXPECT_EQ(dated.sld_wp.value, 7);
}

}  // namespace
}  // namespace zav::testing
