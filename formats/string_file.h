#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "field_problem.h"
#include "file_error.h"
#include "file_io.h"

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

// Texts that the file cannot hold: those with a character that has no Windows-1252 byte, and
// those holding a zero character, which would end the string early. Paths are "strings[i]".
FieldProblems string_file_problems(std::span<const std::string> strings);

// The file as this project writes it: 4 bytes 0, the count, then a table of the strings'
// positions counted from offset 8 (one entry even for no strings, so that the header is whole),
// then the strings in Windows-1252, each ended by a zero byte. The texts must have no
// string_file_problems().
Bytes encode_string_file(std::span<const std::string> strings);

// Writes the file, refusing texts with string_file_problems().
std::optional<FileError> save_string_file(const std::filesystem::path& path,
                                          std::span<const std::string> strings);

}  // namespace zav
