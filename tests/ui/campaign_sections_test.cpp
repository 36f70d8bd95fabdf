// The campaign's section editors through their real widgets: edit, step, "&Update", save the
// campaign, and the file holds exactly the edits.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>

#include "ui/desktop_fixture.h"

namespace zav::testing {
namespace {

using CampaignSectionsTest = CampaignDesktop;

TEST_F(CampaignSectionsTest, EditsInEachSectionEditorAreSavedByteForByte) {
  Campaign loaded;
  loaded.setup.num_phases = 3;
  loaded.setup.num_plane_types = 2;
  loaded.setup.phase_length = 7;
  loaded.setup.num_spev = 2;
  loaded.phases[1].target_priority[2] = 40;  // a code with no entry
  loaded.plane_types[1].plane_slot = PlaneType::kNone;
  loaded.special_events[0] = {3, 1, 7, 200, 2, 40};
  loaded.special_events[1] = {17, 3, 4, 0, -128, 0};
  Campaign expected = loaded;

  QWidget* phases = open_section(loaded, "cmd_phases", "frm_c_phases");
  QTest::keyClick(&control(phases, "cbo_wc"), Qt::Key_Down);  // "Date"
  QSlider& parameter = control<QSlider>(phases, "sld_wp");
  EXPECT_EQ(parameter.maximum(), 7);
  QTest::keyClick(&parameter, Qt::Key_Home);
  QTest::keyClick(&parameter, Qt::Key_Right);
  QTest::keyClick(&control(phases, "sld_usoil"), Qt::Key_End);
  QTest::keyClick(&control(phases, "cbo_target_priority_0"), Qt::Key_End);
  arrow(phases, "UpDown14", "up").click();
  QTest::keyClick(&control(phases, "cbo_lc"), Qt::Key_End);  // "Player Rating"
  press(phases, "cmd_update");
  expected.phases[0].win_condition = 1;
  expected.phases[0].win_param = 1;
  expected.phases[0].us_oil = 2000;
  expected.phases[0].target_priority[0] = 57;  // "Destroyers", the last entry
  expected.phases[1].lose_condition = 4;
  expected.phases[1].lose_param = 128;

  QWidget* planes = open(campaign, "cmd_planes", "frm_c_planes");
  QTest::keyClick(&control(planes, "cbo_planeslotnum"), Qt::Key_Down);
  type_over(control<QLineEdit>(planes, "txt_planecount"), "70");
  arrow(planes, "UpDown12", "up").click();
  QTest::keyClick(&control(planes, "txt_currplane"), Qt::Key_Up);
  QTest::keyClick(&control(planes, "cbo_replacement"), Qt::Key_End);
  type_over(control<QLineEdit>(planes, "txt_pendphase"), "25");
  press(planes, "cmd_update");
  expected.plane_types[0].plane_slot = 1;
  expected.plane_types[0].initial_planes = 70;
  expected.plane_types[0].start_points = 100;
  expected.plane_types[1].replacement = PlaneType::kNone;
  expected.plane_types[1].end_phase = 25;

  QWidget* german = open(campaign, "cmd_gf", "frm_c_germanforces");
  QWidget* allied = open(campaign, "cmd_af", "frm_c_alliedforces");
  arrow(allied, "UpDown27", "up").click();  // one click of 100 reaches 50
  type_over(control<QLineEdit>(german, "txt_gf_oil"), "70");
  QTest::keyClick(&control(german, "cbo_gf_quality"), Qt::Key_End);
  QTest::keyClick(&control(german, "sld_gf_morale"), Qt::Key_End);
  type_over(control<QLineEdit>(german, "txt_gf_airstrength"), "1200");
  press(german, "cmd_update");
  press(allied, "cmd_update");
  expected.allied_forces.factories[1] = 50;
  expected.german_forces.factories[3] = 70;
  expected.german_forces.quality = 2;
  expected.german_forces.morale = 255;
  expected.german_forces.air = 1200;

  // Another event type by the keyboard hides a parameter with its label; the chance by its
  // End key.
  QWidget* events = open(campaign, "cmd_events", "frm_c_specialevents");
  QTest::keyClick(&control(events, "cbo_se_type"), Qt::Key_Up);  // "Special Briefing Speech"
  EXPECT_FALSE(control(events, "txt_se_par1").isVisible());
  EXPECT_FALSE(control(events, "lbl_par1").isVisible());
  QTest::keyClick(&control(events, "sld_se_chance"), Qt::Key_End);
  arrow(events, "upd_spev", "up").click();  // stores event 1, shows event 2
  arrow(events, "upd_par1", "up").click();  // one click to the other end
  press(events, "cmd_update");
  expected.special_events[0] = {
      .type = 2, .trigger = 1, .trigger_param = 7, .chance = 255, .param1 = 2, .param2 = 40};
  expected.special_events[1] = {.type = 17, .trigger = 3, .trigger_param = 4, .param1 = 128};
  expect_saved(expected);
}

}  // namespace
}  // namespace zav::testing
