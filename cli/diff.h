#pragma once

#include <string>
#include <vector>

#include "json.h"

// `zav diff`: two files compared through their text forms.
namespace zav::cli {

// One line "path: old -> new" per value that differs, in the order of the documents; a value
// that only one of them has shows as (none) on the other side.
std::vector<std::string> differences(const Json& old_document, const Json& new_document);

}  // namespace zav::cli
