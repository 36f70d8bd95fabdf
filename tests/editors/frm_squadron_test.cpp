#include <filesystem>

#include "editors/scripted_platform.h"
#include "formats/squadron_file.h"
#include "squadron_bytes.h"

namespace zav::testing {
namespace {

// `count` squadrons, squadron n (1-based) with unit name n and home base n.
SquadronTable numbered_squadrons(int count) {
  SquadronTable table;
  table.count = count;
  for (int r = 0; r < SquadronTable::kMaxSquadrons; ++r) {
    table.slots[r].unit_name = static_cast<std::uint8_t>(r + 1);
    table.slots[r].home_base = static_cast<std::int16_t>(r + 1);
  }
  return table;
}

class FrmSquadronTest : public EditorTest {
 protected:
  FrmSquadronTest() { platform.folder = dir.path(); }

  void open_on(const SquadronTable& base) {
    write_bytes(dir / "sqbasic.dat", base_file_bytes(base));
    editor.open();
  }
  void load(const std::string& name, const SquadronTable& table) {
    ASSERT_FALSE(save_squadrons(dir / name, table));
    platform.will(dir / name);
    editor.cmd_sload.click();
  }
  std::vector<std::uint8_t> save_as(const std::string& name) {
    platform.will(dir / name);
    editor.cmd_ssave.click();
    return read_bytes(dir / name);
  }
  int shown_unit() const { return std::stoi(editor.txt_unitname.text); }

