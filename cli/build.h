#pragma once

#include <filesystem>
#include <optional>

#include "data_file.h"
#include "formats/field_problem.h"
#include "formats/file_error.h"
#include "formats/squadron_file.h"
#include "json.h"
#include "json_reader.h"

// `zav build`: a JSON document back to its binary file.
namespace zav::cli {

// The file that a document describes, by its "kind". Every problem is added to `problems`:
// faults of the document itself and, once it has none, values that the file could not hold
// faithfully when read the way `how` says (which applies to squadron files only). A file comes
// back only when `problems` is empty; never for a document whose parse was stopped (a
// discarded value).
std::optional<DataFile> file_from_json(const Json& document, DocumentProblems& problems,
                                       SquadronRead how = SquadronRead::squadron_file);

// Writes the file through the core's writers, which replace `path` only when the whole file is
// written.
std::optional<FileError> save_built_file(const std::filesystem::path& path, const DataFile& file,
                                         SquadronRead how = SquadronRead::squadron_file);

}  // namespace zav::cli
