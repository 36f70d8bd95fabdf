#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data_file.h"
#include "json.h"
#include "value_names.h"

// `zav diff` and `zav show`: files as lines of text, a value to a line.
namespace zav::cli {

// One line "path: old -> new" per value that differs, in the order of the documents; a value
// that only one of them has shows as (none) on the other side. Each value is followed by its
// name where the file's names give one: "4 (Spitfire I)".
std::vector<std::string> differences(const Json& old_document, const Json& new_document,
                                     const ValueNames& old_names, const ValueNames& new_names);

// The same lines for two campaigns or two missions, whose values stand in the same places in
// every file: their values are compared in place, and a path is spelled out only for a value
// that differs. Nothing for files of other kinds, which are compared as documents.
std::optional<std::vector<std::string>> fixed_layout_differences(const DataFile& old_file,
                                                                 const DataFile& new_file,
                                                                 const ValueNames& old_names,
                                                                 const ValueNames& new_names);

// One line "path: value" per value of the document, in its order, named as above.
std::vector<std::string> value_lines(const Json& document, const ValueNames& names);

}  // namespace zav::cli
