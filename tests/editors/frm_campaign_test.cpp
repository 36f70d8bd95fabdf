#include <stdexcept>

#include "editors/scripted_platform.h"

namespace zav::testing {
namespace {

// A campaign with `num_spev` special events and a value in its last phase.
Campaign sample_campaign(int num_spev) {
  Campaign campaign;
  campaign.setup.num_spev = static_cast<std::uint8_t>(num_spev);
  campaign.phases[24].us_oil = 1500;
  return campaign;
}

class CampaignEditor : public EditorTest {
 protected:
  CampaignEditor() {
    EXPECT_FALSE(save_campaign(camp1, sample_campaign(0)));
    EXPECT_FALSE(save_campaign(camp2, sample_campaign(3)));
  }

  // Presses "CAMPAIGN FILES" in the main window.
  FrmCampaign& open_editor() {
    main.cmd_camp_click();
    FrmCampaign* editor = registry.find<FrmCampaign>();
    if (!editor) throw std::logic_error("the campaign editor did not open");
    return *editor;
  }

  // "Load File" and "Close" are always enabled, the section buttons and "Save File" only
  // after a load.
  static void expect_loaded(const FrmCampaign& e, bool loaded) {
    for (const Button* button : {&e.cmd_setup, &e.cmd_phases, &e.cmd_planes, &e.cmd_gf, &e.cmd_af,
                                 &e.cmd_events, &e.cmd_missions, &e.cmd_v1missions, &e.cmd_csave}) {
      EXPECT_EQ(button->enabled, loaded) << button->caption;
    }
    EXPECT_TRUE(e.cmd_cload.enabled && e.cmd_close.enabled);
    EXPECT_EQ(e.lbl_currfile.caption, loaded ? "camp1.dat" : "NO OPEN FILE");
  }

