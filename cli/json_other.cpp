#include "json_other.h"

#include "json_fields.h"
#include "model/target_fields.h"

namespace zav::cli {

Json strings_to_json(const std::vector<std::string>& strings) {
  return {{"kind", "strings"}, {"strings", strings}};
}

Json targets_to_json(const TargetFile& targets) {
  return document_to_json("targets", targets, fields::target_file_fields);
}

}  // namespace zav::cli
