#pragma once

#include <string>
#include <string_view>

#include "editors/controls.h"
#include "editors/document_files.h"
#include "editors/file_questions.h"
#include "editors/frm_campaign/campaign_problems.h"
#include "editors/frm_campaign/campaign_sections.h"
#include "editors/platform.h"
#include "editors/problem_list.h"
#include "editors/window.h"
#include "editors/window_registry.h"
#include "formats/campaign_file.h"
#include "model/globals.h"

namespace zav {

inline constexpr FileKind<Campaign> kCampaignFiles{"Campaign Files (*.dat)|camp*.dat",
                                                   load_campaign, save_campaign};

// The campaign editor: loads a campaign file into Globals, saves it, and opens the section
// editors, which stand beside it without blocking. The main window is hidden while it is open.
class FrmCampaign : public Window {
 public:
  static constexpr std::string_view kFormName = "frm_campaign";

  FrmCampaign(Globals& globals, Platform& platform, WindowRegistry& registry, Window& main_window);

  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return "Campaigns"; }
  // The user closed the window's frame: as "Close", it asks first about unsaved changes.
  bool frame_close() override;
  bool holds_file() const override { return true; }
  std::optional<DataKind> loads_kind() const override { return DataKind::campaign; }
  void load_file(const std::filesystem::path& file) override { load(file); }
  // Only while "Save File" can save them: a reopened editor shows no file until a load.
  bool unsaved_changes() const override { return cmd_csave.enabled && globals_.campaign.unsaved(); }
  // Undo and redo reach the campaign's history while the editor shows a file.
  Undoable* history() override { return cmd_csave.enabled ? &globals_.campaign : nullptr; }

  Label lbl_currfile{"lbl_currfile"};  // name of the file last loaded or saved
  // The section buttons and "Save File" are enabled by a Load; "Special Events" and "Special
  // Missions" open their editors only when special_events_reachable() and
  // special_missions_reachable() say so.
  Button cmd_setup{"cmd_setup", "Campaign Setup", [this] { open_section("setup"); }};
  Button cmd_phases{"cmd_phases", "Campaign Phases", [this] { open_section("phases"); }};
  Button cmd_planes{"cmd_planes", "Campaign Planes", [this] { open_section("plane_types"); }};
  Button cmd_gf{"cmd_gf", "German Forces", [this] { open_section("german_forces"); }};
  Button cmd_af{"cmd_af", "Allied Forces", [this] { open_section("allied_forces"); }};
  Button cmd_events{"cmd_events", "Special Events", [this] {
                      if (special_events_reachable()) open_section("special_events");
                    }};
  Button cmd_missions{"cmd_missions", "Special Missions", [this] {
                        if (special_missions_reachable()) open_section("special_missions");
                      }};
  Button cmd_v1missions{"cmd_v1missions", "V-1 Missions", [this] { open_section("v1_speech"); }};
  Button cmd_cload{"cmd_cload", "Load File", [this] { load(); }};
  Button cmd_csave{"cmd_csave", "Save File", [this] { save(); }};
  Button cmd_close{"cmd_close", "Close", [this] { close(); }};
  // The problems of the campaign shown, in the section editors' words: opening one opens the
  // section editor at that entry, with the field focused.
  ProblemList problems{[this](const std::string& path) { go_to(path); }};

  void catch_up() override;

  // Hides the main window and starts with only Load and Close enabled, whatever campaign is
  // held; the caller then shows the window.
  void open();

  // Whether "Special Events" opens its editor: not while the campaign has none.
  bool special_events_reachable() const;
  // Whether "Special Missions" opens its editor: not while the campaign has none.
  bool special_missions_reachable() const;

 private:
  void load(const std::optional<std::filesystem::path>& given = {});
  // Save with its dialog; a cancelled dialog or a failed write (told to the user) writes
  // nothing and keeps lbl_currfile.
  SaveOutcome save();
  // Asks first about unsaved changes, and stays open when the user cancels or no save
  // happened; the main window shows again once it closes.
  void close();
  // True when nothing unsaved is dropped: no changes, or the user said No or saved them.
  bool settle_unsaved();
  // Opens the editor of the section that edits `member` beside the campaign editor, or brings
  // forward the one already open. Every section button opens its editor through here.
  SectionEditor& open_section(std::string_view member);
  // Goes to the field at `path` of the campaign, where the user mends a problem.
  void go_to(const std::string& path);
  void enable_sections_and_save(bool enabled);

  Globals& globals_;
  WindowRegistry& registry_;
  Window& main_window_;
  CampaignProblems found_{globals_, platform_, registry_};
};

}  // namespace zav
