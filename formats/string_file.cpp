#include "string_file.h"

#include <algorithm>

#include "file_io.h"
#include "windows1252.h"

namespace zav {
namespace {

constexpr std::size_t kHeaderSize = 12;
constexpr std::size_t kFirstCountedFrom = 8;

std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

}  // namespace

Result<StringFileHeader> decode_string_header(std::span<const std::uint8_t> file,
                                              const std::filesystem::path& source) {
  if (file.size() < kHeaderSize) {
    return FileError{source, "is not a string file: it ends before its 12-byte header"};
  }
  const StringFileHeader header{u32(file, 4), u32(file, 8)};
  if (kFirstCountedFrom + std::uint64_t{header.first} > file.size()) {
    return FileError{source, "is not a string file: its strings would start at byte " +
                                 std::to_string(kFirstCountedFrom + std::uint64_t{header.first}) +
                                 ", past its end at byte " + std::to_string(file.size())};
  }
  return header;
}

Result<std::vector<std::string>> decode_strings(std::span<const std::uint8_t> file,
                                                const StringFileHeader& header,
                                                const std::filesystem::path& source) {
  std::vector<std::string> strings;
  auto at = file.begin() + static_cast<std::ptrdiff_t>(kFirstCountedFrom + header.first);
  for (std::uint32_t i = 0; i < header.count; ++i) {
    const auto end = std::find(at, file.end(), std::uint8_t{0});
    if (end == file.end()) {
      return FileError{source, "is cut short: it ends inside string " + std::to_string(i + 1) +
                                   " of " + std::to_string(header.count)};
    }
    strings.push_back(windows1252_to_utf8(std::span<const std::uint8_t>(at, end)));
    at = end + 1;
  }
  return strings;
}

Result<std::vector<std::string>> load_string_file(const std::filesystem::path& path) {
  Result<Bytes> file = read_file(path);
  if (!file) return file.error();
  Result<StringFileHeader> header = decode_string_header(file.value(), path);
  if (!header) return header.error();
  return decode_strings(file.value(), header.value(), path);
}

}  // namespace zav
