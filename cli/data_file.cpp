#include "data_file.h"

#include "formats/campaign_file.h"
#include "formats/mission_file.h"
#include "formats/string_file.h"
#include "json_campaign.h"
#include "json_mission.h"
#include "json_other.h"
#include "json_squadrons.h"

namespace zav::cli {
namespace {

template <class T>
Result<DataFile> as_data_file(Result<T> loaded) {
  if (!loaded) return loaded.error();
  return DataFile(std::move(loaded).value());
}

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};

}  // namespace

Result<DataFile> load_data_file(const std::filesystem::path& path, FileKind kind,
                                SquadronRead how) {
  switch (kind) {
    case FileKind::campaign:
      return as_data_file(load_campaign(path));
    case FileKind::squadrons:
      return as_data_file(load_squadrons(path, how));
    case FileKind::mission:
      return as_data_file(load_mission(path));
    case FileKind::strings:
      return as_data_file(load_string_file(path));
    case FileKind::targets:
      break;
  }
  return as_data_file(load_targets(path));
}

Json data_file_to_json(const DataFile& file) {
  return std::visit(Overloaded{[](const Campaign& c) { return campaign_to_json(c); },
                               [](const SquadronTable& t) { return squadrons_to_json(t); },
                               [](const Mission& m) { return mission_to_json(m); },
                               [](const StringList& s) { return strings_to_json(s); },
                               [](const TargetFile& t) { return targets_to_json(t); }},
                    file);
}

}  // namespace zav::cli
