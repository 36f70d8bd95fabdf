// What the desktop adds to the windows: places kept between runs and files dropped on them.
#include <gtest/gtest.h>

#include <QMimeData>
#include <QPointer>
#include <QTest>
#include <QUrl>
#include <QtWidgets>

#include "string_file_bytes.h"
#include "ui/desktop_fixture.h"
#include "ui/program_start.h"

namespace zav::testing {
namespace {

TEST_F(DesktopTest, AWindowOpensWhereItLastStoodWhenThatPlaceFitsTheScreenNow) {
  QWidget* campaign = open(main_window, "cmd_camp", "frm_campaign");
  campaign->move(30, 40);
  press(campaign, "cmd_close");
  campaign = open(main_window, "cmd_camp", "frm_campaign");
  EXPECT_EQ(campaign->pos(), QPoint(30, 40));
  press(campaign, "cmd_close");

  // A place on a screen that is gone, or that would cut the window, is not used.
  for (const char* kept : {"5000,40", "30,-400", "-1,0", "nonsense"}) {
    platform.remember("windows/frm_campaign", kept);
    campaign = open(main_window, "cmd_camp", "frm_campaign");
    const QRect screen = campaign->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(campaign->geometry())) << kept;
    press(campaign, "cmd_close");
  }

  // With no place of its own, the campaign editor, opened in the main window's stead, opens at
  // the left of the screen, and a section editor to its right.
  platform.forget_settings();  // as --fresh starts
  campaign = open(main_window, "cmd_camp", "frm_campaign");
  const QRect screen = campaign->screen()->availableGeometry();
  EXPECT_EQ(campaign->pos(), screen.topLeft() + QPoint(16, 16));
  ASSERT_FALSE(save_campaign(dir / "camp1.dat", Campaign{}));
  platform.will(dir / "camp1.dat");
  press(campaign, "cmd_cload");
  campaign->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(campaign));
  QWidget* setup = open(campaign, "cmd_v1missions", "frm_c_v1missions");
  EXPECT_GT(setup->x(), campaign->frameGeometry().right());
  EXPECT_EQ(setup->y(), campaign->frameGeometry().top());
  press(setup, "cmd_close");
  press(campaign, "cmd_close");
  platform.forget_settings();
  EXPECT_EQ(platform.setting("windows/frm_campaign"), "");
}

TEST_F(DesktopTest, ACampaignFileDroppedOnTheCampaignEditorLoadsAndOtherFilesAreNotTaken) {
  ASSERT_FALSE(save_campaign(dir / "camp5.dat", Campaign{}));
  ASSERT_FALSE(save_campaign(dir / "misn5.dat", Campaign{}));
  QWidget* campaign = open(main_window, "cmd_camp", "frm_campaign");
  const auto drag = [&](const char* name) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString((dir / name).string()))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(campaign, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(campaign, &drop);
    return true;
  };
  EXPECT_FALSE(drag("misn5.dat"));
  EXPECT_EQ(control<QLabel>(campaign, "lbl_currfile").text(), "NO OPEN FILE");
  EXPECT_TRUE(drag("camp5.dat"));
  EXPECT_EQ(control<QLabel>(campaign, "lbl_currfile").text(), "camp5.dat");
  EXPECT_EQ(globals.campaign.file(), dir / "camp5.dat");
  press(campaign, "cmd_close");
}

TEST_F(CampaignDesktop, ASectionEditorIsWorkedFromTheKeyboardByTabAndItsAccessKeys) {
  Campaign loaded;
  loaded.setup.days_between_missions = 2;
  QWidget* setup = open_section(loaded, "cmd_setup", "frm_c_setup");
  setup->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(setup));
  // Tab reaches the days box from the first input, and what is typed there is stored by Alt+U.
  QWidget* days = &control(setup, "txt_daysbetweenmissions");
  control(setup, "cbo_starty").setFocus();
  for (int presses = 0; presses < 30 && QApplication::focusWidget() != days; ++presses) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  ASSERT_EQ(QApplication::focusWidget(), days);
  QTest::keyClick(days, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(days, "3");
  QTest::keyClick(days, Qt::Key_U, Qt::AltModifier);
  // An access key presses its button as a click shown on screen, which lands a moment later.
  // The closed editor's widget is deleted once its handlers return.
  const QPointer<QWidget> closing(setup);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !closing || !closing->isVisible(); }, 2000));
  EXPECT_EQ(globals.campaign.record().setup.days_between_missions, 3);
}

using ProgramStart = Run<Scripted<ui::QtPlatform>>;

TEST_F(ProgramStart, TheCommandLineForgetsWhatWasKeptLoadsNameFilesAndOpensFilesInTheirEditors) {
  platform.keep_settings_in(dir / "settings.ini");
  write_bytes(dir / "planes.str", string_file_bytes(numbered("plane ", 30)));
  write_bytes(dir / "places.str", string_file_bytes(numbered("place ", 308)));
  platform.remember("names/planes", path_to_utf8(dir / "planes.str"));
  Campaign campaign;
  campaign.setup.num_phases = 2;
  ASSERT_FALSE(save_campaign(dir / "camp3.dat", campaign));
  const auto argument = [&](const char* name) {
    return QString::fromStdString((dir / name).string());
  };

  ui::start_program(main, platform,
                    ui::read_command_line({"zav-editor", "--fresh", "--places",
                                           argument("places.str"), argument("camp3.dat")}));
  QCoreApplication::processEvents();
  EXPECT_EQ(globals.names.plane_names[0], "") << "--fresh forgot the plane names";
  EXPECT_EQ(globals.names.place_names[0], "place 0");
  EXPECT_EQ(platform.setting("names/places"), path_to_utf8(dir / "places.str"));
  ASSERT_EQ(shown("frm_campaign").size(), 1u);
  QWidget* editor = shown("frm_campaign")[0];
  EXPECT_EQ(control<QLabel>(editor, "lbl_currfile").text(), "camp3.dat");
  EXPECT_TRUE(control(editor, "cmd_setup").isEnabled());
  EXPECT_EQ(globals.campaign.record(), campaign);
  press(editor, "cmd_close");
}

}  // namespace
}  // namespace zav::testing
