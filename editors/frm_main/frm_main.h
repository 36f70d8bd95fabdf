#pragma once

#include <string>
#include <string_view>

#include "editors/controls.h"
#include "editors/platform.h"
#include "editors/window.h"
#include "editors/window_registry.h"
#include "model/globals.h"
#include "model/name_tables.h"

namespace zav {

// The main window: loads the name tables the editors show, opens the file editors, and ends
// the program. The campaign editor and its section editors stand side by side in `registry`.
class FrmMain : public Window {
 public:
  static constexpr std::string_view kFormName = "frm_main";

  FrmMain(Globals& globals, Platform& platform, WindowRegistry& registry);

  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return "ZAV Campaign Editor"; }

  Button cmd_loadwnames{{}, "Load Weapon Names"};
  Button cmd_pnames{{}, "Load Plane Names"};
  Button cmd_bnames{{}, "Load Place Names"};
  Button cmd_airfield{{.enabled = false}, "Load Airfield Data"};  // needs the place names
  Button cmd_miss{{}, "MISSION FILES"};
  Button cmd_sqd{{.enabled = false}, "SQUADRON FILES"};  // its editor is not built yet
  Button cmd_camp{{}, "CAMPAIGN FILES"};
  Button cmd_exit{{}, "Exit"};

  // Runs once when the program starts, before the window is shown.
  void start_up();

  void cmd_loadwnames_click();
  void cmd_pnames_click();
  void cmd_bnames_click();
  void cmd_airfield_click();
  void cmd_miss_click();
  // Opens the campaign editor without blocking; it hides this window while it is open. Pressed
  // while the editor is open, it brings that one forward.
  void cmd_camp_click();
  void cmd_exit_click();
  // The user closed the window's frame: the program ends as by "Exit".
  void frame_close();

 private:
  // Shows the open dialog and loads the chosen string file into one table; false when the
  // user cancelled or the file was refused (the user has been told why).
  bool load_name_table(NameTable which, const std::string& title);

  Globals& globals_;
  Platform& platform_;
  WindowRegistry& registry_;
};

}  // namespace zav