  std::filesystem::path camp1 = dir / "camp1.dat";
  std::filesystem::path camp2 = dir / "camp2.dat";
};

TEST_F(CampaignEditor, OpensBesideTheHiddenMainWindowWithSectionEditorsThatOpenOnce) {
  FrmCampaign& editor = open_editor();
  expect_loaded(editor, false);
  main.cmd_camp_click();  // a second press brings the open editor forward
  EXPECT_EQ(registry.find<FrmCampaign>(), &editor);
  platform.will(camp1);
  editor.cmd_cload_click();
  EXPECT_EQ(platform.open_dialogs.at(0).filter, "Campaign Files (*.dat)|camp*.dat");
  EXPECT_EQ(globals.campaign, sample_campaign(0));
  expect_loaded(editor, true);

  editor.cmd_setup_click();
  FrmCSetup& setup = *registry.find<FrmCSetup>();
  setup.txt_numsqns.text = "20";  // typed, not yet stored
  editor.cmd_setup_click();
  editor.cmd_v1missions_click();
  EXPECT_EQ(registry.find<FrmCSetup>(), &setup);
  EXPECT_EQ(setup.txt_numsqns.text, "20");
  // "Special Events" is enabled by the load but opens nothing until the setup counts one.
  EXPECT_FALSE(editor.special_events_reachable());
  EXPECT_FALSE(editor.special_missions_reachable());
  setup.UpDown2_change(1);
  setup.cmd_update_click();
  EXPECT_TRUE(editor.special_events_reachable());
  EXPECT_FALSE(editor.special_missions_reachable());
  EXPECT_EQ(globals.campaign.setup.num_sqns, 20);

  const Campaign held = globals.campaign;
  editor.cmd_close_click();
  EXPECT_EQ(platform.window_events,
            (Texts{"hide frm_main", "show frm_campaign", "bring_forward frm_campaign",
                   "show frm_c_setup", "bring_forward frm_c_setup", "show frm_c_v1missions",
                   "close frm_c_setup", "close frm_campaign", "show frm_main"}));
  EXPECT_NE(registry.find<FrmCV1Missions>(), nullptr);  // section editors stay open

  FrmCampaign& reopened = open_editor();
  expect_loaded(reopened, false);
  EXPECT_EQ(globals.campaign, held);  // the record stays, and so does the question
  platform.will(MessageAnswer::cancel);
  reopened.cmd_cload_click();
  expect_asked_to_save("Campaigns");
  platform.window_events.clear();
  reopened.frame_close();
  EXPECT_EQ(platform.window_events, (Texts{"show frm_main"}));
  EXPECT_EQ(registry.find<FrmCampaign>(), nullptr);
}

TEST_F(CampaignEditor, SecondLoadAsksToSaveFirstAndFailuresAreToldAndChangeNothing) {
  FrmCampaign& editor = open_editor();
  platform.will(dir / "campnone.dat", camp1);
  editor.cmd_cload_click();
  EXPECT_TRUE(holds(error_text(), (dir / "campnone.dat").string()));
  expect_loaded(editor, false);
  editor.cmd_cload_click();            // still nothing held: no question
  globals.campaign.setup.num_spm = 9;  // an edit made in a section editor
  const Campaign edited = globals.campaign;

  write_bytes(dir / "campshort.dat", std::vector<std::uint8_t>(100, 0xAB));
  platform.will(MessageAnswer::no, dir / "campshort.dat");
  editor.cmd_cload_click();
  EXPECT_TRUE(holds(error_text(), "campshort.dat"));
  EXPECT_EQ(globals.campaign, edited);
  expect_loaded(editor, true);
  platform.will(MessageAnswer::cancel);  // no dialog, nothing changes
  editor.cmd_cload_click();
  expect_asked_to_save("Campaigns");
  EXPECT_EQ(globals.campaign, edited);
  expect_loaded(editor, true);

  // Yes, then a cancelled save dialog: nothing is written, and the load still goes on.
  platform.will(MessageAnswer::yes, kCancel, camp2);
  editor.cmd_cload_click();
  EXPECT_EQ(globals.campaign, sample_campaign(3));
  EXPECT_EQ(editor.lbl_currfile.caption, "camp2.dat");
  // Yes, saved under a name typed without an extension: ".dat" is added.
  globals.campaign.setup.num_spm = 4;
  const Campaign saved = globals.campaign;
  platform.will(MessageAnswer::yes, dir / "campmine", camp1);
  editor.cmd_cload_click();
  EXPECT_EQ(load_campaign(dir / "campmine.dat").value(), saved);
  EXPECT_FALSE(std::filesystem::exists(dir / "campmine"));
  EXPECT_EQ(globals.campaign, sample_campaign(0));
  platform.will(MessageAnswer::no, camp2);  // straight to the open dialog
  editor.cmd_cload_click();
  EXPECT_EQ(globals.campaign, sample_campaign(3));

  const std::filesystem::path unwritable = dir / "no-such-folder" / "camp9.dat";
  platform.will(unwritable, camp1);
  editor.cmd_csave_click();
  EXPECT_TRUE(holds(error_text(), unwritable.string()));
  EXPECT_EQ(editor.lbl_currfile.caption, "camp2.dat");
  editor.cmd_csave_click();
  EXPECT_EQ(editor.lbl_currfile.caption, "camp1.dat");
  EXPECT_EQ(load_campaign(camp1).value(), sample_campaign(3));
}

// Campaign Setup and V-1 Mission Speech: each copies its section on opening and stores it
// only on Update.

// The entry each list shows ("" for none) and, after a "|", its note when shown.
Texts shown_choices(const FrmCSetup& s) {
  const PickList* lists[] = {&s.cbo_starty,     &s.cbo_startm,        &s.cbo_startd,
                             &s.cbo_language,   &s.cbo_attackside,    &s.cbo_camptype,
                             &s.cbo_attackbase, &s.cbo_attackcapital, &s.cbo_defendcapital};
  const Label* notes[] = {&s.note_starty,     &s.note_startm,        &s.note_startd,
                          &s.note_language,   &s.note_attackside,    &s.note_camptype,
                          &s.note_attackbase, &s.note_attackcapital, &s.note_defendcapital};
  Texts shown;
  for (int i = 0; i < 9; ++i) {
    shown.push_back((lists[i]->has_selection() ? lists[i]->entries[lists[i]->position] : "") +
                    (notes[i]->visible ? "|" + notes[i]->caption : ""));
  }
  return shown;
}

// The number boxes of either editor, in the order of their rows.
std::vector<TextBox*> boxes(FrmCSetup& s) {
  return {&s.txt_numsqns,      &s.txt_numspev,     &s.txt_numspm,
          &s.txt_numphases,    &s.txt_phaselength, &s.txt_daysbetweenmissions,
          &s.txt_numplanetypes};
}
std::vector<TextBox*> boxes(FrmCV1Missions& v) {
  return {&v.txt_attack, &v.txt_escort, &v.txt_intercept, &v.txt_ground};
}
template <class Editor>
Texts texts(Editor& editor) {
  Texts texts;
  for (const TextBox* box : boxes(editor)) texts.push_back(box->text);
  return texts;
}
template <class Editor>
void type(Editor& editor, const Texts& texts) {
  for (std::size_t i = 0; i < texts.size(); ++i) boxes(editor)[i]->text = texts[i];
}

using SectionEditors = EditorTest;

TEST_F(SectionEditors, SetupShowsTheRecordAndStoresItOnUpdateOnly) {
  // 1943, June 1st, British briefings, Allies attacking, 1944 style; then the seven counts.
  globals.campaign.setup = {1943, 5, 0, 1, 2, 2, 12, 307, 0, 25, 0, 32, 5, 7, 255, 30};
  globals.campaign.phases[3].us_oil = 1200;
  globals.names.place_names[12] = "London";
  const Campaign before = globals.campaign;
  FrmCSetup& setup = open_section<FrmCSetup>();
  EXPECT_EQ(shown_choices(setup), (Texts{"1943", "June", "1", "British", "America/Allies",
                                         "1944 Style (0400)", "London", "", ""}));
  EXPECT_EQ(setup.cbo_attackcapital.entries.size(), 308u);  // empty names, still selectable
  EXPECT_EQ(setup.cbo_attackcapital.position, 307);
  EXPECT_EQ(setup.cbo_defendcapital.position, 0);
  EXPECT_EQ(texts(setup), (Texts{"25", "0", "32", "5", "7", "255", "30"}));
  setup.cmd_update_click();
  EXPECT_EQ(globals.campaign, before);
  EXPECT_EQ(registry.find<FrmCSetup>(), nullptr);
  EXPECT_EQ(setup.txt_numsqns.text, "25");  // it closed itself in its handler and lives on

  // The phases editor bounds its dates by the phase length the box shows, stored or not.
  FrmCSetup& closed = open_section<FrmCSetup>();
  closed.UpDown5_change(12);
  EXPECT_EQ(closed.shown_phase_length(), 12);
  for (const char* not_a_length : {"1x", "-3"}) {
    closed.txt_phaselength.text = not_a_length;
    EXPECT_EQ(closed.shown_phase_length(), std::nullopt) << not_a_length;
  }
  closed.UpDown5_change(12);  // choices an Update would store
  closed.cbo_startm.position = 0;
  closed.cmd_close_click();
  FrmCSetup& framed = open_section<FrmCSetup>();
  framed.UpDown2_change(9);
  framed.frame_close();
  EXPECT_EQ(globals.campaign, before);
  EXPECT_EQ(registry.find<FrmCSetup>(), nullptr);

  FrmCSetup& again = open_section<FrmCSetup>();
  EXPECT_EQ(again.shown_phase_length(), 7);
  again.cbo_startd.position = 30;  // "31"
  again.cbo_starty.position = 6;   // "1946"
  again.UpDown4_change(3);         // fewer phases: those above keep their entries
  again.cmd_update_click();
  EXPECT_EQ(globals.campaign.setup.start_day, 30);
  EXPECT_EQ(globals.campaign.setup.start_year, 1946);
  EXPECT_EQ(globals.campaign.setup.num_phases, 3);
  EXPECT_EQ(globals.campaign.phases, before.phases);
}

TEST_F(SectionEditors, SetupKeepsWhatNoControlCanShowAndRefusesTextItCannotStore) {
  // Year 1939, month 12, day 32, language 3, side 255, type 3, places 308, -1 and 5, then
  // counts above or below their spins' ranges.
  const CampaignSetup odd{1939, 12, 31, 3, 255, 3, 308, -1, 5, 300, 40, 33, 0, 51, 0, 31};
  globals.campaign.setup = odd;
  FrmCSetup& setup = open_section<FrmCSetup>();
  EXPECT_EQ(shown_choices(setup),
            (Texts{"|Stored value: 1939", "|Stored value: 12", "|Stored value: 31",
                   "|Stored value: 3", "|Stored value: 255", "|Stored value: 3",
                   "|Stored value: 308", "|Stored value: -1", ""}));
  EXPECT_EQ(setup.cbo_defendcapital.position, 5);
  EXPECT_EQ(texts(setup), (Texts{"300", "40", "33", "0", "51", "0", "31"}));
  EXPECT_EQ(setup.UpDown1.value, 25);  // the arrows start from the nearest bound
  EXPECT_EQ(setup.UpDown6.value, 1);
  setup.cmd_update_click();
  EXPECT_EQ(globals.campaign.setup, odd);

  FrmCSetup& again = open_section<FrmCSetup>();
  again.cbo_starty.position = 0;  // a valid change, held back with the rest
  // 256 days would wrap to 0 in its byte.
  type(again, {"26", "abc", "+3", "-1", "", "256", "99999999999"});
  again.cmd_update_click();
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
  EXPECT_EQ(globals.campaign.setup, odd);
  EXPECT_EQ(registry.find<FrmCSetup>(), &again);
  EXPECT_EQ(platform.window_events.back(), "show frm_c_setup");

  type(again, {"025", " 4 ", "0", "3", "50", "255", "1"});
  again.cmd_update_click();
  EXPECT_EQ(platform.messages.size(), 1u);
  const CampaignSetup expected{1940, 12, 31, 3, 255, 3, 308, -1, 5, 25, 4, 0, 3, 50, 255, 1};
  EXPECT_EQ(globals.campaign.setup, expected);
}

TEST_F(SectionEditors, V1SpeechStoresOnUpdateOnlyAndKeepsWhatNoSpinCanShow) {
  globals.campaign.v1_speech = {0, 1, 308, 17};
  FrmCV1Missions& v1 = open_section<FrmCV1Missions>();
  EXPECT_EQ(texts(v1), (Texts{"0", "1", "308", "17"}));
  EXPECT_EQ(v1.upd_intercept.value, 308);
  v1.cmd_update_click();
  EXPECT_EQ(globals.campaign.v1_speech, (V1Speech{0, 1, 308, 17}));
  EXPECT_EQ(registry.find<FrmCV1Missions>(), nullptr);

  FrmCV1Missions& closed = open_section<FrmCV1Missions>();
  closed.upd_attack_change(5);
  EXPECT_EQ(closed.txt_attack.text, "5");
  closed.cmd_close_click();
  EXPECT_EQ(globals.campaign.v1_speech, (V1Speech{0, 1, 308, 17}));
  EXPECT_EQ(platform.window_events.back(), "close frm_c_v1missions");

  globals.campaign.v1_speech = {-5, 400, 3, 4};
  FrmCV1Missions& odd = open_section<FrmCV1Missions>();
  EXPECT_EQ(texts(odd), (Texts{"-5", "400", "3", "4"}));
  EXPECT_EQ(odd.upd_attack.value, 0);  // the arrows start from the nearest bound
  EXPECT_EQ(odd.upd_escort.value, 308);
  type(odd, {"-5", "400", "309", "-1"});
  odd.cmd_update_click();
  const std::string refusal = error_text();
  EXPECT_TRUE(holds(refusal, "V-1 Intercept Speech: \"309\" is not a whole number from 0 to 308."));
  EXPECT_TRUE(holds(refusal, "V-1 Ground Control Related Speech: \"-1\""));
  EXPECT_EQ(globals.campaign.v1_speech, (V1Speech{-5, 400, 3, 4}));
  EXPECT_EQ(registry.find<FrmCV1Missions>(), &odd);

  odd.upd_ground_change(0);
  type(odd, {"-5", "400", "308"});
  odd.cmd_update_click();
  EXPECT_EQ(globals.campaign.v1_speech, (V1Speech{-5, 400, 308, 0}));
  EXPECT_EQ(platform.messages.size(), 1u);
}

}  // namespace
}  // namespace zav::testing
