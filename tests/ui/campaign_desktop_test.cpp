#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <memory>
#include <vector>

#include "editors/frm_c_setup/frm_c_setup.h"
#include "editors/frm_c_v1missions/frm_c_v1missions.h"
#include "editors/frm_campaign/frm_campaign.h"
#include "formats/campaign_file.h"
#include "string_file_bytes.h"
#include "ui/desktop_fixture.h"
#include "ui/form_factory.h"

namespace zav {
namespace {

using testing::control;
using testing::shown_window;
using testing::shown_windows;

// 1943, June 1st, British briefings, the Allies attacking from place 12 against place 100,
// defending place 200; no special events yet.
Campaign sample_campaign() {
  Campaign campaign;
  campaign.setup = {1943, 5, 0, 1, 2, 2, 12, 100, 200, 12, 0, 2, 5, 7, 2, 15};
  campaign.phases[4].us_oil = 1500;
  campaign.v1_speech = {0, 1, 308, 17};
  return campaign;
}

class CampaignDesktopTest : public testing::DesktopFixture {
 protected:
  static void press(QWidget* window, const char* button) {
    control<QPushButton>(window, button).click();
  }
  static void press_arrow(QWidget* window, const char* spin, const char* arrow) {
    control<QToolButton>(&control<QWidget>(window, spin), arrow).click();
  }

