#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "field_problem.h"
#include "file_error.h"
#include "file_io.h"

// String files (*.str): a count, the position of the first string, then zero-terminated 8-bit
// texts.
namespace zav {

// Far larger than any string file: a larger file is refused without being read.
inline constexpr std::size_t kLargestStringFile = std::size_t{1} << 20;

// The bytes of a string file; refuses a file larger than kLargestStringFile.
Result<Bytes> read_string_file(const std::filesystem::path& path);

// The number of strings, at offset 4; refuses a file that ends before it.
Result<std::uint32_t> decode_string_count(std::span<const std::uint8_t> file,
                                          const std::filesystem::path& source);

// `count` strings as UTF-8, read from 8 + the position given at offset 8. Refuses a file that
// ends before that position, before the first string or inside one of the strings.
Result<std::vector<std::string>> decode_strings(std::span<const std::uint8_t> file,
                                                std::uint32_t count,
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
