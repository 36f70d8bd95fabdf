#pragma once

#include <filesystem>
#include <optional>
#include <variant>

#include "formats/campaign.h"
#include "formats/field_problem.h"
#include "formats/file_error.h"
#include "formats/mission.h"
#include "formats/squadron.h"
#include "json.h"
#include "json_reader.h"

// `zav build`: a JSON document back to its binary file.
namespace zav::cli {

using BuildableFile = std::variant<Campaign, SquadronTable, Mission>;

// The file that a document describes, by its "kind". Every problem is added to `problems`:
// faults of the document itself and, once it has none, values that the file could not hold
// faithfully. A file comes back only when `problems` is empty; never for a document whose
// parse was stopped (a discarded value).
std::optional<BuildableFile> file_from_json(const Json& document, DocumentProblems& problems);

// Writes the file through the core's writers, which replace `path` only when the whole file is
// written.
std::optional<FileError> save_built_file(const std::filesystem::path& path,
                                         const BuildableFile& file);

}  // namespace zav::cli
