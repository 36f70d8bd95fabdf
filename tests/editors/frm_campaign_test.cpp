#include <algorithm>
#include <stdexcept>

#include "editors/frm_c_forces/frm_c_forces.h"
#include "editors/frm_c_phases/frm_c_phases.h"
#include "editors/frm_c_specialmissions/frm_c_specialmissions.h"
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
    main.cmd_camp.click();
    FrmCampaign* editor = registry.find<FrmCampaign>();
    if (!editor) throw std::logic_error("the campaign editor did not open");
    return *editor;
  }

  // The section buttons and "Save File" are enabled only after a load.
  static void expect_loaded(const FrmCampaign& e, bool loaded) {
    for (const Button* button : {&e.cmd_setup, &e.cmd_phases, &e.cmd_planes, &e.cmd_gf, &e.cmd_af,
                                 &e.cmd_events, &e.cmd_missions, &e.cmd_v1missions, &e.cmd_csave}) {
      EXPECT_EQ(button->enabled, loaded) << button->caption;
    }
    EXPECT_EQ(e.lbl_currfile.caption, loaded ? "camp1.dat" : "NO OPEN FILE");
  }

  std::filesystem::path camp1 = dir / "camp1.dat";
  std::filesystem::path camp2 = dir / "camp2.dat";
};

TEST_F(CampaignEditor, OpensBesideTheHiddenMainWindowWithSectionEditorsThatOpenOnce) {
  FrmCampaign& editor = open_editor();
  expect_loaded(editor, false);
  main.cmd_camp.click();  // a second press brings the open editor forward
  EXPECT_EQ(registry.find<FrmCampaign>(), &editor);
  platform.will(camp1);
  editor.cmd_cload.click();
  EXPECT_EQ(globals.campaign.record(), sample_campaign(0));
  expect_loaded(editor, true);

  editor.cmd_setup.click();
  FrmCSetup& setup = *registry.find<FrmCSetup>();
  setup.txt_numsqns.type("20");  // typed, not yet stored
  editor.cmd_setup.click();
  editor.cmd_v1missions.click();
  EXPECT_EQ(registry.find<FrmCSetup>(), &setup);
  EXPECT_EQ(setup.txt_numsqns.text, "20");
  // "Special Events" and "Special Missions" are enabled by the load but open nothing until the
  // setup counts one; beyond the 32 missions the table holds, the steps stop at 32.
  editor.cmd_events.click();
  editor.cmd_missions.click();
  setup.txt_numspev.spin_to(1);
  setup.cmd_update.click();
  editor.cmd_events.click();
  editor.cmd_missions.click();
  EXPECT_EQ(globals.campaign.record().setup.num_sqns, 20);
  hold(globals.campaign, [](Campaign& c) { c.setup.num_spm = 40; });
  editor.cmd_missions.click();
  EXPECT_EQ(registry.find<FrmCSpecialMissions>()->txt_smnum.maximum, 32);

  const Campaign held = globals.campaign.record();
  editor.cmd_close.click();
  EXPECT_EQ(platform.window_events,
            (Texts{"hide frm_main", "show frm_campaign", "bring_forward frm_campaign",
                   "show frm_c_setup", "bring_forward frm_c_setup", "show frm_c_v1missions",
                   "close frm_c_setup", "show frm_c_specialevents", "show frm_c_specialmissions",
                   "close frm_campaign", "show frm_main"}));
  EXPECT_NE(registry.find<FrmCV1Missions>(), nullptr);  // section editors stay open

  FrmCampaign& reopened = open_editor();
  expect_loaded(reopened, false);
  EXPECT_EQ(globals.campaign.record(), held);  // the record stays, and so does the question
  platform.will(MessageAnswer::cancel);
  reopened.cmd_cload.click();
  expect_asked_to_save("Campaigns");
  platform.window_events.clear();
  reopened.frame_close();
  EXPECT_EQ(platform.window_events, (Texts{"show frm_main"}));
  EXPECT_EQ(registry.find<FrmCampaign>(), nullptr);
}

