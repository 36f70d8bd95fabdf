#pragma once

#include <string>
#include <vector>

#include "json.h"
#include "value_names.h"

// `zav diff` and `zav show`: files as lines of text, a value to a line.
namespace zav::cli {

// One line "path: old -> new" per value that differs, in the order of the documents; a value
// that only one of them has shows as (none) on the other side. Each value is followed by its
// name where the file's names give one: "4 (Spitfire I)".
std::vector<std::string> differences(const Json& old_document, const Json& new_document,
                                     const ValueNames& old_names, const ValueNames& new_names);

// One line "path: value" per value of the document, in its order, named as above.
std::vector<std::string> value_lines(const Json& document, const ValueNames& names);

}  // namespace zav::cli
