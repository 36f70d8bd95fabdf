#pragma once

#include <filesystem>
#include <string>

#include "editors/file_questions.h"
#include "editors/platform.h"
#include "model/globals.h"

namespace zav {

// The dialogs of campaign files: "Load File" and "Save As".
FileDialog campaign_dialog(std::string title);

// Save with its dialog: writes the campaign to the chosen file, which then holds what the
// campaign holds; a failed write is told to the user. `saved_as` is the file written.
SaveOutcome save_campaign_with_dialog(Globals& globals, Platform& platform,
                                      std::filesystem::path& saved_as);

}  // namespace zav
