#include "build.h"

#include <string>

#include "file_kind.h"
#include "formats/campaign_file.h"
#include "formats/mission_file.h"
#include "formats/string_file.h"
#include "json_campaign.h"
#include "json_mission.h"
#include "json_other.h"
#include "json_reader.h"
#include "json_squadrons.h"

namespace zav::cli {
namespace {

std::optional<FileKind> read_kind(const Json& document, JsonReader& reader) {
  const Json* member = reader.member(document, "", "kind");
  std::string name;
  if (!member || !reader.text(*member, "kind", name)) return std::nullopt;
  const auto found = kinds_by_name().find(name);
  if (found == kinds_by_name().end()) {
    reader.problem("kind", "\"" + name +
                               "\" is no kind of file; the kinds are campaign, squadrons, mission, "
                               "strings and targets");
    return std::nullopt;
  }
  return found->second;
}

DataFile read_file_of_kind(const Json& document, FileKind kind, JsonReader& reader) {
  switch (kind) {
    case FileKind::campaign:
      return campaign_from_json(document, reader);
    case FileKind::squadrons:
      return squadrons_from_json(document, reader);
    case FileKind::mission:
      return mission_from_json(document, reader);
    case FileKind::strings:
      return strings_from_json(document, reader);
    case FileKind::targets:
      break;
  }
  return targets_from_json(document, reader);
}

// Values that read well from the document but that the core's writers would refuse.
FieldProblems problems_of_file(const DataFile& file, SquadronRead how) {
  if (const auto* campaign = std::get_if<Campaign>(&file)) return campaign_problems(*campaign);
  if (const auto* table = std::get_if<SquadronTable>(&file)) return squadron_problems(*table, how);
  if (const auto* strings = std::get_if<StringList>(&file)) return string_file_problems(*strings);
  return {};
}

}  // namespace

std::optional<DataFile> file_from_json(const Json& document, DocumentProblems& problems,
                                       SquadronRead how) {
  if (document.is_discarded()) return std::nullopt;
  JsonReader reader(problems);
  if (!document.is_object()) {
    reader.object(document, "", {});
    return std::nullopt;
  }
  const std::optional<FileKind> kind = read_kind(document, reader);
  if (!kind) return std::nullopt;
  if (how == SquadronRead::base_file && *kind != FileKind::squadrons) {
    reader.problem("kind", "\"" + std::string(kind_name(*kind)) +
                               "\" files have no base form; --base applies to squadron files only");
    return std::nullopt;
  }
  DataFile file = read_file_of_kind(document, *kind, reader);
  if (!problems.empty()) return std::nullopt;
  problems.add(problems_of_file(file, how));
  if (!problems.empty()) return std::nullopt;
  return file;
}

std::optional<FileError> save_built_file(const std::filesystem::path& path, const DataFile& file,
                                         SquadronRead how) {
  if (const auto* campaign = std::get_if<Campaign>(&file)) return save_campaign(path, *campaign);
  if (const auto* table = std::get_if<SquadronTable>(&file)) {
    return save_squadrons(path, *table, how);
  }
  if (const auto* strings = std::get_if<StringList>(&file)) return save_string_file(path, *strings);
  if (const auto* targets = std::get_if<TargetFile>(&file)) return save_targets(path, *targets);
  return save_mission(path, std::get<Mission>(file));
}

}  // namespace zav::cli
