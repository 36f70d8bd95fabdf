#include "editors/frm_campaign/frm_campaign.h"

#include <initializer_list>
#include <memory>
#include <utility>

#include "editors/frm_c_setup/frm_c_setup.h"
#include "editors/frm_c_v1missions/frm_c_v1missions.h"
#include "editors/message_boxes.h"
#include "formats/campaign_file.h"

namespace zav {
namespace {

FileDialog campaign_dialog(std::string title) {
  FileDialog dialog;
  dialog.title = std::move(title);
  dialog.filter = "Campaign Files (*.dat)|camp*.dat";
  dialog.default_extension = ".dat";
  return dialog;
}

// Opens a section editor beside the campaign editor, or brings forward the one already open.
// Every section button opens its editor through here.
template <class Editor>
void open_section(Globals& globals, Platform& platform, WindowRegistry& registry) {
  registry.show<Editor>([&] {
    auto editor = std::make_unique<Editor>(globals, platform, registry);
    editor->open();
    return editor;
  });
}

}  // namespace

FrmCampaign::FrmCampaign(Globals& globals, Platform& platform, WindowRegistry& registry,
                         Window& main_window)
    : globals_(globals), platform_(platform), registry_(registry), main_window_(main_window) {}

void FrmCampaign::open() {
  platform_.hide(main_window_);
  enable_sections_and_save(false);
  cmd_close.enabled = true;
  cmd_cload.enabled = true;
  lbl_currfile.caption = "NO OPEN FILE";
}

void FrmCampaign::cmd_cload_click() {
  if (globals_.campaign_open) {
    const MessageAnswer answer = ask_to_save(platform_, caption());
    if (answer == MessageAnswer::cancel) return;
    // The load goes on whether or not the save happened: the user was asked and answered.
    if (answer == MessageAnswer::yes) save();
  }

  const FileChoice choice = platform_.open_file(campaign_dialog("Load File"));
  if (choice.cancelled()) return;
  Result<Campaign> loaded = load_campaign(choice.path);
  if (!loaded) {
    show_error(platform_, loaded.error().message());
    return;
  }
  globals_.campaign = std::move(loaded).value();
  globals_.campaign_open = true;
  lbl_currfile.caption = choice.title();
  enable_sections_and_save(true);
}

void FrmCampaign::cmd_csave_click() {
  save();
}

void FrmCampaign::save() {
  const FileChoice choice = platform_.save_file(campaign_dialog("Save As"));
  if (choice.cancelled()) return;
  // Whatever dialog the desktop offers, a name typed without an extension gets ".dat".
  std::filesystem::path path = choice.path;
  if (!path.has_extension()) path += ".dat";
  if (const std::optional<FileError> error = save_campaign(path, globals_.campaign)) {
    show_error(platform_, error->message());
    return;
  }
  lbl_currfile.caption = path.filename().string();
}

void FrmCampaign::cmd_close_click() {
  registry_.close(*this);
  platform_.show(main_window_);
}

void FrmCampaign::frame_close() {
  registry_.closed(*this);
  platform_.show(main_window_);
}

void FrmCampaign::cmd_setup_click() {
  open_section<FrmCSetup>(globals_, platform_, registry_);
}

void FrmCampaign::cmd_v1missions_click() {
  open_section<FrmCV1Missions>(globals_, platform_, registry_);
}

bool FrmCampaign::special_events_reachable() const {
  return globals_.campaign.setup.num_spev != 0;
}

bool FrmCampaign::special_missions_reachable() const {
  return globals_.campaign.setup.num_spm != 0;
}

void FrmCampaign::enable_sections_and_save(bool enabled) {
  for (Button* button : {&cmd_v1missions, &cmd_missions, &cmd_events, &cmd_af, &cmd_gf, &cmd_planes,
                         &cmd_phases, &cmd_setup, &cmd_csave}) {
    button->enabled = enabled;
  }
}

}  // namespace zav
