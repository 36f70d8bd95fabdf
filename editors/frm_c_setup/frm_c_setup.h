#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editors/controls.h"
#include "editors/field_controls.h"
#include "editors/platform.h"
#include "editors/window.h"
#include "editors/window_registry.h"
#include "formats/campaign.h"
#include "model/globals.h"

namespace zav {

// The setup editor: the start date, sides, type, base and capitals of the campaign and the
// seven counts that size its other sections. It copies the setup section into its controls
// on opening and writes them back only on "&Update".
//
// The binding writes the user's choices and typing straight into the lists and boxes; each
// spin has a handler because moving it also changes its box.
class FrmCSetup : public Window {
 public:
  static constexpr std::string_view kFormName = "frm_c_setup";
  static constexpr int kFirstYear = 1940;  // the year of the first entry of cbo_starty

  FrmCSetup(Globals& globals, Platform& platform, WindowRegistry& registry);

  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return "Campaign Setup Information"; }

  // Each note names a stored value that its list has no entry for; hidden otherwise.
  PickList cbo_starty;
  Label note_starty;
  PickList cbo_startm;
  Label note_startm;
  PickList cbo_startd;
  Label note_startd;
  PickList cbo_language;
  Label note_language;
  PickList cbo_attackside;
  Label note_attackside;
  PickList cbo_camptype;
  Label note_camptype;
  PickList cbo_attackbase;  // the place names: a position is a place index
  Label note_attackbase;
  PickList cbo_attackcapital;
  Label note_attackcapital;
  PickList cbo_defendcapital;
  Label note_defendcapital;

  TextBox txt_numsqns;
  Spin UpDown1 = spin_with_range(1, 25);
  TextBox txt_numspev;
  Spin UpDown2 = spin_with_range(0, 32);
  TextBox txt_numspm;
  Spin UpDown3 = spin_with_range(0, 32);
  TextBox txt_numphases;
  Spin UpDown4 = spin_with_range(1, 25);
  TextBox txt_phaselength;
  Spin UpDown5 = spin_with_range(1, 50);
  TextBox txt_daysbetweenmissions;
  Spin UpDown6 = spin_with_range(1, 255);
  TextBox txt_numplanetypes;
  Spin UpDown7 = spin_with_range(1, 30);

  Button cmd_update{{}, "&Update"};
  Button cmd_close{{}, "&Close"};

  // Fills the place lists and shows the setup section; the caller then shows the window.
  void open();

  void UpDown1_change(int value);
  void UpDown2_change(int value);
  void UpDown3_change(int value);
  void UpDown4_change(int value);
  void UpDown5_change(int value);
  void UpDown6_change(int value);
  void UpDown7_change(int value);
  // Stores every field and closes; text that cannot be stored is refused with a message, and
  // then nothing is stored and the window stays open.
  void cmd_update_click();
  void cmd_close_click();
  // The user closed the window's frame: nothing is stored.
  void frame_close();

  // The phase length the box shows, stored or not: the phases editor bounds its dates by it.
  // None while the text is not a whole number.
  std::optional<int> shown_phase_length() const;

 private:
  Globals& globals_;
  Platform& platform_;
  WindowRegistry& registry_;
  CampaignSetup opened_;  // the section as it was shown on opening
};

}  // namespace zav
