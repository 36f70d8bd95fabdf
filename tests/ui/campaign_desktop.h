#pragma once

#include <gtest/gtest.h>

#include <QWidget>
#include <string>
#include <vector>

#include "editors/scripted_platform.h"
#include "string_file_bytes.h"
#include "ui/qt_platform.h"
#include "ui/widget_lookup.h"

// The program on the real desktop with a scripted user, a campaign loaded in its campaign
// editor: what the widget tests of the section editors start from.
namespace zav::testing {

class CampaignDesktop : public Run<Scripted<ui::QtPlatform>> {
 protected:
  CampaignDesktop() {
    main.start_up();
    platform.show(main);
    main_window = platform.widget_of(main);
  }

  // Loads `count` numbered names by the main window's `button`.
  void load_names(const char* button, const char* prefix, int count) {
    write_bytes(dir / "names.str", string_file_bytes(numbered(prefix, count)));
    platform.will(dir / "names.str");
    press(main_window, button);
  }

  // Opens the campaign editor and loads `loaded` into it from a file.
  void load_campaign_file(const Campaign& loaded) {
    ASSERT_FALSE(save_campaign(dir / "camp1.dat", loaded));
    press(main_window, "cmd_camp");
    campaign = shown("frm_campaign").at(0);
    platform.will(dir / "camp1.dat");
    press(campaign, "cmd_cload");
  }

  // Saves the campaign by "Save File" and compares the file with the bytes of `expected`.
  void expect_saved(const Campaign& expected) {
    platform.will(dir / "camp2.dat");
    press(campaign, "cmd_csave");
    const CampaignImage image = encode_campaign(expected);
    EXPECT_EQ(read_bytes(dir / "camp2.dat"), std::vector<std::uint8_t>(image.begin(), image.end()));
  }

  QWidget* main_window = nullptr;
  QWidget* campaign = nullptr;
};

}  // namespace zav::testing
