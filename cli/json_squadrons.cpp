#include "json_squadrons.h"

#include <cstddef>

#include "json_fields.h"
#include "model/squadron_fields.h"

namespace zav::cli {
namespace {

constexpr std::string_view kDocumentMembers[] = {"kind", "squadrons"};
const std::string kListPath = "squadrons";

}  // namespace

Json squadrons_to_json(const SquadronTable& table) {
  Json list = Json::array();
  for (int s = 0; s < table.count; ++s)
    list.push_back(record_to_json(table.slots[s], fields::squadron_fields));
  return {{"kind", "squadrons"}, {"squadrons", std::move(list)}};
}

SquadronTable squadrons_from_json(const Json& document, JsonReader& reader) {
  SquadronTable table;
  if (!reader.object(document, "", kDocumentMembers)) return table;
  const Json* list = reader.member(document, "", kListPath);
  if (!list || !reader.array(*list, kListPath, 1, SquadronTable::kMaxSquadrons)) return table;
  table.count = static_cast<int>(list->size());
  for (std::size_t s = 0; s < list->size(); ++s) {
    read_record(reader, (*list)[s], element_path(kListPath, s), table.slots[s],
                fields::squadron_fields);
  }
  return table;
}

}  // namespace zav::cli
