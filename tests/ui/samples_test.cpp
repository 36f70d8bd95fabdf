// The sample game folder through the real program: the names and the airfield table loaded
// by the main window's buttons, the full campaign opened in the campaign editor, and its values
// found in the controls of the section editors.
#include <gtest/gtest.h>

#include <QtWidgets>
#include <fstream>
#include <nlohmann/json.hpp>
#include <initializer_list>
#include <set>
#include <string>
#include <utility>

#include "ui/desktop_fixture.h"

namespace zav::testing {
namespace {

const std::filesystem::path kGame = ZAV_SAMPLE_GAME;
const std::filesystem::path kSources = ZAV_SAMPLE_SOURCES;

nlohmann::json source(const char* name) {
  std::ifstream in(kSources / name);
  return nlohmann::json::parse(in);
}

QString text_of(const nlohmann::json& number) {
  return QString::number(number.get<int>());
}

using SampleFolderTest = DesktopTest;

TEST_F(SampleFolderTest, NamesAirfieldsAndTheFullCampaignShowInTheEditors) {
  platform.will(kGame / "weapons.str", kGame / "planes.str", kGame / "places.str",
                kGame / "targets.dat");
  for (const char* button : {"cmd_loadwnames", "cmd_pnames", "cmd_bnames", "cmd_airfield"}) {
    press(main_window, button);
  }
  EXPECT_TRUE(platform.messages.empty());
  const auto weapons = source("weapons.json")["strings"];
  const auto planes = source("planes.json")["strings"];
  const auto places = source("places.json")["strings"];
  EXPECT_EQ(globals.names.weapon_names[31], weapons[31]);
  EXPECT_EQ(globals.names.plane_names[29], planes[29]);
  EXPECT_EQ(globals.names.place_names[307], places[307]);
  // The document must outlive the loop over its records.
  const auto targets = source("targets.json");
  for (const auto& record : targets["records"]) {
    if (record["airfield"] == 0) continue;
    EXPECT_EQ(globals.names.airfield_names[record["airfield"].get<int>() - 1],
              places[record["place"].get<int>()]);
  }

  QWidget* campaign = open(main_window, "cmd_camp", "frm_campaign");
  platform.will(kGame / "camp01.dat");
  press(campaign, "cmd_cload");
  EXPECT_EQ(control<QLabel>(campaign, "lbl_currfile").text(), "camp01.dat");
  const auto full = source("camp01.json");

  QWidget* setup_window = open(campaign, "cmd_setup", "frm_c_setup");
  const auto& setup = full["setup"];
  EXPECT_EQ(control<QComboBox>(setup_window, "cbo_starty").currentText(),
            text_of(setup["start_year"]));
  for (const auto& [list, field] : {std::pair{"cbo_startm", "start_month"},
                                    {"cbo_startd", "start_day"},
                                    {"cbo_language", "brief_language"},
                                    {"cbo_attackside", "attack_side"},
                                    {"cbo_camptype", "camp_type"}}) {
    EXPECT_EQ(control<QComboBox>(setup_window, list).currentIndex(), setup[field]) << list;
  }
  for (const auto& [list, field] : {std::pair{"cbo_attackbase", "attack_base"},
                                    {"cbo_attackcapital", "attack_capital"},
                                    {"cbo_defendcapital", "defend_capital"}}) {
    const std::string name = places[setup[field].get<int>()];
    EXPECT_EQ(control<QComboBox>(setup_window, list).currentText().toStdString(), name) << list;
  }
  for (const auto& [box, field] : {std::pair{"txt_numsqns", "num_sqns"},
                                   {"txt_numspev", "num_spev"},
                                   {"txt_numspm", "num_spm"},
                                   {"txt_numphases", "num_phases"},
                                   {"txt_phaselength", "phase_length"},
                                   {"txt_daysbetweenmissions", "days_between_missions"},
                                   {"txt_numplanetypes", "num_plane_types"}}) {
    EXPECT_EQ(control<QLineEdit>(setup_window, box).text(), text_of(setup[field])) << box;
  }

  QWidget* v1 = open(campaign, "cmd_v1missions", "frm_c_v1missions");
  for (const auto& [box, field] : {std::pair{"txt_attack", "v1_attack_speech"},
                                   {"txt_escort", "v1_escort_speech"},
                                   {"txt_intercept", "v1_intercept_speech"},
                                   {"txt_ground", "v1_ground_speech"}}) {
    EXPECT_EQ(control<QLineEdit>(v1, box).text(), text_of(full["v1_speech"][field])) << box;
  }

  // The other section editors, each on its first entry.
  QWidget* phases = open(campaign, "cmd_phases", "frm_c_phases");
  EXPECT_EQ(control<QComboBox>(phases, "cbo_wc").currentIndex(), full["phases"][0]["win_condition"]);
  EXPECT_EQ(control<QSlider>(phases, "sld_usoil").value(), full["phases"][0]["us_oil"]);
  QWidget* planes_window = open(campaign, "cmd_planes", "frm_c_planes");
  EXPECT_EQ(control<QLineEdit>(planes_window, "txt_planecount").text(),
            text_of(full["plane_types"][0]["initial_planes"]));
  EXPECT_EQ(control<QLineEdit>(open(campaign, "cmd_gf", "frm_c_germanforces"),
                               "txt_gf_airstrength").text(),
            text_of(full["german_forces"]["air"]));
  EXPECT_EQ(control<QLineEdit>(open(campaign, "cmd_af", "frm_c_alliedforces"),
                               "txt_af_submarine").text(),
            text_of(full["allied_forces"]["factories"][7]));
}

// Steps through every entry by the spin's up arrow, if any, and chooses every entry of each list,
// and returns each size the window took meanwhile.
std::set<std::pair<int, int>> sizes_through(QWidget* window, const char* spin,
                                            std::initializer_list<const char*> lists) {
  std::set<std::pair<int, int>> sizes;
  const auto note = [&] {
    QApplication::processEvents();
    sizes.insert({window->width(), window->height()});
  };
  note();
  for (QToolButton* up = spin ? &arrow(window, spin, "up") : nullptr; up && up->isEnabled();
       note()) {
    up->click();
  }
  for (const char* name : lists) {
    auto& list = control<QComboBox>(window, name);
    for (int i = 0; i < list.count(); ++i, note()) {
      list.setCurrentIndex(i);
      Q_EMIT list.activated(i);
    }
  }
  return sizes;
}

// Buttons that move under the pointer as the user steps are pressed by mistake.
TEST_F(SampleFolderTest, EditorsKeepOneSizeThroughEveryEntryTypeAndTrigger) {
  platform.will(kGame / "planes.str", kGame / "places.str");
  for (const char* button : {"cmd_pnames", "cmd_bnames"}) press(main_window, button);
  QWidget* campaign = open(main_window, "cmd_camp", "frm_campaign");
  platform.will(kGame / "camp01.dat");
  press(campaign, "cmd_cload");
  QWidget* events = open(campaign, "cmd_events", "frm_c_specialevents");
  EXPECT_EQ(sizes_through(events, "upd_spev", {"cbo_se_trigger", "cbo_se_type"}).size(), 1);
  QWidget* missions = open(campaign, "cmd_missions", "frm_c_specialmissions");
  EXPECT_EQ(sizes_through(missions, "UpDown38", {"cbo_smtrigger", "cbo_sm_type"}).size(), 1);
  press(campaign, "cmd_close");

  in_modal_editor("cmd_sqd", "frm_squadron", [&](QWidget* squadrons) {
    platform.will(kGame / "sq01.dat");
    press(squadrons, "cmd_sload");
    EXPECT_EQ(sizes_through(squadrons, "upd_currsqn", {"cbo_moves", "cbo_changes"}).size(), 1);
    platform.will(MessageAnswer::no);  // to saving the changed counts
  });
  in_modal_editor("cmd_miss", "frm_mission", [&](QWidget* mission) {
    platform.will(kGame / "misn01.dat");
    press(mission, "cmd_mload");
    EXPECT_EQ(sizes_through(mission, nullptr, {"cbo_fnum", "cbo_anum", "cbo_bnum"}).size(), 1);
    platform.will(MessageAnswer::no);
  });
}

}  // namespace
}  // namespace zav::testing
