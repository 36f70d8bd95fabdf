#pragma once

#include <gtest/gtest.h>

#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "editors/scripted_platform.h"
#include "string_file_bytes.h"
#include "ui/qt_platform.h"
#include "ui/widget_lookup.h"

// The program on the real desktop with a scripted user: what the widget tests start from.
namespace zav::testing {

// The program as it starts: the main window shown.
class DesktopTest : public Run<Scripted<ui::QtPlatform>> {
 protected:
  DesktopTest() {
    platform.folder = dir.path();
    platform.keep_settings_in(dir / "settings.ini");  // what the run keeps stays in it
    main.start_up();
    platform.show(main);
    main_window = platform.widget_of(main);
  }

  // Presses `button` of the main window and loads a string file of `count` numbered names.
  void load_names(const char* button, const char* prefix, int count) {
    write_bytes(dir / "names.str", string_file_bytes(numbered(prefix, count)));
    platform.will(dir / "names.str");
    press(main_window, button);
  }

  // Presses the main window's `button` and, inside the modal editor's event loop, does what
  // `user` does; the editor is closed by its frame afterwards should `user` have left it open.
  void in_modal_editor(const char* button, const char* form,
                       const std::function<void(QWidget*)>& user) {
    QTimer::singleShot(0, [&] {
      if (shown(form).empty()) return ADD_FAILURE() << form << " is not open";
      QWidget* editor = shown(form)[0];
      user(editor);
      if (editor->isVisible()) editor->close();
    });
    press(main_window, button);
  }

  QWidget* main_window = nullptr;
};

// A campaign loaded in the campaign editor: what the tests of the section editors start from.
class CampaignDesktop : public DesktopTest {
 protected:
  // Opens the campaign editor and loads `loaded` into it from a file.
  void load_campaign_file(const Campaign& loaded) {
    ASSERT_FALSE(save_campaign(dir / "camp1.dat", loaded));
    campaign = open(main_window, "cmd_camp", "frm_campaign");
    platform.will(dir / "camp1.dat");
    press(campaign, "cmd_cload");
  }

  // Loads plane names and `loaded`, and presses the section's button in the campaign editor.
  QWidget* open_section(const Campaign& loaded, const char* button, const char* form) {
    load_names("cmd_pnames", "plane ", 30);
    load_campaign_file(loaded);
    return open(campaign, button, form);
  }

  // Saves the campaign by "Save File" and compares the file with the bytes of `expected`.
  void expect_saved(const Campaign& expected) {
    platform.will(dir / "camp2.dat");
    press(campaign, "cmd_csave");
    const CampaignImage image = encode_campaign(expected);
    EXPECT_EQ(read_bytes(dir / "camp2.dat"), std::vector<std::uint8_t>(image.begin(), image.end()));
  }

  QWidget* campaign = nullptr;
};

}  // namespace zav::testing
