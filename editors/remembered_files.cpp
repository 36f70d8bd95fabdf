#include "editors/remembered_files.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace zav {

namespace {

constexpr std::size_t kRecentFiles = 8;

// The pattern part of a "description|pattern" filter names the kind of file.
std::string kind_of(const FileDialog& dialog) {
  const std::size_t bar = dialog.filter.find('|');
  return bar == std::string::npos ? dialog.filter : dialog.filter.substr(bar + 1);
}

std::vector<std::filesystem::path> recent_files(const Platform& platform,
                                                const FileDialog& dialog) {
  std::vector<std::filesystem::path> files;
  std::istringstream kept(platform.setting("recent/" + kind_of(dialog)));
  for (std::string line; std::getline(kept, line);) {
    if (!line.empty()) files.push_back(path_from_utf8(line));
  }
  return files;
}

// The dialog with its kind's last folder and recent files, unless a file is proposed.
FileDialog remembered(const Platform& platform, FileDialog dialog) {
  dialog.recent = recent_files(platform, dialog);
  if (dialog.proposed.empty()) {
    dialog.folder = path_from_utf8(platform.setting("folders/" + kind_of(dialog)));
  }
  return dialog;
}

FileChoice remembering(Platform& platform, const FileDialog& dialog, FileChoice choice) {
  if (!choice.cancelled()) remember_file(platform, dialog, choice.path);
  return choice;
}

}  // namespace

FileChoice ask_for_file_to_open(Platform& platform, FileDialog dialog) {
  dialog = remembered(platform, std::move(dialog));
  return remembering(platform, dialog, platform.open_file(dialog));
}

FileChoice ask_for_file_to_save(Platform& platform, FileDialog dialog) {
  dialog = remembered(platform, std::move(dialog));
  return remembering(platform, dialog, platform.save_file(dialog));
}

void remember_file(Platform& platform, const FileDialog& dialog,
                   const std::filesystem::path& file) {
  const std::filesystem::path whole = std::filesystem::absolute(file);
  std::vector<std::filesystem::path> files = recent_files(platform, dialog);
  std::erase(files, whole);
  files.insert(files.begin(), whole);
  if (files.size() > kRecentFiles) files.resize(kRecentFiles);
  std::string kept;
  for (const std::filesystem::path& recent : files) kept += path_to_utf8(recent) + "\n";
  platform.remember("recent/" + kind_of(dialog), kept);
  platform.remember("folders/" + kind_of(dialog), path_to_utf8(whole.parent_path()));
}

}  // namespace zav
