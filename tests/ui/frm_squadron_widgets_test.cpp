// The squadron editor through its real widgets on Qt's offscreen platform.
#include <QTest>
#include <QtWidgets>

#include "squadron_bytes.h"
#include "ui/desktop_fixture.h"

namespace zav::testing {
namespace {

using SquadronWidgetsTest = DesktopTest;

TEST_F(SquadronWidgetsTest, EachKindOfFieldEditedByKeyboardAndMouseIsSavedByteForByte) {
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
    // A number is read whole when the user is done with its box, never a keystroke's part of
    // it: "300" stores neither 3 nor 30, but is refused, told, and put back.
    QLineEdit& sprite = control<QLineEdit>(editor, "txt_unitsprt");
    type_over(sprite, "300");
    QTest::keyClick(&sprite, Qt::Key_Return);
    EXPECT_EQ(error_text(),
              "Squadron Sprite #: \"300\" is not a number from 0 to 255.\nNothing was stored.");
    EXPECT_EQ(sprite.text(), "0");

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
  EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(SquadronWidgetsTest, CtrlZTakesBackABoxsOwnTypingFirstThenTheSquadronsChanges) {
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

TEST(ProgramFolder, IsTheFolderOfTheRunningProgramNotTheWorkingFolder) {
  if (!std::filesystem::exists("/proc/self/exe")) GTEST_SKIP() << "no /proc to compare with";
  EXPECT_EQ(ui::QtPlatform().program_folder(),
            std::filesystem::read_symlink("/proc/self/exe").parent_path());
}

}  // namespace
}  // namespace zav::testing
