#pragma once

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "file_kind.h"
#include "formats/campaign.h"
#include "formats/file_error.h"
#include "formats/mission.h"
#include "formats/squadron.h"
#include "formats/squadron_file.h"
#include "formats/target_file.h"
#include "json.h"

// One data file of any kind, as the record its reader fills.
namespace zav::cli {

using StringList = std::vector<std::string>;
using DataFile = std::variant<Campaign, SquadronTable, Mission, StringList, TargetFile>;

// Reads a file as the given kind; `how` applies to squadron files only.
Result<DataFile> load_data_file(const std::filesystem::path& path, FileKind kind,
                                SquadronRead how = SquadronRead::squadron_file);

// The file's text form.
Json data_file_to_json(const DataFile& file);

}  // namespace zav::cli
