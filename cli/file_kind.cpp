#include "file_kind.h"

#include <algorithm>
#include <cctype>

#include "formats/path_text.h"

namespace zav::cli {
namespace {

std::string lower_case(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool named_like(std::string_view name, std::string_view prefix, std::string_view suffix) {
  return name.size() >= prefix.size() + suffix.size() && name.starts_with(prefix) &&
         name.ends_with(suffix);
}

}  // namespace

const std::map<std::string, FileKind>& kinds_by_name() {
  static const std::map<std::string, FileKind> kinds = {{"campaign", FileKind::campaign},
                                                        {"squadrons", FileKind::squadrons},
                                                        {"mission", FileKind::mission},
                                                        {"strings", FileKind::strings},
                                                        {"targets", FileKind::targets}};
  return kinds;
}

std::string_view kind_name(FileKind kind) {
  for (const auto& [name, named] : kinds_by_name()) {
    if (named == kind) return name;
  }
  return {};
}

std::optional<FileKind> kind_of_file_name(const std::filesystem::path& path) {
  const std::string name = lower_case(path_to_utf8(path.filename()));
  if (name == "targets.dat") return FileKind::targets;
  if (named_like(name, "camp", ".dat")) return FileKind::campaign;
  if (named_like(name, "sq", ".dat")) return FileKind::squadrons;
  if (named_like(name, "misn", ".dat")) return FileKind::mission;
  if (named_like(name, "", ".str")) return FileKind::strings;
  return std::nullopt;
}

}  // namespace zav::cli
