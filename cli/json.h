#pragma once

#include <nlohmann/json.hpp>

namespace zav::cli {

// The text form of the records: members keep the order in which they were added, which is
// record order.
using Json = nlohmann::ordered_json;

}  // namespace zav::cli
