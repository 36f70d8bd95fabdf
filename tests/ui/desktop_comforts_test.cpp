// What the desktop adds to the windows: places kept between runs and files dropped on them.
#include <gtest/gtest.h>

#include <QMimeData>
#include <QUrl>
#include <QtWidgets>

#include "ui/desktop_fixture.h"

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

  platform.forget_settings();  // as --fresh starts
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
  EXPECT_TRUE(control(campaign, "cmd_setup").isEnabled());
  press(campaign, "cmd_close");
}

}  // namespace
}  // namespace zav::testing
