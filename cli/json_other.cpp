#include "json_other.h"

#include "json_fields.h"

namespace zav::cli {
namespace {

constexpr auto kTargetFields =
    field_list(Field{"place", &TargetRecord::place}, Field{"airfield", &TargetRecord::airfield});

}  // namespace

Json strings_to_json(const std::vector<std::string>& strings) {
  return {{"kind", "strings"}, {"strings", strings}};
}

Json targets_to_json(const TargetFile& targets) {
  return document_to_json("targets", targets,
                          field_list(Field{"records", &TargetFile::records, kTargetFields}));
}

}  // namespace zav::cli
