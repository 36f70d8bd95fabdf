#include "editors/frm_campaign/frm_campaign.h"

#include <initializer_list>
#include <memory>
#include <utility>

#include "editors/message_boxes.h"

namespace zav {

SectionEditor& FrmCampaign::open_section(std::string_view member) {
  const CampaignSection& section = *section_of(member);
  return static_cast<SectionEditor&>(registry_.show(section.form_name, [&] {
    std::unique_ptr<SectionEditor> editor = section.make(globals_, platform_, registry_);
    editor->open();
    return editor;
  }));
}

void FrmCampaign::go_to(const std::string& path) {
  const ProblemPlace place = place_of(path);
  if (!section_of(place.member)) return;
  open_section(place.member).go_to(place.entry, place.field);
}

void FrmCampaign::catch_up() {
  if (!cmd_csave.enabled) {
    found_.forget();
    return problems.clear();
  }
  if (found_.update()) problems.show(found_.listed());
}

FrmCampaign::FrmCampaign(Globals& globals, Platform& platform, WindowRegistry& registry,
                         Window& main_window)
    : Window(platform), globals_(globals), registry_(registry), main_window_(main_window) {}

void FrmCampaign::open() {
  platform_.hide(main_window_);
  enable_sections_and_save(false);
  lbl_currfile.caption = kNoOpenFile;
}

void FrmCampaign::load(const std::optional<std::filesystem::path>& given) {
  // Yes goes on whether or not the save dialog was cancelled: the user was asked and answered.
  if (!settle_before_load(platform_, caption(), globals_.campaign_open,
                          [this] { return save(); })) {
    return;
  }
  const std::optional<FileChoice> loaded =
      load_document(globals_.campaign, platform_, kCampaignFiles, given);
  if (!loaded) return;
  globals_.campaign_open = true;
  lbl_currfile.caption = loaded->title();
  enable_sections_and_save(true);
}

SaveOutcome FrmCampaign::save() {
  const SaveOutcome outcome = save_document(globals_.campaign, platform_, kCampaignFiles);
  if (outcome == SaveOutcome::written) {
    lbl_currfile.caption = FileChoice{globals_.campaign.file()}.title();
  }
  return outcome;
}

bool FrmCampaign::settle_unsaved() {
  return !unsaved_changes() ||
         settle_before_dropping(platform_, caption(), [this] { return save(); });
}

void FrmCampaign::close() {
  if (!settle_unsaved()) return;
  registry_.close(*this);
  platform_.show(main_window_);
}

bool FrmCampaign::frame_close() {
  if (!settle_unsaved()) return false;
  registry_.closed(*this);
  platform_.show(main_window_);
  return true;
}

bool FrmCampaign::special_events_reachable() const {
  return globals_.campaign.record().setup.num_spev != 0;
}

bool FrmCampaign::special_missions_reachable() const {
  return globals_.campaign.record().setup.num_spm != 0;
}

void FrmCampaign::enable_sections_and_save(bool enabled) {
  for (Button* button : {&cmd_v1missions, &cmd_missions, &cmd_events, &cmd_af, &cmd_gf, &cmd_planes,
                         &cmd_phases, &cmd_setup, &cmd_csave}) {
    button->enabled = enabled;
  }
}

}  // namespace zav
