#include "build.h"

#include <string>

#include "file_kind.h"
#include "formats/campaign_file.h"
#include "formats/mission_file.h"
#include "formats/squadron_file.h"
#include "json_campaign.h"
#include "json_mission.h"
#include "json_reader.h"
#include "json_squadrons.h"

namespace zav::cli {
namespace {

constexpr const char* kBuildableKinds = "build makes campaign, squadrons and mission files";

std::optional<FileKind> read_kind(const Json& document, JsonReader& reader) {
  const Json* member = reader.member(document, "", "kind");
  std::string name;
  if (!member || !reader.text(*member, "kind", name)) return std::nullopt;
  const auto found = kinds_by_name().find(name);
  if (found == kinds_by_name().end()) {
    reader.problem("kind", "\"" + name + "\" is no kind of file; " + kBuildableKinds);
    return std::nullopt;
  }
  if (found->second == FileKind::strings || found->second == FileKind::targets) {
    reader.problem("kind", "\"" + name + "\" files are dumped only; " + kBuildableKinds);
    return std::nullopt;
  }
  return found->second;
}

std::optional<BuildableFile> read_file_of_kind(const Json& document, FileKind kind,
                                               JsonReader& reader) {
  switch (kind) {
    case FileKind::campaign:
      return campaign_from_json(document, reader);
    case FileKind::squadrons:
      return squadrons_from_json(document, reader);
    case FileKind::mission:
      return mission_from_json(document, reader);
    case FileKind::strings:
    case FileKind::targets:
      break;
  }
  return std::nullopt;
}

// Values that read well from the document but that the core's writers would refuse.
FieldProblems problems_of_file(const BuildableFile& file) {
  if (const auto* campaign = std::get_if<Campaign>(&file)) return campaign_problems(*campaign);
  if (const auto* table = std::get_if<SquadronTable>(&file)) return squadron_problems(*table);
  return {};
}

}  // namespace

std::optional<BuildableFile> file_from_json(const Json& document, DocumentProblems& problems) {
  if (document.is_discarded()) return std::nullopt;
  JsonReader reader(problems);
  if (!document.is_object()) {
    reader.object(document, "", {});
    return std::nullopt;
  }
  const std::optional<FileKind> kind = read_kind(document, reader);
  if (!kind) return std::nullopt;
  std::optional<BuildableFile> file = read_file_of_kind(document, *kind, reader);
  if (!file || !problems.empty()) return std::nullopt;
  problems.add(problems_of_file(*file));
  if (!problems.empty()) return std::nullopt;
  return file;
}

std::optional<FileError> save_built_file(const std::filesystem::path& path,
                                         const BuildableFile& file) {
  if (const auto* campaign = std::get_if<Campaign>(&file)) return save_campaign(path, *campaign);
  if (const auto* table = std::get_if<SquadronTable>(&file)) return save_squadrons(path, *table);
  return save_mission(path, std::get<Mission>(file));
}

}  // namespace zav::cli