TEST_F(CampaignEditor, FailuresChangeNothingAndChangesNeverSavedAreOfferedBeforeTheyAreLost) {
  FrmCampaign& editor = open_editor();
  platform.will(dir / "campnone.dat", camp1);
  editor.cmd_cload.click();
  EXPECT_TRUE(holds(error_text(), (dir / "campnone.dat").string()));
  expect_loaded(editor, false);
  editor.cmd_cload.click();  // still nothing held: no question
  EXPECT_TRUE(editor.holds_file());
  EXPECT_FALSE(editor.unsaved_changes());
  open_section<FrmCSetup>().txt_numspm.spin_to(2);
  registry.find<FrmCSetup>()->cmd_update.click();
  EXPECT_TRUE(editor.unsaved_changes());
  const Campaign changed = globals.campaign.record();

  write_bytes(dir / "campshort.dat", std::vector<std::uint8_t>(100, 0xAB));
  platform.will(MessageAnswer::no, dir / "campshort.dat");
  editor.cmd_cload.click();
  EXPECT_TRUE(holds(error_text(), "campshort.dat"));
  EXPECT_EQ(globals.campaign.record(), changed);
  expect_loaded(editor, true);

  // Yes, then a save that fails: the load stops and the changes stay.
  const std::filesystem::path unwritable = dir / "no-such-folder" / "camp9.dat";
  platform.will(MessageAnswer::yes, unwritable);
  editor.cmd_cload.click();
  EXPECT_TRUE(holds(error_text(), unwritable.string()));
  EXPECT_EQ(platform.open_dialogs.size(), 3u);
  EXPECT_EQ(globals.campaign.record(), changed);
  EXPECT_EQ(editor.lbl_currfile.caption, "camp1.dat");

  // "Exit" asks first: Cancel, a cancelled dialog and a failed save keep the program running.
  platform.will(MessageAnswer::cancel, MessageAnswer::yes, kCancel, MessageAnswer::yes, unwritable);
  main.cmd_exit.click();
  expect_asked_to_save("ZAV Campaign Editor");
  main.cmd_exit.click();
  EXPECT_FALSE(main.frame_close());
  EXPECT_EQ(std::count(platform.window_events.begin(), platform.window_events.end(), "quit"), 0);
  EXPECT_EQ(editor.lbl_currfile.caption, "camp1.dat");
  platform.will(MessageAnswer::yes, dir / "campexit");
  main.cmd_exit.click();
  EXPECT_EQ(load_campaign(dir / "campexit.dat").value(), changed);
  EXPECT_EQ(platform.window_events.back(), "quit");
  EXPECT_FALSE(editor.unsaved_changes());
  main.cmd_exit.click();  // nothing left unsaved: no question
  globals.campaign.edit([](Campaign& c) { c.setup.num_spm = 3; });
  platform.will(MessageAnswer::no);
  EXPECT_TRUE(main.frame_close());
  EXPECT_EQ(std::count(platform.window_events.begin(), platform.window_events.end(), "quit"), 3);
}

TEST_F(CampaignEditor, UndoAndRedoGoThroughEveryUpdateAndEveryOpenEditorFollows) {
  FrmCampaign& editor = open_editor();
  platform.will(camp1);
  editor.cmd_cload.click();
  const CampaignImage loaded = encode_campaign(globals.campaign.record());

  // One step for each Update and each step that stored a change; looking adds none.
  FrmCSetup& setup = open_section<FrmCSetup>();
  setup.txt_numphases.spin_to(3);
  setup.cmd_update.click();
  FrmCPhases& phases = open_section<FrmCPhases>();
  phases.txt_currphase.step_by(1);
  phases.txt_currphase.step_by(-1);
  phases.us_production[0].move(700);
  phases.txt_currphase.step_by(1);
  FrmCV1Missions& v1 = open_section<FrmCV1Missions>();
  EXPECT_TRUE(enter(v1, v1.txt_attack, "12"));
  v1.cmd_update.click();
  const CampaignImage edited = encode_campaign(globals.campaign.record());
  EXPECT_TRUE(editor.unsaved_changes());

  // An undo shows in every open editor: the phases editor shows its phase as the campaign now
  // holds it, and an open setup editor drops what it had not stored.
  FrmCSetup& pending = open_section<FrmCSetup>();
  EXPECT_TRUE(enter(pending, pending.txt_numsqns, "9"));
  editor.undo();
  EXPECT_EQ(globals.campaign.record().v1_speech.v1_attack_speech, 0);
  editor.undo();
  phases.txt_currphase.step_by(-1);
  EXPECT_EQ(phases.us_production[0].value, 0);
  editor.undo();
  EXPECT_EQ(pending.txt_numphases.text, "0");
  EXPECT_EQ(pending.txt_numsqns.text, "0");
  EXPECT_EQ(encode_campaign(globals.campaign.record()), loaded);
  EXPECT_FALSE(editor.unsaved_changes());
  EXPECT_FALSE(globals.campaign.can_undo());
  while (globals.campaign.can_redo()) editor.redo();
  EXPECT_EQ(encode_campaign(globals.campaign.record()), edited);
  EXPECT_EQ(pending.txt_numphases.text, "3");

  // Save keeps the history: undoing past it marks the campaign, redoing back clears the mark.
  platform.will(camp2);
  editor.cmd_csave.click();
  editor.undo();
  EXPECT_TRUE(editor.unsaved_changes());
  editor.redo();
  EXPECT_FALSE(editor.unsaved_changes());

  // An undo in a section editor takes back first what it shows and has not stored; a redo
  // brings that back as a step.
  pending.txt_numsqns.spin_to(7);
  pending.undo();
  EXPECT_EQ(pending.txt_numsqns.text, "0");
  EXPECT_EQ(encode_campaign(globals.campaign.record()), edited);
  pending.redo();
  EXPECT_EQ(globals.campaign.record().setup.num_sqns, 7);
}

