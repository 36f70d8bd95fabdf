#pragma once

#include <optional>
#include <string_view>

#include "formats/file_error.h"

// Standard output, checked: a full disk or a closed file must not pass for a complete dump.
namespace zav::cli {

// Prints `text` on standard output. Once a write has failed nothing more is printed, and the
// reason is kept for finish_standard_output().
void print(std::string_view text);

// Flushes standard output; the error of the first write that failed, if any did.
std::optional<FileError> finish_standard_output();

}  // namespace zav::cli
