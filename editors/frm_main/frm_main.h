#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editors/controls.h"
#include "editors/platform.h"
#include "editors/window.h"
#include "editors/window_registry.h"
#include "model/globals.h"
#include "model/name_tables.h"

namespace zav {

class FrmMission;
class FrmSquadron;

// What the program is given when it starts: name files to load instead of those it remembers,
// and data files to open in their editors.
struct StartRequest {
  std::optional<std::filesystem::path> weapons{}, planes{}, places{}, targets{};
  std::vector<std::filesystem::path> files{};
};

// The main window: loads the name tables the editors show, opens the file editors, and ends
// the program. The campaign editor and its section editors stand side by side in `registry`.
class FrmMain : public Window {
 public:
  static constexpr std::string_view kFormName = "frm_main";

  FrmMain(Globals& globals, Platform& platform, WindowRegistry& registry);

  std::string_view form_name() const override { return kFormName; }
  std::string caption() const override { return "ZAV Campaign Editor"; }
  // The user closed the window's frame: the program ends as by "Exit".
  bool frame_close() override;

  Button cmd_loadwnames{"cmd_loadwnames", "Load Weapon Names",
                        [this] { load_name_table(NameTable::weapons, "Load Weapon Names"); }};
  Button cmd_pnames{"cmd_pnames", "Load Plane Names",
                    [this] { load_name_table(NameTable::planes, "Load Plane Names"); }};
  Button cmd_bnames{"cmd_bnames", "Load Place Names", [this] { load_place_names(); }};
  Button cmd_airfield{"cmd_airfield", "Load Airfield Data", [this] { load_airfield_data(); }};
  Button cmd_miss{"cmd_miss", "MISSION FILES", [this] { open_modal_editor<FrmMission>(); }};
  Button cmd_sqd{"cmd_sqd", "SQUADRON FILES", [this] { open_modal_editor<FrmSquadron>(); }};
  // Opens the campaign editor without blocking; it hides this window while it is open.
  // Pressed while the editor is open, it brings that one forward.
  Button cmd_camp{"cmd_camp", "CAMPAIGN FILES", [this] { open_campaign_editor(); }};
  Button cmd_exit{"cmd_exit", "Exit", [this] { exit(); }};
  // Beside each load button: the file its table was loaded from and how many names it gave.
  Label lbl_weapons_from{"lbl_weapons_from", "", "Weapon names:"};
  Label lbl_planes_from{"lbl_planes_from", "", "Plane names:"};
  Label lbl_places_from{"lbl_places_from", "", "Place names:"};
  Label lbl_airfields_from{"lbl_airfields_from", "", "Airfield names:"};

  // Runs once when the program starts, before the window is shown: the name files given, or
  // else those loaded last time, are loaded as their buttons load them.
  void start_up(const StartRequest& given = {});
  // Opens `file` in the editor its name tells (camp*.dat, misn*.dat, sq*.dat) as that editor's
  // "Load File" would; a file whose kind its name does not tell is refused.
  void open_file(const std::filesystem::path& file);

 private:
  // Shows the open dialog and loads the chosen string file into one table.
  void load_name_table(NameTable which, const std::string& title);
  void load_place_names();
  void load_airfield_data();
  // Why a file was not loaded, in the words to show the user; none when it was.
  using Refusal = std::optional<std::string>;
  // Loads one name table from `file` and remembers it for the next start.
  Refusal load_name_file(NameTable which, const std::filesystem::path& file);
  Refusal load_airfield_file(const std::filesystem::path& file);
  // At start: the file given for a table, or else the one remembered, loaded; a remembered
  // file that is refused is forgotten, so that the message is not shown at every start.
  void reload(const std::string& key, const std::optional<std::filesystem::path>& given,
              const std::function<Refusal(const std::filesystem::path&)>& load);
  void show_name_sources();
  // Opens a file editor that holds the program until it is closed, loading `file` first when
  // one is given.
  template <class Editor>
  void open_modal_editor(const std::optional<std::filesystem::path>& file = {});
  Window& open_campaign_editor();
  // Ends the program; a campaign with changes never saved is first offered for saving, and
  // the program goes on when the user cancels or the save did not happen.
  bool exit();

  Globals& globals_;
  WindowRegistry& registry_;
};

}  // namespace zav
