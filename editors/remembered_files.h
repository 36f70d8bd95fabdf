#pragma once

#include <filesystem>

#include "editors/platform.h"

// File dialogs that start where the user last was: each kind of file (told by the pattern of
// the dialog's filter, "camp*.dat", "*.str") has its own last folder and list of recent files,
// kept between runs.
namespace zav {

FileChoice ask_for_file_to_open(Platform& platform, FileDialog dialog);
FileChoice ask_for_file_to_save(Platform& platform, FileDialog dialog);

// Notes `file` as the latest of its dialog's kind, as a choice in the dialog does.
void remember_file(Platform& platform, const FileDialog& dialog, const std::filesystem::path& file);

}  // namespace zav
