#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "editors/controls.h"
#include "editors/platform.h"
#include "editors/window.h"
#include "editors/window_registry.h"
#include "model/globals.h"

namespace zav {

// The campaign editor: loads a campaign file into Globals, saves it, and opens the section
// editors, which stand beside it without blocking. The main window is hidden while it is open.
class FrmCampaign : public Window {
 public:
  static constexpr std::string_view kFormName = "frm_campaign";

  FrmCampaign(Globals& globals, Platform& platform, WindowRegistry& registry, Window& main_window);

  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return "Campaigns"; }

  // The section buttons and "Save File" are enabled by a Load.
  Button cmd_v1missions{{}, "V-1 Missions"};
  Button cmd_missions{{}, "Special Missions"};
  Button cmd_events{{}, "Special Events"};
  Button cmd_af{{}, "Allied Forces"};
  Button cmd_gf{{}, "German Forces"};
  Button cmd_planes{{}, "Campaign Planes"};
  Button cmd_phases{{}, "Campaign Phases"};
  Button cmd_setup{{}, "Campaign Setup"};
  Button cmd_close{{}, "Close"};
  Button cmd_csave{{}, "Save File"};
  Button cmd_cload{{}, "Load File"};
  Label lbl_currfile;  // name of the file last loaded or saved

  // Hides the main window and starts with only Load and Close enabled, whatever campaign is
  // held; the caller then shows the window.
  void open();

  void cmd_cload_click();
  void cmd_csave_click();
  void cmd_close_click();
  void cmd_setup_click();
  void cmd_v1missions_click();
  // The buttons of the phases, planes, forces, events and missions editors get their handlers
  // with those editors; "Special Events" and "Special Missions" open theirs only when
  // special_events_reachable() and special_missions_reachable() say so.

  // The user closed the window's frame: as by "Close", nothing is asked.
  void frame_close();

  // Whether "Special Events" opens its editor: not while the campaign has none.
  bool special_events_reachable() const;
  // Whether "Special Missions" opens its editor: not while the campaign has none.
  bool special_missions_reachable() const;

 private:
  // Save with its dialog; a cancelled dialog or a failed write (told to the user) writes
  // nothing and keeps lbl_currfile.
  void save();
  void enable_sections_and_save(bool enabled);

  Globals& globals_;
  Platform& platform_;
  WindowRegistry& registry_;
  Window& main_window_;
};

}  // namespace zav