  // Presses "CAMPAIGN FILES" and loads a campaign file holding `campaign`.
  QWidget* campaign_editor_with(const Campaign& campaign) {
    EXPECT_FALSE(save_campaign(dir / "camp1.dat", campaign));
    press(main_window, "cmd_camp");
    QWidget* editor = shown_window("frm_campaign");
    if (!editor) throw std::runtime_error("the campaign editor did not open");
    platform.files = {dir / "camp1.dat"};
    press(editor, "cmd_cload");
    return editor;
  }
};

TEST_F(CampaignDesktopTest, TypicalRoadFromPlaceNamesToTheBytesOfTheEditedCampaign) {
  testing::write_bytes(dir / "places.str",
                       testing::string_file_bytes(testing::numbered("place ", 308)));
  platform.files = {dir / "places.str"};
  press(main_window, "cmd_bnames");

  press(main_window, "cmd_camp");
  EXPECT_FALSE(main_window->isVisible());
  QWidget* campaign = shown_window("frm_campaign");
  ASSERT_NE(campaign, nullptr);
  EXPECT_EQ(campaign->windowTitle(), "Campaigns");
  EXPECT_EQ(control<QLabel>(campaign, "lbl_currfile").text(), "NO OPEN FILE");
  EXPECT_FALSE(control<QPushButton>(campaign, "cmd_setup").isEnabled());

  const Campaign loaded = sample_campaign();
  ASSERT_FALSE(save_campaign(dir / "camp1.dat", loaded));
  platform.files = {dir / "camp1.dat"};
  press(campaign, "cmd_cload");
  EXPECT_EQ(control<QLabel>(campaign, "lbl_currfile").text(), "camp1.dat");
  EXPECT_TRUE(control<QPushButton>(campaign, "cmd_csave").isEnabled());

  press(campaign, "cmd_setup");
  QWidget* setup = shown_window("frm_c_setup");
  ASSERT_NE(setup, nullptr);
  EXPECT_EQ(setup->windowTitle(), "Campaign Setup Information");
  EXPECT_EQ(control<QComboBox>(setup, "cbo_attackcapital").currentText(), "place 100");
  EXPECT_EQ(control<QComboBox>(setup, "cbo_starty").currentText(), "1943");
  press(campaign, "cmd_setup");
  EXPECT_EQ(shown_windows("frm_c_setup"), std::vector<QWidget*>{setup});

  // More special events by each way there is: the arrow, typing over the box, the Up key,
  // which steps from the typed number.
  QLineEdit& events = control<QLineEdit>(setup, "txt_numspev");
  EXPECT_EQ(events.text(), "0");
  press_arrow(setup, "UpDown2", "up");
  EXPECT_EQ(events.text(), "1");
  events.selectAll();
  QTest::keyClicks(&events, "5");
  QTest::keyClick(&events, Qt::Key_Up);
  EXPECT_EQ(events.text(), "6");
  QTest::keyClick(&control<QComboBox>(setup, "cbo_starty"), Qt::Key_Down);
  EXPECT_EQ(globals.campaign, loaded);  // nothing is stored before "&Update"

  FrmCampaign* campaign_logic = registry.find<FrmCampaign>();
  ASSERT_NE(campaign_logic, nullptr);
  EXPECT_FALSE(campaign_logic->special_events_reachable());
  press(setup, "cmd_update");
  EXPECT_EQ(shown_window("frm_c_setup"), nullptr);
  EXPECT_TRUE(campaign_logic->special_events_reachable());

  platform.files = {dir / "campedited"};
  press(campaign, "cmd_csave");
  EXPECT_EQ(control<QLabel>(campaign, "lbl_currfile").text(), "campedited.dat");
  Campaign expected = loaded;
  expected.setup.num_spev = 6;
  expected.setup.start_year = 1944;
  const CampaignImage image = encode_campaign(expected);
  const std::vector<std::uint8_t> written = testing::read_bytes(dir / "campedited.dat");
  EXPECT_EQ(written.size(), 3708u);
  EXPECT_EQ(written, std::vector<std::uint8_t>(image.begin(), image.end()));
  EXPECT_FALSE(std::filesystem::exists(dir / "campedited"));
  EXPECT_TRUE(platform.messages.empty());

  // Closing the editor's frame shows the main window again.
  campaign->close();
  EXPECT_TRUE(main_window->isVisible());
  EXPECT_EQ(registry.find<FrmCampaign>(), nullptr);
  EXPECT_EQ(platform.quits, 0);
}

TEST_F(CampaignDesktopTest, SectionEditorsStoreOnlyOnUpdateAndRefuseBadTyping) {
  QWidget* campaign = campaign_editor_with(sample_campaign());
  press(campaign, "cmd_v1missions");
  QWidget* v1 = shown_window("frm_c_v1missions");
  ASSERT_NE(v1, nullptr);
  EXPECT_EQ(v1->windowTitle(), "V-1 Mission Speech");
  EXPECT_EQ(control<QLineEdit>(v1, "txt_intercept").text(), "308");
  QToolButton& intercept_up = control<QToolButton>(&control<QWidget>(v1, "upd_intercept"), "up");
  EXPECT_FALSE(intercept_up.isEnabled());
  control<QLineEdit>(v1, "txt_intercept").selectAll();
  QTest::keyClicks(&control<QLineEdit>(v1, "txt_intercept"), "100");
  EXPECT_TRUE(intercept_up.isEnabled());

  // The frame closes the editor and stores nothing.
  press_arrow(v1, "upd_attack", "up");
  EXPECT_EQ(control<QLineEdit>(v1, "txt_attack").text(), "1");
  v1->close();
  EXPECT_EQ(globals.campaign.v1_speech, sample_campaign().v1_speech);
  EXPECT_EQ(registry.find<FrmCV1Missions>(), nullptr);

  press(campaign, "cmd_v1missions");
  v1 = shown_window("frm_c_v1missions");
  ASSERT_NE(v1, nullptr);
  EXPECT_EQ(control<QLineEdit>(v1, "txt_attack").text(), "0");  // read afresh
  QLineEdit& ground = control<QLineEdit>(v1, "txt_ground");
  ground.selectAll();
  QTest::keyClicks(&ground, "4x");
  press(v1, "cmd_update");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "ERROR!");
  EXPECT_EQ(shown_window("frm_c_v1missions"), v1);
  EXPECT_EQ(ground.text(), "4x");  // left for the user to put right

