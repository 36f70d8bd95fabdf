// The special missions editor and its note window through their real widgets.
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <cstdlib>

#include "editors/frm_c_specialmissions/frm_c_specialmissions.h"
#include "ui/desktop_fixture.h"

namespace zav::testing {
namespace {

using SpecialMissionsWidgets = CampaignDesktop;

TEST_F(SpecialMissionsWidgets, AnEditedMissionIsSavedByteForByteAndTheNoteShowsWhileHeld) {
  load_names("cmd_bnames", "place ", 308);
  Campaign loaded;
  loaded.setup.num_spm = 2;
  SpecialMission& first = loaded.special_missions[0];
  first.trigger = 2;
  first.num_targets = 1;
  first.targets[0] = 4;
  first.brief_view = {-2, -1, -3, 5, 0, 0, 0, 0};
  first.formation = 1943;
  first.altitude = 12000;
  loaded.special_missions[1].trigger = 1;
  QWidget* missions = open_section(loaded, "cmd_missions", "frm_c_specialmissions");
  EXPECT_EQ(missions->windowTitle(), "Special Missions");
  EXPECT_EQ(control<QLabel>(missions, "Label94").text(), "Phase #:");
  EXPECT_EQ(control<QComboBox>(missions, "cbo_targetlist_0").currentText(), "place 4");
  EXPECT_TRUE(control<QRadioButton>(missions, "opt_zoom_0").isChecked());
  EXPECT_EQ(control(missions, "cbo_targetlist_2").accessibleName(), "Target List: 3");
  // A check box says what it is itself, with no caption repeating it.
  for (const QLabel* label : missions->findChildren<QLabel*>()) {
    EXPECT_NE(label->text(), "Always Secondary Flight?");
  }

  // The note window stands while the mouse button is held on "NOTE".
  QWidget& note_label = control(missions, "Label3");
  EXPECT_TRUE(note_label.toolTip().startsWith("Hold the mouse button here"));
  QTest::mousePress(&note_label, Qt::LeftButton);
  ASSERT_EQ(shown("frm_note").size(), 1u);
  QWidget* note = shown("frm_note")[0];
  EXPECT_TRUE(control<QLabel>(note, "lbl_note").text().startsWith("*    -  "));
  // It opens just below "NOTE", or as near as the screen allows.
  const QPoint below = note_label.mapToGlobal(QPoint(0, note_label.height()));
  const QRect screen = note->screen()->availableGeometry();
  EXPECT_LE(std::abs(note->x() - std::min(below.x(), screen.right() + 1 - note->width())), 8);
  EXPECT_LE(std::abs(note->y() - std::min(below.y(), screen.bottom() + 1 - note->height())), 8);
  QTest::mouseRelease(&note_label, Qt::LeftButton);
  EXPECT_TRUE(shown("frm_note").empty());

  arrow(missions, "UpDown1", "up").click();
  QTest::keyClick(&control(missions, "cbo_targetlist_1"), Qt::Key_Down);
  // The date trigger: 15 October 1944.
  QComboBox& trigger = control<QComboBox>(missions, "cbo_smtrigger");
  trigger.setCurrentIndex(kDateTrigger);
  type_over(control<QLineEdit>(missions, "txt_sm_date"), "15");
  type_over(control<QLineEdit>(missions, "txt_sm_month"), "10");
  control<QComboBox>(missions, "cbo_sm_year").setCurrentIndex(4);
  QTest::mouseClick(&control<QRadioButton>(missions, "opt_other_1"), Qt::LeftButton);
  type_over(control<QLineEdit>(missions, "txt_other_1"), "12");
  QTest::keyClick(&control(missions, "chk_standardspeech_6"), Qt::Key_Space);
  arrow(missions, "UpDown14", "up").click();
  arrow(missions, "UpDown38", "up").click();  // stores mission 1, shows mission 2
  EXPECT_FALSE(control(missions, "Label94").isVisible());
  press(missions, "cmd_update");

  Campaign expected = loaded;
  SpecialMission& edited = expected.special_missions[0];
  edited.trigger = 8;
  edited.trigger_param = static_cast<std::int16_t>(164 * 256 + 15);
  edited.num_targets = 2;
  edited.targets[1] = 1;
  edited.brief_view[1] = 12;
  edited.standard_speech[6] = 1;
  edited.altitude = 13000;
  expect_saved(expected);
}

}  // namespace
}  // namespace zav::testing