  FrmSquadron editor{globals, platform};
};

TEST_F(FrmSquadronTest, OpensOnTheBaseFileAndStepsThroughSquadronsWithTheirOwnFlags) {
  const SquadronTable base = numbered_squadrons(25);
  open_on(base);
  EXPECT_EQ(editor.lbl_s_file.caption, "sqbasic.dat (base squadrons)");
  EXPECT_EQ(editor.lbl_numsqns.caption, "25");
  EXPECT_EQ(editor.txt_currsqn.maximum, 25);
  EXPECT_EQ(editor.cbo_base.position, 1);  // home base 1, as the base file holds it
  EXPECT_EQ(shown_unit(), 1);

  editor.txt_currsqn.spin_to(3);
  editor.chk_special[4].click(true);
  EXPECT_EQ(globals.squadrons.record().slots[2].special_missions[4], 1);
  EXPECT_EQ(globals.squadrons.record().slots[3].special_missions, base.slots[3].special_missions);
  editor.txt_currsqn.spin_to(25);
  EXPECT_EQ(shown_unit(), 25);
  EXPECT_FALSE(editor.chk_special[4].checked);
  // Typed text goes to a squadron in range; anything else is refused and the box goes back.
  for (const char* refused : {"26", "0", "x", ""}) {
    EXPECT_FALSE(enter(editor, editor.txt_currsqn, refused));
    EXPECT_TRUE(holds(error_text(), "Current Squadron: \"")) << refused;
    EXPECT_EQ(editor.txt_currsqn.text, "25");
    EXPECT_EQ(editor.current(), 25);
  }
  platform.messages.clear();
  EXPECT_TRUE(enter(editor, editor.txt_currsqn, "3"));
  EXPECT_TRUE(editor.chk_special[4].checked);
  EXPECT_TRUE(editor.unsaved_changes());

  // Every opening starts again from the base file and asks nothing about the dropped edits.
  editor.open();
  EXPECT_EQ(globals.squadrons.record().slots[2].special_missions[4], 0);
  EXPECT_EQ(editor.current(), 1);
  EXPECT_TRUE(platform.messages.empty());

  // A missing or unusable base file: one default squadron, told once, the file left alone.
  for (const bool empty : {false, true}) {
    std::filesystem::remove(dir / "sqbasic.dat");
    if (empty) write_bytes(dir / "sqbasic.dat", {});
    editor.open();
    EXPECT_TRUE(holds(error_text(), (dir / "sqbasic.dat").string()));
    EXPECT_EQ(globals.squadrons.record().count, 1);
    EXPECT_EQ(globals.squadrons.record().slots[0], Squadron{});
    EXPECT_EQ(editor.lbl_numsqns.caption, "1");
    EXPECT_EQ(std::filesystem::exists(dir / "sqbasic.dat"), empty);
  }
  EXPECT_EQ(platform.messages.size(), 2u);
}

TEST_F(FrmSquadronTest, AddNewAndDeleteKeepTheSquadronsInOrder) {
  open_on(numbered_squadrons(25));
  editor.cmd_newsqn.click();
  EXPECT_EQ(error_text("ZAV Campaign Editor"), "Cannot have more the 25 squadrons.");
  EXPECT_EQ(globals.squadrons.record().count, 25);

  editor.txt_currsqn.spin_to(3);
  editor.cmd_delsqn.click();  // from the middle of a full table: the freed slot keeps its own
  EXPECT_EQ(editor.lbl_numsqns.caption, "24");
  EXPECT_EQ(editor.txt_currsqn.maximum, 24);
  EXPECT_EQ(shown_unit(), 4);
  EXPECT_EQ(globals.squadrons.record().slots[1].unit_name, 2);
  EXPECT_EQ(globals.squadrons.record().slots[23].unit_name, 25);
  EXPECT_EQ(globals.squadrons.record().slots[24].unit_name, 25);

  editor.txt_currsqn.spin_to(24);
  editor.cmd_delsqn.click();  // the last: the new last is shown; the freed slot takes the next
  EXPECT_EQ(editor.current(), 23);
  EXPECT_EQ(editor.txt_currsqn.value, 23);
  EXPECT_EQ(shown_unit(), 24);
  EXPECT_EQ(globals.squadrons.record().slots[23].unit_name, 25);

  editor.cmd_newsqn.click();  // the current squadron stays; the new one is what the slot held
  EXPECT_EQ(editor.lbl_numsqns.caption, "24");
  EXPECT_EQ(editor.current(), 23);
  EXPECT_EQ(globals.squadrons.record().slots[23].unit_name, 25);
  EXPECT_EQ(platform.messages.size(), 1u);

  open_on(numbered_squadrons(1));
  editor.cmd_delsqn.click();
  EXPECT_EQ(error_text("ZAV Campaign Editor"), "Unable to delete the last squadron!");
  EXPECT_EQ(globals.squadrons.record().count, 1);
  EXPECT_EQ(shown_unit(), 1);
}

TEST_F(FrmSquadronTest, LoadAndSaveAskBeforeDroppingWorkAndChangeNothingWhenTheyFail) {
  open_on(numbered_squadrons(2));
  load("sq1.dat", numbered_squadrons(3));  // nothing edited: asks nothing
  EXPECT_EQ(editor.lbl_s_file.caption, "sq1.dat");
  EXPECT_EQ(editor.txt_currsqn.maximum, 3);
  EXPECT_EQ(editor.cbo_base.position, 1);

  // With a file loaded every load asks, nothing edited or not.
  editor.txt_currsqn.spin_to(2);
  platform.will(MessageAnswer::cancel);
  editor.cmd_sload.click();
  expect_asked_to_save("ZAV Campaign Editor");

  // Yes saves first; a failing load then changes nothing.
  editor.sld_skill.move(77);
  platform.will(MessageAnswer::yes, dir / "sq_saved.dat");
  write_bytes(dir / "sq_bad.dat", std::vector<std::uint8_t>(125, 0));
  platform.will(dir / "sq_bad.dat");
  editor.cmd_sload.click();
  EXPECT_TRUE(holds(error_text(), "sq_bad.dat"));
  EXPECT_EQ(load_squadrons(dir / "sq_saved.dat").value(), globals.squadrons.record());
  EXPECT_EQ(editor.lbl_s_file.caption, "sq_saved.dat");
  EXPECT_EQ(globals.squadrons.record().slots[1].skill, 77);

  // Yes with a save that fails: the load stops there and the edits stay.
  editor.sld_skill.move(78);
  std::filesystem::create_directory(dir / "sq_folder.dat");
  platform.will(MessageAnswer::yes, dir / "sq_folder.dat");
  editor.cmd_sload.click();
  EXPECT_TRUE(holds(error_text(), "sq_folder.dat"));
  EXPECT_EQ(platform.open_dialogs.size(), 2u);
  EXPECT_EQ(globals.squadrons.record().slots[1].skill, 78);
  EXPECT_EQ(editor.lbl_s_file.caption, "sq_saved.dat");

  // Close asks while edits are unsaved: Cancel, or Yes without a save, keeps the window.
  platform.will(MessageAnswer::cancel, MessageAnswer::yes, kCancel);
  editor.cmd_close.click();
  EXPECT_FALSE(editor.frame_close());
  EXPECT_TRUE(platform.window_events.empty());
  platform.will(MessageAnswer::no);  // No loads over the edits
  load("sq2.dat", numbered_squadrons(4));
  EXPECT_EQ(editor.current(), 1);
  EXPECT_EQ(editor.txt_currsqn.value, 1);
  editor.cmd_close.click();  // nothing to save: closes without asking
  EXPECT_EQ(platform.window_events, Texts{"close frm_squadron"});
  EXPECT_EQ(platform.messages.size(), 8u);
}

TEST_F(FrmSquadronTest, EveryFieldStoresAtOnceAndSavesWhatTheFileHeld) {
  open_on(numbered_squadrons(1));
  SquadronTable table = numbered_squadrons(2);
  Squadron& odd = table.slots[1];
  odd.start_year = 1939;
  odd.aircraft_type = 40;
  odd.commencing_phase = 30;
  odd.num_moves = 7;
  odd.special_missions[0] = 2;
  odd.weapons[0] = {.phase = 3, .number = 300};  // weapon 0 keeps a number it does not show
  odd.weapons[1] = {.weapon = 5, .phase = 3, .number = 1000};
  load("sq1.dat", table);
  editor.txt_currsqn.spin_to(2);
  EXPECT_EQ(editor.cbo_sqnyear.note(), "Stored value: 1939");
  EXPECT_EQ(editor.cbo_plane.note(), "Stored value: 40");
  EXPECT_EQ(editor.txt_phasestart.text, "30");
  EXPECT_EQ(editor.chk_special[0].read(), 2);
  EXPECT_TRUE(editor.cbo_basemove[3].visible);  // a count beyond the rows shows them all
  EXPECT_EQ(editor.txt_weaponamount[0].text, "0");
  EXPECT_FALSE(editor.txt_weaponamount[0].enabled);
  EXPECT_EQ(editor.txt_weaponamount[1].text, "1000");
  EXPECT_TRUE(enter(editor, editor.txt_weaponamount[1], "1000"));  // as shown, beyond 600
  EXPECT_TRUE(enter(editor, editor.txt_phasestart, "30"));
  EXPECT_FALSE(globals.squadrons.can_undo());
  EXPECT_EQ(save_as("sq_same.dat"), encode_squadrons(table));

  // Text that is no byte is refused, stores nothing and is put back; a fraction is dropped.
  // Which texts are no byte is for controls_test.cpp.
  for (TextBox* box :
       {&editor.txt_sing[2], &editor.txt_unitsprt, &editor.txt_unitname, &editor.txt_unitdesc}) {
    const std::string shown = box->text;
    EXPECT_FALSE(enter(editor, *box, "256"));
    EXPECT_EQ(box->text, shown);
    EXPECT_TRUE(enter(editor, *box, "12.7"));
    EXPECT_EQ(box->text, "12");
  }
  EXPECT_FALSE(enter(editor, editor.txt_sing[2], "9x"));
  EXPECT_TRUE(holds(error_text(), "Staffel Designations: 3 \"9x\""));
  // Beyond a spin's range, and a whole number typed digit by digit: only the whole is read.
  EXPECT_FALSE(enter(editor, editor.txt_numplanes, "31"));
  for (const char* typing : {"3", "30"}) editor.txt_numpilots.type(typing);
  EXPECT_EQ(globals.squadrons.record().slots[1].num_pilots, 0);
  EXPECT_TRUE(editor.finish_typing(editor.txt_numpilots));
  EXPECT_FALSE(enter(editor, editor.txt_weaponamount[1], "601"));
  EXPECT_TRUE(holds(error_text(), "Weapons: row 2 number"));
  // A row without a weapon keeps its number, whatever reaches its box.
  editor.txt_weaponamount[0].spin_to(40);
  EXPECT_TRUE(enter(editor, editor.txt_weaponamount[0], "50"));
  EXPECT_EQ(globals.squadrons.record().slots[1].weapons[0].number, 300);

  editor.cbo_weapon[0].choose(4);  // the kept number shows and can be changed
  EXPECT_EQ(editor.txt_weaponamount[0].text, "300");
  editor.txt_weaponamount[0].spin_to(600);
  editor.cbo_weapon[0].choose(0);
  editor.cbo_base.choose(162);
  editor.cbo_moves.choose(2);  // hides rows 3 and 4, which keep their values
  EXPECT_FALSE(editor.sld_moveprob[2].visible);
  EXPECT_TRUE(editor.txt_movephase[1].visible);
  editor.cbo_basemove[0].choose(162);
  editor.cbo_basemove[1].choose(0);
  editor.sld_changeprob[3].move(9);
  editor.cbo_sqnyear.choose(7);
  odd.weapons[0] = {.phase = 3, .number = 600};
  odd.home_base = kForwardBase;
  odd.num_moves = 2;
  odd.moves[0].destination = kForwardBase;
  odd.moves[1].destination = 0;
  odd.changes[3].probability = 9;
  odd.start_year = 1947;
  odd.num_pilots = 30;
  odd.sprite = odd.unit_name = odd.unit_description = 12;
  odd.staffel[2] = 12;
  EXPECT_EQ(save_as("sq_edited.dat"), encode_squadrons(table));

  // A squadron with 3 moves after one with 4 shows three rows, with its own values.
  table.slots[0].num_moves = 4;
  table.slots[1].num_moves = 3;
  table.slots[1].moves[2].phase = 44;
  platform.will(MessageAnswer::no);
  load("sq2.dat", table);
  editor.txt_currsqn.spin_to(2);
  EXPECT_TRUE(editor.txt_movephase[2].visible);
  EXPECT_FALSE(editor.txt_movephase[3].visible);
  EXPECT_EQ(editor.txt_movephase[2].text, "44");
}

TEST_F(FrmSquadronTest, RoleWeightsShowTheirShareOf255AndTheTotalFollowsADrag) {
  open_on(numbered_squadrons(2));
  EXPECT_EQ(editor.lbl_total.caption, "0%");
  editor.sld_escort.move(1);
  editor.sld_sweep.move(1);
  editor.sld_bomb.move(1);
  EXPECT_EQ(editor.lbl_escort.caption, "0%");
  EXPECT_EQ(editor.lbl_total.caption, "1%");
  editor.sld_intercept.move(128);
  editor.sld_interdict.move(254);
  EXPECT_EQ(editor.lbl_intercept.caption, "50%");
  EXPECT_EQ(editor.lbl_interdict.caption, "99%");
  editor.sld_interdict.drag(0);  // the total follows; the weight waits for the change
  EXPECT_EQ(editor.lbl_total.caption, "51%");
  EXPECT_EQ(editor.lbl_interdict.caption, "99%");
  EXPECT_EQ(globals.squadrons.record().slots[0].interdiction_weight, 254);
  for (Slider* role : {&editor.sld_escort, &editor.sld_sweep, &editor.sld_bomb,
                       &editor.sld_intercept, &editor.sld_interdict}) {
    role->move(255);
  }
  EXPECT_EQ(editor.lbl_total.caption, "500%");
  editor.txt_currsqn.spin_to(2);  // another squadron's weights
  EXPECT_EQ(editor.lbl_escort.caption, "0%");
  EXPECT_EQ(editor.lbl_total.caption, "0%");
}

// That undoing every step gives back the loaded squadrons, and redoing the edited ones, is
// checked over thousands of random edits in random_user_test.cpp; here, each edit is one step
// and the squadron shown follows.
TEST_F(FrmSquadronTest, EveryEditAddAndDeleteIsOneStepAndTheSquadronShownFollows) {
  open_on(numbered_squadrons(2));
  load("sq1.dat", numbered_squadrons(3));
  // One step each: a list, a box typed, a spin, a slider, a check box, a row's count, then a
  // squadron added and one deleted; steps between squadrons are none.
  editor.cbo_plane.choose(4);
  EXPECT_TRUE(enter(editor, editor.txt_unitdesc, "77"));
  editor.txt_currsqn.spin_to(2);
  editor.txt_numpilots.spin_to(12);
  editor.sld_skill.move(200);
  editor.chk_special[31].click(true);
  editor.cbo_changes.choose(3);
  editor.cmd_newsqn.click();
  editor.txt_currsqn.spin_to(4);
  editor.cmd_delsqn.click();
  editor.txt_currsqn.spin_to(1);
  editor.cmd_delsqn.click();
  EXPECT_EQ(shown_unit(), 2);

  for (int step = 0; step < 9; ++step) editor.undo();
  EXPECT_FALSE(globals.squadrons.can_undo());
  EXPECT_FALSE(editor.unsaved_changes());
  EXPECT_EQ(editor.lbl_numsqns.caption, "3");
  EXPECT_EQ(editor.txt_unitdesc.text, "0");
  while (globals.squadrons.can_redo()) editor.redo();
  EXPECT_EQ(editor.lbl_numsqns.caption, "2");

  // An undone Add New leaves fewer squadrons than the one shown: the last one shows.
  editor.cmd_newsqn.click();
  editor.txt_currsqn.spin_to(3);
  editor.undo();
  EXPECT_EQ(editor.current(), 2);
  EXPECT_EQ(editor.txt_currsqn.maximum, 2);
}

}  // namespace
}  // namespace zav::testing
