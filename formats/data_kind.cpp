#include "data_kind.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

#include "path_text.h"

namespace zav {
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

std::optional<DataKind> kind_of_file_name(const std::filesystem::path& path) {
  const std::string name = lower_case(path_to_utf8(path.filename()));
  if (name == "targets.dat") return DataKind::targets;
  if (named_like(name, "camp", ".dat")) return DataKind::campaign;
  if (named_like(name, "sq", ".dat")) return DataKind::squadrons;
  if (named_like(name, "misn", ".dat")) return DataKind::mission;
  if (named_like(name, "", ".str")) return DataKind::strings;
  return std::nullopt;
}

}  // namespace zav
