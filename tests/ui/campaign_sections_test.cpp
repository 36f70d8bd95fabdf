// The campaign's section editors through their real widgets: edit, step, "&Update", save the
// campaign, and the file holds exactly the edits.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include "ui/desktop_fixture.h"

namespace zav::testing {
namespace {

using CampaignSectionsTest = CampaignDesktop;

Campaign with_counts() {
  Campaign campaign;
  campaign.setup.num_phases = 3;
  campaign.setup.num_plane_types = 2;
  campaign.setup.phase_length = 7;
  campaign.phases[1].target_priority[2] = 40;  // a code with no entry
  return campaign;
}

TEST_F(CampaignSectionsTest, Phases) {
  Campaign expected = with_counts();
  QWidget* phases = open_section(expected, "cmd_phases", "frm_c_phases");
  EXPECT_EQ(phases->windowTitle(), "Campaign Phases");
  QComboBox& win = control<QComboBox>(phases, "cbo_wc");
  EXPECT_EQ(win.accessibleName(), "Win Condition:");
  QTest::keyClick(&win, Qt::Key_Down);  // "Date"
  QSlider& parameter = control<QSlider>(phases, "sld_wp");
  EXPECT_EQ(parameter.maximum(), 7);
  QTest::keyClick(&parameter, Qt::Key_Home);
  QTest::keyClick(&parameter, Qt::Key_Right);
  QTest::keyClick(&control<QSlider>(phases, "sld_usoil"), Qt::Key_End);
  QTest::keyClick(&control<QComboBox>(phases, "cbo_target_priority_0"), Qt::Key_End);
  arrow(phases, "UpDown14", "up").click();
  QTest::keyClick(&control<QComboBox>(phases, "cbo_lc"), Qt::Key_End);  // "Player Rating"
  press(phases, "cmd_update");

  expected.phases[0].win_condition = 1;
  expected.phases[0].win_param = 1;
  expected.phases[0].us_oil = 2000;
  expected.phases[0].target_priority[0] = 57;  // "Destroyers", the last entry
  expected.phases[1].lose_condition = 4;
  expected.phases[1].lose_param = 128;
  expect_saved(expected);
}

TEST_F(CampaignSectionsTest, PlaneTypes) {
  Campaign expected = with_counts();
  expected.plane_types[1].plane_slot = PlaneType::kNone;
  QWidget* planes = open_section(expected, "cmd_planes", "frm_c_planes");
  EXPECT_EQ(planes->windowTitle(), "Plane Types");
  QTest::keyClick(&control<QComboBox>(planes, "cbo_planeslotnum"), Qt::Key_Down);
  type_over(control<QLineEdit>(planes, "txt_planecount"), "70");
  arrow(planes, "UpDown12", "up").click();
  QTest::keyClick(&control<QLineEdit>(planes, "txt_currplane"), Qt::Key_Up);
  QTest::keyClick(&control<QComboBox>(planes, "cbo_replacement"), Qt::Key_End);
  type_over(control<QLineEdit>(planes, "txt_pendphase"), "25");
  press(planes, "cmd_update");

  expected.plane_types[0].plane_slot = 1;
  expected.plane_types[0].initial_planes = 70;
  expected.plane_types[0].start_points = 100;
  expected.plane_types[1].replacement = PlaneType::kNone;
  expected.plane_types[1].end_phase = 25;
  expect_saved(expected);
}

TEST_F(CampaignSectionsTest, GermanAndAlliedForces) {
  Campaign expected = with_counts();
  QWidget* german = open_section(expected, "cmd_gf", "frm_c_germanforces");
  QWidget* allied = open(campaign, "cmd_af", "frm_c_alliedforces");
  EXPECT_EQ(control(allied, "txt_af_armaments").accessibleName(), "Armaments: # Factories:");
  arrow(allied, "UpDown27", "up").click();  // one click of 100 reaches 50
  type_over(control<QLineEdit>(german, "txt_gf_oil"), "70");
  QTest::keyClick(&control<QComboBox>(german, "cbo_gf_quality"), Qt::Key_End);
  QTest::keyClick(&control<QSlider>(german, "sld_gf_morale"), Qt::Key_End);
  type_over(control<QLineEdit>(german, "txt_gf_airstrength"), "1200");
  press(german, "cmd_update");
  press(allied, "cmd_update");

  expected.allied_forces.factories[1] = 50;
  expected.german_forces.factories[3] = 70;
  expected.german_forces.quality = 2;
  expected.german_forces.morale = 255;
  expected.german_forces.air = 1200;
  expect_saved(expected);
}

}  // namespace
}  // namespace zav::testing
