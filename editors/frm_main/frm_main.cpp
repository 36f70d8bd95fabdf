#include "editors/frm_main/frm_main.h"

#include <memory>

#include "editors/file_questions.h"
#include "editors/frm_campaign/frm_campaign.h"
#include "editors/frm_mission/frm_mission.h"
#include "editors/frm_squadron/frm_squadron.h"
#include "editors/message_boxes.h"
#include "editors/remembered_files.h"

namespace zav {

namespace {

// Where the file each table was loaded from is kept for the next start.
std::string key_of(NameTable which) {
  switch (which) {
    case NameTable::weapons:
      return "names/weapons";
    case NameTable::planes:
      return "names/planes";
    case NameTable::places:
      return "names/places";
  }
  return {};
}
constexpr const char* kAirfieldKey = "names/targets";

std::string remembered_as(const std::filesystem::path& file) {
  return path_to_utf8(std::filesystem::absolute(file));
}

}  // namespace

FrmMain::FrmMain(Globals& globals, Platform& platform, WindowRegistry& registry)
    : Window(platform), globals_(globals), registry_(registry) {
  cmd_airfield.enabled = false;  // the airfield table is built from place names
  show_name_sources();
}

void FrmMain::start_up(const StartRequest& given) {
  reset_weapon_names(globals_.names);
  for (const auto& [which, file] :
       {std::pair{NameTable::weapons, &given.weapons}, std::pair{NameTable::planes, &given.planes},
        std::pair{NameTable::places, &given.places}}) {
    reload(key_of(which), *file, [this, which](const std::filesystem::path& path) {
      return load_name_file(which, path);
    });
  }
  reload(kAirfieldKey, given.targets,
         [this](const std::filesystem::path& path) { return load_airfield_file(path); });
  show_name_sources();
}

void FrmMain::show_name_sources() {
  const auto told = [](const NameSource& source, const char* what, const char* otherwise) {
    if (source.file.empty()) return std::string(otherwise);
    return path_to_utf8(source.file.filename()) + ": " + std::to_string(source.names) + " " + what;
  };
  const NameTables& names = globals_.names;
  lbl_weapons_from.caption = told(names.weapons_from, "names", "built-in names");
  lbl_planes_from.caption = told(names.planes_from, "names", "not loaded");
  lbl_places_from.caption = told(names.places_from, "names", "not loaded");
  lbl_airfields_from.caption = told(names.airfields_from, "airfields named", "not loaded");
}

void FrmMain::reload(const std::string& key, const std::optional<std::filesystem::path>& given,
                     const std::function<Refusal(const std::filesystem::path&)>& load) {
  const std::filesystem::path file = given ? *given : path_from_utf8(platform_.setting(key));
  if (file.empty()) return;
  if (Refusal refusal = load(file)) {
    // At start the user chose no file, so the message names it.
    show_error(platform_, naming_the_file(file, *refusal));
    if (!given) platform_.remember(key, "");
  }
}

void FrmMain::open_file(const std::filesystem::path& file) {
  const std::optional<DataKind> kind = kind_of_file_name(file);
  if (kind == DataKind::campaign) {
    open_campaign_editor().load_file(file);
  } else if (kind == DataKind::mission) {
    open_modal_editor<FrmMission>(file);
  } else if (kind == DataKind::squadrons) {
    open_modal_editor<FrmSquadron>(file);
  } else if (kind) {
    show_error(platform_, path_to_utf8(file) +
                              ": name files are given with --weapons, --planes, --places and "
                              "--targets.");
  } else {
    show_error(platform_, path_to_utf8(file) +
                              ": the kind of this file cannot be told from its name. Name a "
                              "campaign camp*.dat, a mission misn*.dat and a squadron file "
                              "sq*.dat.");
  }
}

bool FrmMain::frame_close() {
  return exit();
}

void FrmMain::load_name_table(NameTable which, const std::string& title) {
  const FileChoice choice =
      ask_for_file_to_open(platform_, {title, "String Files (*.str)|*.str", ".str", {}});
  if (choice.cancelled()) return;
  if (Refusal refusal = load_name_file(which, choice.path)) show_error(platform_, *refusal);
  show_name_sources();
}

FrmMain::Refusal FrmMain::load_name_file(NameTable which, const std::filesystem::path& file) {
  if (Refusal refusal = load_names(which, file, globals_.names)) return refusal;
  platform_.remember(key_of(which), remembered_as(file));
  if (which == NameTable::places) cmd_airfield.enabled = true;
  return std::nullopt;
}

void FrmMain::load_place_names() {
  load_name_table(NameTable::places, "Load Place Names");
}

void FrmMain::load_airfield_data() {
  const FileChoice choice = ask_for_file_to_open(
      platform_, {"Load Airfield Data", "TARGETS.DAT|targets.dat", ".dat", {}});
  if (choice.cancelled()) return;
  if (Refusal refusal = load_airfield_file(choice.path)) show_error(platform_, *refusal);
  show_name_sources();
}

FrmMain::Refusal FrmMain::load_airfield_file(const std::filesystem::path& file) {
  // Airfields are named after places: without place names there is nothing to name them by.
  if (!cmd_airfield.enabled) return "airfield data needs the place names first.";
  if (Refusal refusal = load_airfields(file, globals_.names)) return refusal;
  platform_.remember(kAirfieldKey, remembered_as(file));
  return std::nullopt;
}

template <class Editor>
void FrmMain::open_modal_editor(const std::optional<std::filesystem::path>& file) {
  Editor editor(globals_, platform_);
  editor.open();
  if (file) editor.load_file(*file);
  platform_.show_modal(editor);
}

Window& FrmMain::open_campaign_editor() {
  return registry_.show(FrmCampaign::kFormName, [this] {
    auto campaign = std::make_unique<FrmCampaign>(globals_, platform_, registry_, *this);
    campaign->open();
    return campaign;
  });
}

bool FrmMain::exit() {
  if (globals_.campaign.unsaved()) {
    const bool go_on = settle_before_dropping(platform_, caption(), [this] {
      return save_document(globals_.campaign, platform_, kCampaignFiles);
    });
    if (!go_on) return false;
  }
  platform_.quit();
  return true;
}

}  // namespace zav
