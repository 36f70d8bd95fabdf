#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "editors/frm_main/frm_main.h"
#include "editors/window_registry.h"
#include "formats/campaign_file.h"
#include "formats/path_text.h"
#include "model/globals.h"
#include "temp_dir.h"
#include "ui/qt_platform.h"
#include "ui/qt_text.h"
#include "ui/widget_lookup.h"

// The desktop's own file dialogs and message boxes, answered as a user answers them: what
// Windows hands the program most often goes wrong in these paths.
namespace zav::testing {
namespace {

namespace fs = std::filesystem;

// Answers the modal window of kind W that opens next, from inside its own event loop.
template <class W>
void answer_next(std::function<void(W&)> answer) {
  auto* waiting = new QTimer;
  QObject::connect(waiting, &QTimer::timeout, [waiting, answer] {
    if (auto* shown = qobject_cast<W*>(QApplication::activeModalWidget())) {
      waiting->deleteLater();
      answer(*shown);
    }
  });
  waiting->start(0);
}

// The user types `path` into the name box of the file dialog that opens next and presses
// Enter. What is typed there replaces the file the dialog proposed only while the box has the
// focus, as it has when the user types.
void choose_in_dialog(const fs::path& path) {
  answer_next<QFileDialog>([path](QFileDialog& dialog) {
    QLineEdit& name = control<QLineEdit>(&dialog, "fileNameEdit");
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    name.setFocus();
    name.setText(ui::text_of(path));
    QTest::keyClick(&name, Qt::Key_Return);
  });
}

class RealDialogs : public ::testing::Test {
 protected:
  RealDialogs() {
    platform.keep_settings_in(dir / "settings.ini");
    main.start_up();
    platform.show(main);
    campaign = open(platform.widget_of(main), "cmd_camp", "frm_campaign");
  }
  ~RealDialogs() override { campaign->close(); }

  TempDir dir;
  Globals globals;
  ui::QtPlatform platform;
  WindowRegistry registry{platform};
  FrmMain main{globals, platform, registry};
  QWidget* campaign = nullptr;
};

TEST_F(RealDialogs, NamesInThreeScriptsReachTheFilesAndTheCaption) {
  const fs::path folder = dir.path() / fs::path(u8"Кампании");
  fs::create_directory(folder);
  Campaign loaded;
  loaded.setup.start_year = 1943;
  const fs::path source = folder / fs::path(u8"campΕκστρατεία.dat");
  ASSERT_FALSE(save_campaign(source, loaded));

  choose_in_dialog(source);
  press(campaign, "cmd_cload");
  EXPECT_EQ(control<QLabel>(campaign, "lbl_currfile").text(),
            QString::fromUtf8(u8"campΕκστρατεία.dat"));
  EXPECT_EQ(globals.campaign.file(), source);

  const fs::path copy = folder / fs::path(u8"camp作戦.dat");
  choose_in_dialog(copy);
  press(campaign, "cmd_csave");
  EXPECT_EQ(read_bytes(copy), read_bytes(source));
  EXPECT_EQ(control<QLabel>(campaign, "lbl_currfile").text(), QString::fromUtf8(u8"camp作戦.dat"));
}

TEST_F(RealDialogs, ASaveTheSystemRefusesIsToldInAMessageBoxNamingTheFile) {
  const fs::path kept = dir / "camp1.dat";
  ASSERT_FALSE(save_campaign(kept, Campaign{}));
  const std::vector<std::uint8_t> before = read_bytes(kept);
  choose_in_dialog(kept);
  press(campaign, "cmd_cload");

  QString told;
  const auto tell = [&told] {
    answer_next<QMessageBox>([&told](QMessageBox& box) {
      told = box.text();
      box.accept();
    });
  };
#ifdef _WIN32
  // The game, say, holds the file open, sharing it with nobody.
  const HANDLE held = CreateFileW(kept.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const fs::path refused = kept;
  const std::string reason = std::error_code(ERROR_ACCESS_DENIED, std::system_category()).message();
  answer_next<QMessageBox>([&tell](QMessageBox& replace) {  // the dialog asks first
    replace.button(QMessageBox::Yes)->click();
    tell();
  });
#else
  // As root every folder may be written to; but not through a link into a folder that is gone.
  const fs::path refused = dir / "camp2.dat";
  fs::create_symlink("gone/camp2.dat", refused);
  const std::string reason = std::make_error_code(std::errc::no_such_file_or_directory).message();
  tell();
#endif
  choose_in_dialog(refused);
  press(campaign, "cmd_csave");
#ifdef _WIN32
  CloseHandle(held);
#endif
  EXPECT_EQ(told.toStdString(), path_to_utf8(refused) + ": cannot be written: " + reason);
  EXPECT_EQ(read_bytes(kept), before);
}

}  // namespace
}  // namespace zav::testing
