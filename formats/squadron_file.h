#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

#include "field_problem.h"
#include "file_error.h"
#include "file_io.h"
#include "squadron.h"

namespace zav {

inline constexpr std::size_t kSquadronRecordSize = 124;

// How a squadron file is read or written. The base file sqbasic.dat keeps home bases and move
// destinations without the +1 of other squadron files and has no weapon numbers.
enum class SquadronRead { squadron_file, base_file };

// A whole squadron file as a table. Refuses an empty file, a length that is not whole
// 124-byte records and more than 25 records; `source` names the file in the error.
Result<SquadronTable> decode_squadrons(std::span<const std::uint8_t> file, SquadronRead how,
                                       const std::filesystem::path& source);

// Values of squadrons 0 to count - 1 that the file cannot hold so that they read back the same
// when read the way `how` says.
FieldProblems squadron_problems(const SquadronTable& table,
                                SquadronRead how = SquadronRead::squadron_file);

// Squadrons 0 to count - 1 as a file to be read the way `how` says; the table must have no
// squadron_problems() for it.
Bytes encode_squadrons(const SquadronTable& table, SquadronRead how = SquadronRead::squadron_file);

// Reads a squadron file, refusing it as decode_squadrons() does; a file longer than 25
// records is refused without being read further.
Result<SquadronTable> load_squadrons(const std::filesystem::path& path,
                                     SquadronRead how = SquadronRead::squadron_file);

// Writes squadrons 0 to count - 1, refusing a table with squadron_problems().
std::optional<FileError> save_squadrons(const std::filesystem::path& path,
                                        const SquadronTable& table,
                                        SquadronRead how = SquadronRead::squadron_file);

}  // namespace zav
