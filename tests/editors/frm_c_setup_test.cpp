#include "editors/scripted_platform.h"

namespace zav::testing {
namespace {

// The entry each list shows ("" for none) and, after a "|", its note when there is one.
Texts shown_choices(const FrmCSetup& s) {
  Texts shown;
  for (const PickList* list :
       {&s.cbo_starty, &s.cbo_startm, &s.cbo_startd, &s.cbo_language, &s.cbo_attackside,
        &s.cbo_camptype, &s.cbo_attackbase, &s.cbo_attackcapital, &s.cbo_defendcapital}) {
    shown.push_back((list->has_selection() ? list->entries[list->position] : "") +
                    (list->note().empty() ? "" : "|" + list->note()));
  }
  return shown;
}

Boxes boxes(FrmCSetup& s) {
  return {&s.txt_numsqns,      &s.txt_numspev,     &s.txt_numspm,
          &s.txt_numphases,    &s.txt_phaselength, &s.txt_daysbetweenmissions,
          &s.txt_numplanetypes};
}

using FrmCSetupTest = EditorTest;

TEST_F(FrmCSetupTest, ShowsTheRecordAndStoresItOnUpdateOnly) {
  // 1943, June 1st, British briefings, Allies attacking, 1944 style, from place 12 against
  // place 307, defending place 0; then the seven counts. How each field shows is checked on
  // the sample campaign through the widgets (ui/samples_test.cpp); here, that Update stores
  // back what was shown.
  hold(globals.campaign, [](Campaign& c) {
    c.setup = {1943, 5, 0, 1, 2, 2, 12, 307, 0, 25, 0, 32, 5, 7, 255, 30};
    c.phases[3].us_oil = 1200;
  });
  const Campaign before = globals.campaign.record();
  FrmCSetup& setup = open_section<FrmCSetup>();
  EXPECT_EQ(setup.cbo_attackcapital.entries.size(), 308u);  // empty names, still selectable
  EXPECT_EQ(setup.cbo_attackcapital.position, 307);
  setup.cmd_update.click();
  EXPECT_EQ(globals.campaign.record(), before);
  EXPECT_EQ(registry.find<FrmCSetup>(), nullptr);
  EXPECT_EQ(setup.txt_numsqns.text, "25");  // it closed itself in its handler and lives on

  // The phases editor bounds its dates by the phase length the box shows, stored or not, once
  // the user is done typing it.
  FrmCSetup& closed = open_section<FrmCSetup>();
  closed.txt_phaselength.spin_to(12);
  EXPECT_EQ(closed.shown_phase_length(), 12);
  closed.txt_phaselength.type("1x");
  EXPECT_EQ(closed.shown_phase_length(), 12);
  EXPECT_TRUE(enter(closed, closed.txt_phaselength, "20"));
  EXPECT_EQ(closed.shown_phase_length(), 20);
  closed.txt_phaselength.spin_to(12);  // choices an Update would store
  closed.cbo_startm.choose(0);
  closed.cmd_close.click();
  FrmCSetup& framed = open_section<FrmCSetup>();
  framed.txt_numspev.spin_to(9);
  EXPECT_TRUE(framed.frame_close());
  EXPECT_EQ(globals.campaign.record(), before);
  EXPECT_EQ(registry.find<FrmCSetup>(), nullptr);

  FrmCSetup& again = open_section<FrmCSetup>();
  EXPECT_EQ(again.shown_phase_length(), 7);
  again.cbo_startd.choose(30);     // "31"
  again.cbo_starty.choose(6);      // "1946"
  again.txt_numphases.spin_to(3);  // fewer phases: those above keep their entries
  again.cmd_update.click();
  EXPECT_EQ(globals.campaign.record().setup.start_day, 30);
  EXPECT_EQ(globals.campaign.record().setup.start_year, 1946);
  EXPECT_EQ(globals.campaign.record().setup.num_phases, 3);
  EXPECT_EQ(globals.campaign.record().phases, before.phases);
}

TEST_F(FrmCSetupTest, KeepsWhatNoControlCanShowAndRefusesTextItCannotStore) {
  // Year 1939, month 12, day 32, language 3, side 255, type 3, places 308, -1 and 5, then
  // counts above or below their spins' ranges.
  const CampaignSetup odd{1939, 12, 31, 3, 255, 3, 308, -1, 5, 300, 40, 33, 0, 51, 0, 31};
  hold(globals.campaign, [&](Campaign& c) { c.setup = odd; });
  FrmCSetup& setup = open_section<FrmCSetup>();
  EXPECT_EQ(shown_choices(setup),
            (Texts{"|Stored value: 1939", "|Stored value: 12", "|Stored value: 31",
                   "|Stored value: 3", "|Stored value: 255", "|Stored value: 3",
                   "|Stored value: 308", "|Stored value: -1", ""}));
  EXPECT_EQ(setup.cbo_defendcapital.position, 5);
  EXPECT_EQ(texts(boxes(setup)), (Texts{"300", "40", "33", "0", "51", "0", "31"}));
  setup.cmd_update.click();
  EXPECT_EQ(globals.campaign.record().setup, odd);

  FrmCSetup& again = open_section<FrmCSetup>();
  again.cbo_starty.choose(0);  // a valid change, held back with the rest
  // 256 days would wrap to 0 in its byte.
  type(boxes(again), {"26", "abc", "+3", "-1", "", "256", "99999999999"});
  again.cmd_update.click();
  const std::string refusal = error_text();
  for (const char* named :
       {"Number of Squadrons: \"26\" is not a whole number from 1 to 25.",
        "Num. Special Events: \"abc\" is not a whole number from 0 to 32.",
        "Num. Special Missions: \"+3\" is not a whole number from 0 to 32.",
        "Number of Phases: \"-1\" is not a whole number from 1 to 25.",
        "Phase Length (Days): \"\" is not a whole number from 1 to 50.",
        "Days Between Missions: \"256\" is not a whole number from 1 to 255.",
        "Number of Plane Types: \"99999999999\" is not a whole number from 1 to 30."}) {
    EXPECT_TRUE(holds(refusal, named));
  }
  EXPECT_EQ(globals.campaign.record().setup, odd);
  EXPECT_EQ(registry.find<FrmCSetup>(), &again);

  type(boxes(again), {"025", " 4 ", "0", "3", "50", "255", "1"});
  again.cmd_update.click();
  EXPECT_EQ(platform.messages.size(), 1u);
  CampaignSetup expected = odd;
  expected.start_year = 1940;
  expected.num_sqns = 25;
  expected.num_spev = 4;
  expected.num_spm = 0;
  expected.num_phases = 3;
  expected.phase_length = 50;
  expected.days_between_missions = 255;
  expected.num_plane_types = 1;
  EXPECT_EQ(globals.campaign.record().setup, expected);
}

}  // namespace
}  // namespace zav::testing
