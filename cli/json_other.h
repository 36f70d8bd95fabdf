#pragma once

#include <string>
#include <vector>

#include "formats/target_file.h"
#include "json.h"
#include "json_reader.h"

// String files and the target file. Their documents' "kind" member is the caller's to read.
namespace zav::cli {

Json strings_to_json(const std::vector<std::string>& strings);

std::vector<std::string> strings_from_json(const Json& document, JsonReader& reader);

Json targets_to_json(const TargetFile& targets);

TargetFile targets_from_json(const Json& document, JsonReader& reader);

}  // namespace zav::cli