  QTest::keyClick(&ground, Qt::Key_Backspace);
  press(v1, "cmd_update");
  EXPECT_EQ(shown_window("frm_c_v1missions"), nullptr);
  EXPECT_EQ(globals.campaign.v1_speech.v1_ground_speech, 4);

  // Section editors outlive the campaign editor, and closing it brings the main window back.
  press(campaign, "cmd_setup");
  press(campaign, "cmd_close");
  EXPECT_NE(shown_window("frm_c_setup"), nullptr);
  EXPECT_TRUE(main_window->isVisible());
}

TEST_F(CampaignDesktopTest, InputsAreNamedByTheirLabelsAndTabbedInReadingOrder) {
  // A year and a place no list has an entry for.
  globals.campaign.setup.start_year = 1939;
  globals.campaign.setup.defend_capital = 308;
  FrmCSetup setup_logic(globals, platform, registry);
  setup_logic.open();
  const std::unique_ptr<ui::FormWidget> setup = ui::make_form_widget(setup_logic);
  setup->show();

  EXPECT_EQ(control<QComboBox>(setup.get(), "cbo_starty").currentIndex(), -1);
  EXPECT_TRUE(control<QLabel>(setup.get(), "note_starty").isVisible());
  EXPECT_EQ(control<QLabel>(setup.get(), "note_defendcapital").text(), "Stored value: 308");
  EXPECT_FALSE(control<QLabel>(setup.get(), "note_startm").isVisible());
  QComboBox& language = control<QComboBox>(setup.get(), "cbo_language");
  EXPECT_EQ(language.accessibleName(), "Briefing Language & Art:");
  QLabel* language_label = nullptr;
  for (QLabel* label : setup->findChildren<QLabel*>()) {
    if (label->buddy() == &language) language_label = label;
  }
  ASSERT_NE(language_label, nullptr);
  EXPECT_EQ(language_label->text(), "Briefing Language && Art:");
  EXPECT_EQ(control<QLineEdit>(setup.get(), "txt_daysbetweenmissions").accessibleName(),
            "Days Between Missions:");
  EXPECT_EQ(control<QPushButton>(setup.get(), "cmd_update").text(), "&Update");
  EXPECT_EQ(control<QPushButton>(setup.get(), "cmd_close").text(), "&Close");
  EXPECT_EQ(
      testing::tab_order(control<QComboBox>(setup.get(), "cbo_starty")),
      (QStringList{"cbo_starty", "cbo_startm", "cbo_startd", "cbo_language", "cbo_attackside",
                   "cbo_camptype", "cbo_attackbase", "cbo_attackcapital", "cbo_defendcapital",
                   "txt_numsqns", "txt_numspev", "txt_numspm", "txt_numphases", "txt_phaselength",
                   "txt_daysbetweenmissions", "txt_numplanetypes", "cmd_update", "cmd_close"}));

  FrmCV1Missions v1_logic(globals, platform, registry);
  v1_logic.open();
  const std::unique_ptr<ui::FormWidget> v1 = ui::make_form_widget(v1_logic);
  v1->show();
  EXPECT_EQ(control<QLineEdit>(v1.get(), "txt_escort").accessibleName(),
            "V-1 Site Escort Bombers Speech:");
  EXPECT_EQ(testing::tab_order(control<QLineEdit>(v1.get(), "txt_attack")),
            (QStringList{"txt_attack", "txt_escort", "txt_intercept", "txt_ground", "cmd_update",
                         "cmd_close"}));

  press(main_window, "cmd_camp");
  QWidget* campaign = shown_window("frm_campaign");
  ASSERT_NE(campaign, nullptr);
  EXPECT_EQ(testing::tab_order(control<QPushButton>(campaign, "cmd_setup")),
            (QStringList{"cmd_setup", "cmd_phases", "cmd_planes", "cmd_gf", "cmd_af", "cmd_events",
                         "cmd_missions", "cmd_v1missions", "cmd_cload", "cmd_csave", "cmd_close"}));
}

}  // namespace
}  // namespace zav
