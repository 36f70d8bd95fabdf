#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "file_error.h"

// String files (*.str): a header, then zero-terminated 8-bit texts.
namespace zav {

struct StringFileHeader {
  std::uint32_t count = 0;  // number of strings
  std::uint32_t first = 0;  // position of the first string, counted from offset 8
};

// Refuses a file that ends before its header or whose strings would start past its end.
Result<StringFileHeader> decode_string_header(std::span<const std::uint8_t> file,
                                              const std::filesystem::path& source);

// The header's `count` strings as UTF-8; refuses a file that ends before the last one's
// zero byte.
Result<std::vector<std::string>> decode_strings(std::span<const std::uint8_t> file,
                                                const StringFileHeader& header,
                                                const std::filesystem::path& source);

Result<std::vector<std::string>> load_string_file(const std::filesystem::path& path);

}  // namespace zav
