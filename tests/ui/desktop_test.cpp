// The real widgets on Qt's offscreen platform, driven as a user drives them. The window logic
// has tests of its own (tests/editors); these check what the widgets add to it.
#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>
#include <functional>
#include <stdexcept>
#include <vector>

#include "mission_bytes.h"
#include "squadron_bytes.h"
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
    // Tab goes through each group's count and then its shown rows, plane and chance.
    QStringList order{"cbo_fnum", "cbo_fighter_0", "sld_fc_0", "cbo_fighter_1",
                      "sld_fc_1", "cbo_anum",      "cbo_bnum"};
    for (int row = 0; row < 8; ++row)
      order << QString("cbo_bomber_%1").arg(row) << QString("sld_bc_%1").arg(row);
    EXPECT_EQ(tab_order(control(editor, "cbo_fnum")),
              (order + QStringList{"cmd_mload", "cmd_msave", "cmd_close", "lst_problems"}));

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

TEST_F(CampaignDesktop, AProblemOpenedFromItsListByKeyboardFocusesItsFieldInItsEditor) {
  load_names("cmd_bnames", "place ", 308);
  load_campaign_file(sample_campaign());  // defending place 308, which no list has
  auto& list = control<QListWidget>(campaign, "lst_problems");
  const QList<QListWidgetItem*> found =
      list.findItems("Campaign Setup Information, Defending Capital: 308", Qt::MatchStartsWith);
  ASSERT_EQ(found.size(), 1);
  const QString heard = QAccessible::queryAccessibleInterface(&list)->text(QAccessible::Name);
  EXPECT_EQ(heard, QString("%1 problems the game may trip on:").arg(list.count()));

  list.setFocus();
  list.setCurrentItem(found[0]);
  QTest::keyClick(&list, Qt::Key_Return);
  QWidget* setup = shown("frm_c_setup").at(0);
  EXPECT_EQ(setup->focusWidget(), &control(setup, "cbo_defendcapital"));
  QTest::keyClick(setup->focusWidget(), Qt::Key_Home);
  press(setup, "cmd_update");
  EXPECT_TRUE(list.findItems("Campaign Setup Information, Defending Capital", Qt::MatchStartsWith)
                  .isEmpty());
}

TEST_F(CampaignDesktop, TypicalRoadFromPlaceNamesToTheBytesOfTheEditedCampaign) {
  load_names("cmd_bnames", "place ", 308);
  load_campaign_file(sample_campaign());
  EXPECT_FALSE(main_window->isVisible());
  EXPECT_EQ(tab_order(control(campaign, "cmd_setup")),
            (QStringList{"cmd_setup", "cmd_phases", "cmd_planes", "cmd_gf", "cmd_af", "cmd_events",
                         "cmd_missions", "cmd_v1missions", "cmd_cload", "cmd_csave", "cmd_close",
                         "lst_problems"}));

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

  // The Up key steps from the number typed.
  type_over(control<QLineEdit>(setup, "txt_numspev"), "5");
  QTest::keyClick(&control(setup, "txt_numspev"), Qt::Key_Up);
  QTest::keyClick(&control(setup, "cbo_starty"), Qt::Key_Down);
  type_over(control<QLineEdit>(setup, "txt_numsqns"), "4");
  press(setup, "cmd_update");
  EXPECT_TRUE(shown("frm_c_setup").empty());
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
  EXPECT_TRUE(platform.window_events.empty());  // the program goes on
}

