#pragma once

#include <map>
#include <string>
#include <string_view>

#include "formats/data_kind.h"

// The five kinds of data file the tool reads.
namespace zav::cli {

using FileKind = DataKind;

// Each kind by the name that --kind and the JSON member "kind" use.
const std::map<std::string, FileKind>& kinds_by_name();

std::string_view kind_name(FileKind kind);

}  // namespace zav::cli
