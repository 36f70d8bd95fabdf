// The real widgets on Qt's offscreen platform, driven as a user drives them. The window logic
// has tests of its own (tests/editors); these check what the widgets add to it.
#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>
#include <functional>
#include <stdexcept>
#include <tuple>
#include <vector>

#include "mission_bytes.h"
#include "ui/desktop_fixture.h"
#include "ui/file_filter.h"

namespace zav::testing {
namespace {

// 1943, June 1st, British briefings, the Allies attacking from place 12 against place 100,
// defending place 308, which no list has an entry for; no special events yet.
Campaign sample_campaign() {
  Campaign campaign;
  campaign.setup = {1943, 5, 0, 1, 2, 2, 12, 100, 308, 12, 0, 2, 5, 7, 2, 15};
  campaign.phases[4].us_oil = 1500;
  campaign.v1_speech = {.v1_escort_speech = 1, .v1_intercept_speech = 308, .v1_ground_speech = 17};
  return campaign;
}

TEST_F(DesktopTest, MissionFileLoadedChangedAndSavedThroughNamedWidgets) {
  EXPECT_FALSE(control(main_window, "cmd_airfield").isEnabled());
  load_names("cmd_pnames", "plane ", 30);
  write_bytes(dir / "misn1.dat", distinct_mission_bytes(2, 0, 8));
  platform.will(dir / "misn1.dat", dir / "misn2.dat", MessageAnswer::no);
  in_modal_editor("cmd_miss", "frm_mission", [&](QWidget* editor) {
    EXPECT_EQ(editor->windowModality(), Qt::ApplicationModal);
    press(editor, "cmd_mload");
    EXPECT_EQ(control<QComboBox>(editor, "cbo_fighter_1").currentText(), "plane 2");
    EXPECT_EQ(control<QSlider>(editor, "sld_bc_4").value(), 125);
    // Tab goes through each group's count and then its shown rows, plane and chance.
    QStringList order;
    for (const auto& [count, planes, chances, rows] :
         {std::tuple{"cbo_fnum", "cbo_fighter_", "sld_fc_", 2},
          std::tuple{"cbo_anum", "cbo_attack_", "sld_ac_", 0},
          std::tuple{"cbo_bnum", "cbo_bomber_", "sld_bc_", 8}}) {
      order << count;
      for (int row = 0; row < rows; ++row)
        order << planes + QString::number(row) << chances + QString::number(row);
    }
    EXPECT_EQ(tab_order(control(editor, "cbo_fnum")),
              (order + QStringList{"cmd_mload", "cmd_msave", "cmd_close"}));

    QTest::keyClick(&control(editor, "cbo_fnum"), Qt::Key_Down);
    QTest::keyClick(&control(editor, "sld_fc_0"), Qt::Key_End);
    QTest::keyClick(&control(editor, "cbo_bomber_0"), Qt::Key_Down);
    press(editor, "cmd_msave");
    press(editor, "cmd_close");  // asks; answered No
    EXPECT_FALSE(editor->isVisible());
  });

  std::vector<std::uint8_t> expected = distinct_mission_bytes(3, 0, 8);
  expected[chance_at(kFightersAt, 0)] = 255;
  expected[plane_at(kBombersAt, 0)] = 22;
  EXPECT_EQ(read_bytes(dir / "misn2.dat"), expected);
  expect_asked_to_save("Missions");

  // The main window takes input again. The editor's frame closes it without asking, and the
  // main window's frame ends the program as "Exit" does.
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  load_names("cmd_bnames", "place ", 308);
  EXPECT_TRUE(control(main_window, "cmd_airfield").isEnabled());
  in_modal_editor("cmd_miss", "frm_mission", [](QWidget* editor) { editor->close(); });
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.window_events.empty());
  main_window->close();
  EXPECT_EQ(platform.window_events, Texts{"quit"});
}

TEST_F(CampaignDesktop, TypicalRoadFromPlaceNamesToTheBytesOfTheEditedCampaign) {
  load_names("cmd_bnames", "place ", 308);
  load_campaign_file(sample_campaign());
  EXPECT_FALSE(main_window->isVisible());
  EXPECT_TRUE(control(campaign, "cmd_csave").isEnabled());
  EXPECT_EQ(tab_order(control(campaign, "cmd_setup")),
            (QStringList{"cmd_setup", "cmd_phases", "cmd_planes", "cmd_gf", "cmd_af", "cmd_events",
                         "cmd_missions", "cmd_v1missions", "cmd_cload", "cmd_csave", "cmd_close"}));

  QWidget* setup = open(campaign, "cmd_setup", "frm_c_setup");
  EXPECT_TRUE(control(setup, "note_defendcapital").isVisible());  // place 308 has no entry
  EXPECT_FALSE(control(setup, "note_attackcapital").isVisible());
  EXPECT_EQ(
      tab_order(control(setup, "cbo_starty")),
      (QStringList{"cbo_starty", "cbo_startm", "cbo_startd", "cbo_language", "cbo_attackside",
                   "cbo_camptype", "cbo_attackbase", "cbo_attackcapital", "cbo_defendcapital",
                   "txt_numsqns", "txt_numspev", "txt_numspm", "txt_numphases", "txt_phaselength",
                   "txt_daysbetweenmissions", "txt_numplanetypes", "cmd_update", "cmd_close"}));
  press(campaign, "cmd_setup");
  EXPECT_EQ(shown("frm_c_setup"), std::vector<QWidget*>{setup});

  // More special events by each way there is: the arrow, typing over the box, the Up key,
  // which steps from the typed number.
  QLineEdit& events = control<QLineEdit>(setup, "txt_numspev");
  arrow(setup, "UpDown2", "up").click();
  EXPECT_EQ(events.text(), "1");
  type_over(events, "5");
  QTest::keyClick(&events, Qt::Key_Up);
  EXPECT_EQ(events.text(), "6");
  QTest::keyClick(&control(setup, "cbo_starty"), Qt::Key_Down);
  type_over(control<QLineEdit>(setup, "txt_numsqns"), "4");
  press(setup, "cmd_update");
  EXPECT_TRUE(shown("frm_c_setup").empty());
  EXPECT_TRUE(registry.find<FrmCampaign>()->special_events_reachable());
  // The campaign editor marks its caption while the campaign holds changes never saved.
  EXPECT_EQ(campaign->windowTitle(), "Campaigns[*]");
  EXPECT_TRUE(campaign->isWindowModified());

  platform.will(dir / "campedited");
  press(campaign, "cmd_csave");
  EXPECT_EQ(control<QLabel>(campaign, "lbl_currfile").text(), "campedited.dat");
  EXPECT_FALSE(campaign->isWindowModified());
  Campaign expected = sample_campaign();
  expected.setup.num_spev = 6;
  expected.setup.start_year = 1944;
  expected.setup.num_sqns = 4;
  const CampaignImage image = encode_campaign(expected);
  EXPECT_EQ(read_bytes(dir / "campedited.dat"),
            std::vector<std::uint8_t>(image.begin(), image.end()));

  // V-1 Mission Speech: an arrow is disabled where it would leave the range, counted from the
  // number typed.
  QWidget* v1 = open(campaign, "cmd_v1missions", "frm_c_v1missions");
  EXPECT_EQ(tab_order(control(v1, "txt_attack")),
            (QStringList{"txt_attack", "txt_escort", "txt_intercept", "txt_ground", "cmd_update",
                         "cmd_close"}));
  EXPECT_FALSE(arrow(v1, "upd_intercept", "up").isEnabled());
  type_over(control<QLineEdit>(v1, "txt_intercept"), "100");
  EXPECT_TRUE(arrow(v1, "upd_intercept", "up").isEnabled());

  // Section editors outlive the campaign editor; its frame closes it and brings the main
  // window back.
  campaign->close();
  EXPECT_EQ(shown("frm_c_v1missions").size(), 1u);
  EXPECT_TRUE(main_window->isVisible());
  press(main_window, "cmd_camp");
  press(shown("frm_campaign").at(0), "cmd_close");
  EXPECT_TRUE(main_window->isVisible());
  EXPECT_TRUE(platform.window_events.empty());  // the program goes on
}

TEST(FileFilter, QtListsByThePatternAfterTheBar) {
  EXPECT_EQ(ui::qt_name_filter("Mission Files (*.dat)|misn*.dat"),
            "Mission Files (*.dat) (misn*.dat)");
  EXPECT_EQ(ui::qt_name_filter("TARGETS.DAT|targets.dat"), "TARGETS.DAT (targets.dat)");
  EXPECT_EQ(ui::qt_name_filter("Data|*.dat;*.bak"), "Data (*.dat *.bak)");
  EXPECT_EQ(ui::qt_name_filter("*.str"), "*.str");
}

}  // namespace
}  // namespace zav::testing