// The campaign's section editors: edit, step, "&Update", save the campaign, and the file holds
// exactly the edits.
TEST_F(CampaignDesktop, EditsInEachSectionEditorAreSavedByteForByte) {
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

TEST_F(DesktopTest, EachKindOfSquadronFieldEditedByKeyboardAndMouseIsSavedByteForByte) {
  SquadronTable base;
  base.count = 2;
  base.slots[0].home_base = 7;
  base.slots[0].weapons[0].weapon = 2;
  base.slots[1].unit_name = 2;
  const std::vector<std::uint8_t> base_bytes = base_file_bytes(base);
  write_bytes(dir / "sqbasic.dat", base_bytes);
  platform.will(dir / "sq1.dat");
  in_modal_editor("cmd_sqd", "frm_squadron", [&](QWidget* editor) {
    EXPECT_LE(editor->width(), 1366);
    EXPECT_LE(editor->height(), 740);  // room for the frame and a task bar

    QTest::keyClick(&control(editor, "cbo_sqnday"), Qt::Key_Down);
    arrow(editor, "upd_numplanes", "up").click();
    QTest::keyClick(&control(editor, "sld_morale"), Qt::Key_End);
    QTest::keyClick(&control(editor, "sld_escort"), Qt::Key_End);
    control<QCheckBox>(editor, "chk_special_4").click();
    type_over(control<QLineEdit>(editor, "txt_unitname"), "42.9");
    arrow(editor, "upd_wn_0", "up").click();
    QTest::keyClick(&control(editor, "cbo_moves"), Qt::Key_Down);
    QTest::keyClick(&control(editor, "cbo_basemove_0"), Qt::Key_End);  // the forward base
    press(editor, "cmd_newsqn");
    arrow(editor, "upd_currsqn", "up").click();
    arrow(editor, "upd_currsqn", "up").click();
    press(editor, "cmd_delsqn");  // squadron 3 goes; squadron 2 is shown

    EXPECT_EQ(tab_order(control(editor, "txt_currsqn")).mid(0, 8),
              (QStringList{"txt_currsqn", "cmd_newsqn", "cmd_delsqn", "cbo_sqnday", "cbo_sqnmonth",
                           "cbo_sqnyear", "txt_phasestart", "cbo_base"}));
    // A number still being typed is read by "Save File" before it writes.
    type_over(control<QLineEdit>(editor, "txt_unitsprt"), "200");
    press(editor, "cmd_ssave");
    press(editor, "cmd_close");  // all saved: closes without asking
    EXPECT_FALSE(editor->isVisible());
  });

  SquadronTable expected = decode_squadrons(base_bytes, SquadronRead::base_file, "").value();
  Squadron& edited = expected.slots[0];
  edited.start_day = 1;
  edited.num_aircraft = 1;
  edited.morale = 255;
  edited.escort_weight = 255;
  edited.special_missions[4] = 1;
  edited.unit_name = 42;
  edited.weapons[0].number = 10;
  edited.num_moves = 1;
  edited.moves[0].destination = kForwardBase;
  expected.slots[1].sprite = 200;
  EXPECT_EQ(read_bytes(dir / "sq1.dat"), encode_squadrons(expected));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DesktopTest, CtrlZTakesBackABoxsOwnTypingFirstThenTheSquadronsChanges) {
  SquadronTable base;
  base.count = 1;
  base.slots[0].unit_name = 2;
  write_bytes(dir / "sqbasic.dat", base_file_bytes(base));
  in_modal_editor("cmd_sqd", "frm_squadron", [&](QWidget* editor) {
    QLineEdit& name = control<QLineEdit>(editor, "txt_unitname");
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor));  // its keys reach its shortcuts
    name.setFocus();
    type_over(name, "42");
    QTest::keyClick(&name, Qt::Key_Return);
    EXPECT_TRUE(editor->isWindowModified());
    QTest::keyClicks(&name, "7");
    QTest::keyClick(&name, Qt::Key_Z, Qt::ControlModifier);  // the typing of "7"
    EXPECT_EQ(name.text(), "42");
    EXPECT_EQ(globals.squadrons.record().slots[0].unit_name, 42);
    QTest::keyClick(&name, Qt::Key_Z, Qt::ControlModifier);  // the stored 42
    EXPECT_EQ(name.text(), "2");
    EXPECT_FALSE(editor->isWindowModified());
    QTest::keyClick(&control(editor, "sld_skill"), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(name.text(), "42");
    EXPECT_TRUE(editor->isWindowModified());
    QTest::keyClick(&name, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // nothing left
    EXPECT_EQ(globals.squadrons.record().slots[0].unit_name, 42);
    platform.will(MessageAnswer::no);
  });
}

// Where the squadron editor looks for sqbasic.dat.
TEST(ProgramFolder, IsTheFolderOfTheRunningProgramNotTheWorkingFolder) {
#ifdef _WIN32
  wchar_t own[MAX_PATH];
  ASSERT_GT(GetModuleFileNameW(nullptr, own, MAX_PATH), 0u);
  const std::filesystem::path program = own;
#else
  if (!std::filesystem::exists("/proc/self/exe")) GTEST_SKIP() << "no /proc to compare with";
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe");
#endif
  EXPECT_EQ(ui::QtPlatform().program_folder(), program.parent_path());
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
