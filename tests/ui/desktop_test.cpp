#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "editors/frm_mission/frm_mission.h"
#include "mission_bytes.h"
#include "string_file_bytes.h"
#include "ui/desktop_fixture.h"
#include "ui/form_factory.h"

namespace zav {
namespace {

using testing::chance_at;
using testing::control;
using testing::distinct_mission_bytes;
using testing::kBombersAt;
using testing::kFightersAt;
using testing::plane_at;
using testing::shown_window;

class DesktopTest : public testing::DesktopFixture {
 protected:
  DesktopTest() {
    testing::write_bytes(dir / "planes.str",
                         testing::string_file_bytes(testing::numbered("plane ", 30)));
  }

  // Presses "MISSION FILES" and, inside the modal editor's event loop, does what `user`
  // does; the editor is closed by its frame afterwards should `user` have left it open.
  void in_mission_editor(const std::function<void(QWidget*)>& user) {
    QTimer::singleShot(0, [&] {
      QWidget* editor = shown_window("frm_mission");
      if (!editor) return ADD_FAILURE() << "the mission editor did not open";
      user(editor);
      if (editor->isVisible()) editor->close();
    });
    control<QPushButton>(main_window, "cmd_miss").click();
  }
};

TEST_F(DesktopTest, MissionFileLoadedChangedAndSavedThroughTheWidgets) {
  ASSERT_NE(main_window, nullptr);
  EXPECT_EQ(main_window->windowTitle(), "ZAV Campaign Editor");
  platform.files = {dir / "planes.str"};
  control<QPushButton>(main_window, "cmd_pnames").click();

  testing::write_bytes(dir / "misn1.dat", distinct_mission_bytes(2, 0, 8));
  platform.files = {dir / "misn1.dat", dir / "misn2.dat"};
  platform.answers = {MessageAnswer::no};
  in_mission_editor([&](QWidget* editor) {
    EXPECT_EQ(editor->windowTitle(), "Missions");
    EXPECT_EQ(editor->windowModality(), Qt::ApplicationModal);
    control<QPushButton>(editor, "cmd_mload").click();
    EXPECT_EQ(control<QLabel>(editor, "lbl_m_file").text(), "misn1.dat");
    EXPECT_EQ(control<QComboBox>(editor, "cbo_fnum").currentIndex(), 2);
    EXPECT_EQ(control<QComboBox>(editor, "cbo_fighter_1").currentText(), "plane 2");
    EXPECT_EQ(control<QSlider>(editor, "sld_bc_4").value(), 125);
    EXPECT_FALSE(control<QComboBox>(editor, "cbo_fighter_2").isVisible());

    QTest::keyClick(&control<QComboBox>(editor, "cbo_fnum"), Qt::Key_Down);
    EXPECT_TRUE(control<QComboBox>(editor, "cbo_fighter_2").isVisible());
    EXPECT_TRUE(control<QSlider>(editor, "sld_fc_2").isVisible());
    EXPECT_FALSE(control<QSlider>(editor, "sld_fc_3").isVisible());
    QTest::keyClick(&control<QSlider>(editor, "sld_fc_0"), Qt::Key_End);
    QTest::keyClick(&control<QComboBox>(editor, "cbo_bomber_0"), Qt::Key_Down);

    control<QPushButton>(editor, "cmd_msave").click();
    EXPECT_EQ(control<QLabel>(editor, "lbl_m_file").text(), "misn2.dat");
    control<QPushButton>(editor, "cmd_close").click();
    EXPECT_FALSE(editor->isVisible());
  });

  std::vector<std::uint8_t> expected = distinct_mission_bytes(3, 0, 8);
  expected[chance_at(kFightersAt, 0)] = 255;
  expected[plane_at(kBombersAt, 0)] = 22;
  EXPECT_EQ(testing::read_bytes(dir / "misn2.dat"), expected);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Do you wish to save this file?");

  // The main window takes input again.
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  testing::write_bytes(dir / "places.str",
                       testing::string_file_bytes(testing::numbered("place ", 308)));
  platform.files = {dir / "places.str"};
  control<QPushButton>(main_window, "cmd_bnames").click();
  EXPECT_TRUE(control<QPushButton>(main_window, "cmd_airfield").isEnabled());
}

TEST_F(DesktopTest, FramesCloseTheEditorWithoutAskingAndTheProgramAsExitDoes) {
  in_mission_editor([](QWidget* editor) { editor->close(); });
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(platform.quits, 0);

  main_window->close();
  EXPECT_EQ(platform.quits, 1);
}

TEST_F(DesktopTest, ControlsAreNamedByTheirLabelsAndTabbedInReadingOrder) {
  EXPECT_FALSE(control<QPushButton>(main_window, "cmd_sqd").isEnabled());
  EXPECT_EQ(control<QPushButton>(main_window, "cmd_camp").text(), "CAMPAIGN FILES");

  FrmMission mission(globals, platform);
  mission.open();
  mission.cbo_fnum_choose(8);
  mission.cbo_anum_choose(8);
  mission.cbo_bnum_choose(8);
  const std::unique_ptr<ui::FormWidget> editor = ui::make_form_widget(mission);
  editor->show();

  EXPECT_EQ(control<QComboBox>(editor.get(), "cbo_anum").accessibleName(),
            "Attack Aircraft (unescorted): # Planes:");
  EXPECT_EQ(control<QComboBox>(editor.get(), "cbo_fighter_3").accessibleName(),
            "Fighters: row 4 plane");
  EXPECT_EQ(control<QSlider>(editor.get(), "sld_bc_7").accessibleName(),
            "Bombers (escorted): row 8 chance");

  struct GroupNames {
    const char* count;
    const char* planes;
    const char* chances;
  };
  QStringList expected;
  for (const GroupNames& group : {GroupNames{"cbo_fnum", "cbo_fighter", "sld_fc"},
                                  GroupNames{"cbo_anum", "cbo_attack", "sld_ac"},
                                  GroupNames{"cbo_bnum", "cbo_bomber", "sld_bc"}}) {
    expected << group.count;
    for (int row = 0; row < 8; ++row) {
      expected << QString("%1_%2").arg(group.planes).arg(row)
               << QString("%1_%2").arg(group.chances).arg(row);
    }
  }
  expected << "cmd_mload"
           << "cmd_msave"
           << "cmd_close";
  EXPECT_EQ(testing::tab_order(control<QComboBox>(editor.get(), "cbo_fnum")), expected);
}

}  // namespace
}  // namespace zav
