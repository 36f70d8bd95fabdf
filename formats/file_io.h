#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "file_error.h"

namespace zav {

using Bytes = std::vector<std::uint8_t>;

// The start of a file: at most as many bytes as were asked for, and whether the file goes on.
struct FileStart {
  Bytes bytes;
  bool goes_on = false;
};

// Reads the first `most` bytes of a regular file (all of a shorter one), and one byte more to
// tell whether it goes on. Anything else (a folder, a named pipe, a device) is refused before
// it is opened, so that a read can neither wait for a writer nor run on without end. Never
// creates a missing file.
Result<FileStart> read_file_start(const std::filesystem::path& path, std::size_t most);

// The same from standard input, named "(standard input)" in errors.
Result<FileStart> read_standard_input_start(std::size_t most);

// Writes `bytes` to a temporary file beside `path` and renames it over `path` only when it is
// complete, so a failure leaves any existing file exactly as it was. A link stays a link: the
// file it names is written, and made when it does not exist yet. Only a regular file is
// replaced. Errors name `path` and the reason, never the temporary file.
std::optional<FileError> write_file_replacing(const std::filesystem::path& path,
                                              std::span<const std::uint8_t> bytes);

}  // namespace zav
