#include "json_other.h"

#include <cstdint>
#include <limits>

#include "json_fields.h"
#include "model/target_fields.h"

namespace zav::cli {
namespace {

constexpr std::string_view kStringsMembers[] = {"kind", "strings"};
const std::string kStringsPath = "strings";

}  // namespace

Json strings_to_json(const std::vector<std::string>& strings) {
  return {{"kind", "strings"}, {"strings", strings}};
}

std::vector<std::string> strings_from_json(const Json& document, JsonReader& reader) {
  std::vector<std::string> strings;
  if (!reader.object(document, "", kStringsMembers)) return strings;
  const Json* list = reader.member(document, "", kStringsPath);
  // The file counts its strings in 32 bits.
  if (!list || !reader.array(*list, kStringsPath, 0, std::numeric_limits<std::uint32_t>::max())) {
    return strings;
  }
  strings.resize(list->size());
  for (std::size_t i = 0; i < list->size(); ++i) {
    reader.text((*list)[i], element_path(kStringsPath, i), strings[i]);
  }
  return strings;
}

Json targets_to_json(const TargetFile& targets) {
  return document_to_json("targets", targets, fields::target_file_fields);
}

TargetFile targets_from_json(const Json& document, JsonReader& reader) {
  TargetFile targets;
  read_document(reader, document, targets, fields::target_file_fields);
  return targets;
}

}  // namespace zav::cli
