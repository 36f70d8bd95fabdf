// The special events editor through its real widgets.
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QTest>

#include "ui/desktop_fixture.h"

namespace zav::testing {
namespace {

using SpecialEventsWidgets = CampaignDesktop;

TEST_F(SpecialEventsWidgets, EditedStepsAndUpdatedEventsAreSavedByteForByte) {
  Campaign loaded;
  loaded.setup.num_spev = 2;
  loaded.special_events[0] = {3, 1, 7, 200, 2, 40};
  loaded.special_events[1] = {17, 3, 4, 0, -128, 0};
  QWidget* events = open_section(loaded, "cmd_events", "frm_c_specialevents");
  EXPECT_EQ(events->windowTitle(), "Special Events");
  EXPECT_EQ(control<QLabel>(events, "lbl_plane").text(), "plane 2");

  // Another type by the keyboard hides a parameter with its label; the chance by its End key.
  QTest::keyClick(&control(events, "cbo_se_type"), Qt::Key_Up);  // "Special Briefing Speech"
  EXPECT_FALSE(control(events, "txt_se_par1").isVisible());
  EXPECT_FALSE(control(events, "lbl_par1").isVisible());
  QTest::keyClick(&control(events, "sld_se_chance"), Qt::Key_End);
  EXPECT_EQ(control<QLabel>(events, "lbl_se_Chance").text(), "255");
  arrow(events, "upd_spev", "up").click();  // stores event 1, shows event 2
  EXPECT_EQ(control<QLineEdit>(events, "txt_se_par1").text(), "-128");
  EXPECT_EQ(control<QLabel>(events, "lbl_par1").text(), "???:");
  arrow(events, "upd_par1", "up").click();  // one click to the other end
  press(events, "cmd_update");

  Campaign expected = loaded;
  expected.special_events[0] = {
      .type = 2, .trigger = 1, .trigger_param = 7, .chance = 255, .param1 = 2, .param2 = 40};
  expected.special_events[1] = {.type = 17, .trigger = 3, .trigger_param = 4, .param1 = 128};
  expect_saved(expected);
}

}  // namespace
}  // namespace zav::testing
