#pragma once

#include <string>
#include <vector>

#include "formats/target_file.h"
#include "json.h"

// The kinds that the tool dumps but does not build.
namespace zav::cli {

Json strings_to_json(const std::vector<std::string>& strings);

Json targets_to_json(const TargetFile& targets);

}  // namespace zav::cli