TEST_F(CampaignEditor, ALoadShowsInOpenSectionEditorsAndNoEntryGoesIntoAnotherCampaign) {
  Campaign other = sample_campaign(0);
  other.setup.num_phases = 2;
  other.phases[0].us_oil = 300;
  other.phases[1].us_oil = 400;
  ASSERT_FALSE(save_campaign(camp2, other));
  FrmCampaign& editor = open_editor();
  platform.will(camp1);
  editor.cmd_cload.click();
  FrmCPhases& phases = open_section<FrmCPhases>();
  phases.us_production[3].move(1900);  // on screen, not stored

  platform.will(MessageAnswer::no, camp2);
  editor.cmd_cload.click();
  EXPECT_EQ(phases.current_phase(), 0);
  EXPECT_EQ(phases.us_production[3].value, 300);
  EXPECT_EQ(phases.txt_currphase.maximum, 2);
  phases.txt_currphase.step_by(1);  // stores the shown phase of the campaign now held
  phases.cmd_update.click();
  EXPECT_EQ(globals.campaign.record(), other);
  EXPECT_FALSE(editor.unsaved_changes());
}

TEST_F(CampaignEditor, CloseAsksWhileChangesAreUnsavedAndAReopenedEditorMarksNothing) {
  FrmCampaign& editor = open_editor();
  platform.will(camp1);
  editor.cmd_cload.click();
  editor.cmd_close.click();  // nothing changed: no question
  FrmCampaign& reopened = open_editor();
  platform.will(MessageAnswer::no, camp1);
  reopened.cmd_cload.click();
  globals.campaign.edit([](Campaign& c) { c.setup.num_spm = 2; });
  platform.will(MessageAnswer::cancel, MessageAnswer::yes, kCancel);
  reopened.cmd_close.click();
  EXPECT_FALSE(reopened.frame_close());
  EXPECT_EQ(registry.find<FrmCampaign>(), &reopened);
  platform.will(MessageAnswer::no);
  reopened.cmd_close.click();
  EXPECT_EQ(registry.find<FrmCampaign>(), nullptr);

  // The changes stay in the program, and Exit still offers them; a reopened editor, which
  // cannot save them before a load, neither marks them nor undoes them.
  FrmCampaign& again = open_editor();
  EXPECT_FALSE(again.unsaved_changes());
  again.undo();
  EXPECT_EQ(globals.campaign.record().setup.num_spm, 2);
  platform.will(MessageAnswer::no);
  main.cmd_exit.click();
  expect_asked_to_save("ZAV Campaign Editor");
}

// A file dropped on the editor loads as "Load File" does with the file chosen, the save
// question first.
TEST_F(CampaignEditor, AFileDroppedOnItAsksToSaveFirst) {
  FrmCampaign& editor = open_editor();
  ASSERT_EQ(editor.loads_kind(), DataKind::campaign);
  editor.load_file(camp1);
  EXPECT_TRUE(platform.messages.empty()) << "no file was open: nothing to ask";
  globals.campaign.edit([](Campaign& c) { c.setup.num_phases = 9; });
  const Campaign changed = globals.campaign.record();
  platform.will(MessageAnswer::yes, camp1);
  editor.load_file(camp2);
  expect_asked_to_save(editor.caption());
  EXPECT_EQ(globals.campaign.record(), sample_campaign(3));
  EXPECT_EQ(editor.lbl_currfile.caption, "camp2.dat");
  EXPECT_EQ(load_campaign(camp1).value(), changed);
}

// Folders in Latin with an umlaut, Cyrillic and Japanese: no ANSI code page of Windows spells
// all three.
TEST_F(CampaignEditor, CampaignsUnderFoldersNamedInAnyScriptLoadSaveAndAreNamedInMessages) {
  const std::filesystem::path folder = dir.path() / path_from_utf8("Kämpfe/Кампании/キャンペーン");
  std::filesystem::create_directories(folder);
  Campaign campaign;
  campaign.setup.num_spev = 3;
  ASSERT_FALSE(save_campaign(folder / path_from_utf8("camp-戦い.dat"), campaign));

  FrmCampaign& editor = open_editor();
  platform.will(folder / path_from_utf8("camp-戦い.dat"));
  editor.cmd_cload.click();
  EXPECT_EQ(globals.campaign.record(), campaign);
  EXPECT_EQ(editor.lbl_currfile.caption, "camp-戦い.dat");

  hold(globals.campaign, [](Campaign& c) { c.setup.num_spm = 2; });
  platform.will(folder / path_from_utf8("camp-Сражение"));  // ".dat" is added
  editor.cmd_csave.click();
  EXPECT_EQ(editor.lbl_currfile.caption, "camp-Сражение.dat");
  EXPECT_EQ(load_campaign(folder / path_from_utf8("camp-Сражение.dat")).value(),
            globals.campaign.record());

  const std::filesystem::path missing = folder / path_from_utf8("camp-Битва.dat");
  platform.will(MessageAnswer::no, missing);
  editor.cmd_cload.click();
  EXPECT_TRUE(holds(error_text(), path_to_utf8(missing) + ": cannot be opened"));
}

}  // namespace
}  // namespace zav::testing
