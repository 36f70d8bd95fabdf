#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "file_error.h"

namespace zav {

using Bytes = std::vector<std::uint8_t>;

// Reads a whole file. Never creates a missing file.
Result<Bytes> read_file(const std::filesystem::path& path);

// Writes `bytes` to a temporary file beside `path` and renames it over `path` only when it is
// complete, so a failure leaves any existing file exactly as it was.
std::optional<FileError> write_file_replacing(const std::filesystem::path& path,
                                              std::span<const std::uint8_t> bytes);

}  // namespace zav
