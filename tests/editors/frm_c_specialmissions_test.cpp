#include "editors/frm_c_specialmissions/frm_c_specialmissions.h"

#include <tuple>

#include "editors/scripted_platform.h"

namespace zav::testing {
namespace {

class SpecialMissions : public EditorTest {
 protected:
  SpecialMissions() {
    hold(globals.campaign, [](Campaign& c) { c.setup.num_spm = 3; });
    for (int i = 0; i < 308; ++i) globals.names.place_names[i] = "place " + std::to_string(i);
  }
  FrmCSpecialMissions& open() { return open_section<FrmCSpecialMissions>(); }
  const SpecialMission& mission(int index) {
    return globals.campaign.record().special_missions[index];
  }
  // Steps away and back, so that the shown mission is stored and shown again.
  static void store_and_show(FrmCSpecialMissions& m) {
    const int at = m.current_mission() + 1;
    m.txt_smnum.spin_to(at == 1 ? 2 : 1);
    m.txt_smnum.spin_to(at);
  }
};

TEST_F(SpecialMissions, DateTargetSpeechEventsAndFormationGoBothWays) {
  hold(globals.campaign, [](Campaign& c) {
    c.special_missions[0].trigger = 2;
    c.special_missions[0].trigger_param = 11;
    c.special_missions[0].brief_view = {-2, -1, -3, 308, -7, -300, 5, 0};
    c.special_missions[0].success_event = 255;
    c.special_missions[0].fail_event = 9;
    c.special_missions[0].formation = -1;
    c.special_missions[0].targets = {4, -1, 400, 0, 0, 0, 0, 0};
    c.special_missions[0].target_priority = 40;
  });
  FrmCSpecialMissions& m = open();
  EXPECT_TRUE(m.txt_sm_tp1.visible);
  EXPECT_EQ(m.txt_sm_tp1.text, "11");
  EXPECT_FALSE(m.txt_sm_date.visible);
  EXPECT_EQ(m.cbo_targetlist[1].note(), "");  // -1: no place chosen
  EXPECT_EQ(m.cbo_targetlist[2].note(), "Stored value: 400");
  EXPECT_EQ(m.cbo_target_priority.note(), "Stored value: 40");
  const int selected[] = {1, 0, 2, 3, -1, 3, 3, 3};
  for (int j = 0; j < 8; ++j) EXPECT_EQ(m.opt_speech[j].selected, selected[j]) << j;
  EXPECT_EQ(m.txt_other[4].text, "-7");  // no option: kept as it is
  EXPECT_EQ(m.txt_sesuccess.text, "0");
  EXPECT_EQ(m.cbo_formationtype.position, 5);

  // 15 October 1944: day 15, month byte 10 * 16 + 4, as the saved bytes show
  // (frm_c_specialmissions_widgets_test.cpp); here, the date shown again from the record.
  m.cbo_smtrigger.choose(kDateTrigger);
  EXPECT_TRUE(m.txt_sm_date.visible && m.cbo_sm_year.visible);
  EXPECT_FALSE(m.txt_sm_tp1.visible);
  m.txt_sm_date.type("15");
  m.txt_sm_month.type("10");
  m.cbo_sm_year.choose(4);
  m.cbo_target_priority.choose(31);  // "Warehouse ***"
  m.opt_speech[0].choose(3);
  m.txt_other[0].type("12");
  m.txt_sesuccess.type("7");
  m.txt_sefail.type("0");
  m.cbo_formationtype.choose(4);  // "2 PLANE FORMATION"
  store_and_show(m);
  const SpecialMission& stored = mission(0);
  EXPECT_EQ(stored.target_priority, 41);
  EXPECT_EQ(stored.brief_view, (std::array<std::int16_t, 8>{12, -1, -3, 308, -7, -300, 5, 0}));
  EXPECT_EQ(stored.success_event, 7);
  EXPECT_EQ(stored.fail_event, 255);
  EXPECT_EQ(stored.formation, -2);
  EXPECT_EQ(stored.targets, (std::array<std::int16_t, 8>{4, -1, 400, 0, 0, 0, 0, 0}));
  EXPECT_EQ(std::tuple(m.txt_sm_date.text, m.txt_sm_month.text, m.cbo_sm_year.position),
            std::tuple("15", "10", 4));
  EXPECT_EQ(m.cbo_target_priority.entries[m.cbo_target_priority.position], "Warehouse ***");
  EXPECT_EQ(std::pair(m.opt_speech[0].selected, m.txt_other[0].text),
            std::pair(3, std::string("12")));
  EXPECT_EQ(m.txt_sefail.text, "0");
  EXPECT_EQ(m.cbo_formationtype.entries[m.cbo_formationtype.position], "2 PLANE FORMATION");
  m.cbo_formationtype.choose(0);
  store_and_show(m);
  EXPECT_EQ(mission(0).formation, 1940);

  // A month byte beyond 255 and an altitude the file cannot keep are refused; nothing stored.
  const SpecialMission before = mission(0);
  m.txt_sm_month.type("16");
  m.txt_altitude.type("-1");
  m.cmd_update.click();
  const std::string told = error_text();
  EXPECT_TRUE(holds(told, "gives the month byte 260, above 255"));
  EXPECT_TRUE(holds(told, "Altitude (ft): -1 cannot be kept"));
  EXPECT_EQ(mission(0), before);
}

TEST_F(SpecialMissions, TargetsTimeAndSecondaryFlagsFollowTheirControls) {
  hold(globals.campaign, [](Campaign& c) {
    c.special_missions[1] = {};
    c.special_missions[1].trigger = 12;  // no entry: kept, its parameter shown
    c.special_missions[1].trigger_param = -3;
    c.special_missions[1].secondary_flight = 5;
    c.special_missions[1].num_targets = 5;
    c.special_missions[1].weather = 9;
  });
  FrmCSpecialMissions& m = open();
  m.txt_smnum.spin_to(2);
  // As soon as it is shown the flag is 1, which a save writes; looking is no change to save.
  EXPECT_EQ(mission(1).secondary_flight, 1);
  EXPECT_TRUE(m.chk_secondaryflight.checked);
  m.txt_smnum.spin_to(1);
  m.txt_smnum.spin_to(2);
  EXPECT_FALSE(globals.campaign.unsaved());
  EXPECT_FALSE(globals.campaign.can_undo());
  EXPECT_TRUE(m.txt_sm_tp1.visible);
  EXPECT_EQ(m.txt_sm_tp1.text, "-3");
  EXPECT_EQ(m.cbo_weather.note(), "Stored value: 9");
  m.txt_numtargets.spin_to(3);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(m.cbo_targetlist[i].enabled, i < 3) << i;
  m.chk_sm_randomtime.click(true);
  EXPECT_FALSE(m.txt_sm_hour.enabled || m.txt_sm_minute.enabled);
  m.chk_sm_randomtime.click(false);
  EXPECT_TRUE(m.txt_sm_hour.enabled && m.txt_sm_minute.enabled);
  m.txt_sm_hour.type("24x");
  m.txt_smnum.spin_to(3);
  EXPECT_TRUE(holds(error_text(), "Hour: \"24x\""));
  EXPECT_EQ(m.current_mission(), 1);
  m.txt_sm_hour.type("23");
  m.cmd_update.click();
  EXPECT_EQ(std::tuple(mission(1).trigger, mission(1).trigger_param, mission(1).num_targets,
                       mission(1).hour, mission(1).weather, mission(1).altitude),
            std::tuple(12, -3, 3, 23, 9, 0));
}

}  // namespace
}  // namespace zav::testing
