#include "editors/frm_campaign/campaign_saving.h"

#include <utility>

#include "editors/message_boxes.h"
#include "formats/campaign_file.h"

namespace zav {

FileDialog campaign_dialog(std::string title) {
  return {std::move(title), "Campaign Files (*.dat)|camp*.dat", ".dat", {}};
}

SaveOutcome save_campaign_with_dialog(Globals& globals, Platform& platform,
                                      std::filesystem::path& saved_as) {
  const FileChoice choice = platform.save_file(campaign_dialog("Save As"));
  if (choice.cancelled()) return SaveOutcome::cancelled;
  if (const std::optional<FileError> error = save_campaign(choice.path, globals.campaign)) {
    show_error(platform, error->message());
    return SaveOutcome::failed;
  }
  globals.campaign_as_saved = globals.campaign;
  saved_as = choice.path;
  return SaveOutcome::written;
}

}  // namespace zav
