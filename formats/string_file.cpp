#include "string_file.h"

#include <algorithm>

#include "windows1252.h"

namespace zav {
namespace {

constexpr std::size_t kCountAt = 4;
constexpr std::size_t kFirstAt = 8;  // also where the first string's position is counted from

std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

void put_u32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (std::size_t i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::string code_point_name(char32_t c) {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string digits;
  for (int shift = c > 0xFFFFF ? 20 : c > 0xFFFF ? 16 : 12; shift >= 0; shift -= 4)
    digits += kHex[(c >> shift) & 0xF];
  return "U+" + digits;
}

}  // namespace

Result<Bytes> read_string_file(const std::filesystem::path& path) {
  Result<FileStart> file = read_file_start(path, kLargestStringFile);
  if (!file) return file.error();
  if (file.value().goes_on) {
    return FileError{path, "is larger than 1 MiB, far larger than any string file"};
  }
  return std::move(file.value().bytes);
}

Result<std::uint32_t> decode_string_count(std::span<const std::uint8_t> file,
                                          const std::filesystem::path& source) {
  if (file.size() < kCountAt + 4) {
    return FileError{source, "is not a string file: it ends before its number of strings"};
  }
  return u32(file, kCountAt);
}

Result<std::vector<std::string>> decode_strings(std::span<const std::uint8_t> file,
                                                std::uint32_t count,
                                                const std::filesystem::path& source) {
  if (file.size() < kFirstAt + 4) {
    return FileError{source, "is not a string file: it ends before the position of its strings"};
  }
  const std::uint64_t first = kFirstAt + std::uint64_t{u32(file, kFirstAt)};
  if (first > file.size()) {
    return FileError{source, "is not a string file: its strings would start at byte " +
                                 std::to_string(first) + ", past its end at byte " +
                                 std::to_string(file.size())};
  }
  std::vector<std::string> strings;
  auto at = file.begin() + static_cast<std::ptrdiff_t>(first);
  for (std::uint32_t i = 0; i < count; ++i) {
    const auto end = std::find(at, file.end(), std::uint8_t{0});
    if (end == file.end()) {
      return FileError{source, "is cut short: it ends inside string " + std::to_string(i + 1) +
                                   " of " + std::to_string(count)};
    }
    strings.push_back(windows1252_to_utf8(std::span<const std::uint8_t>(at, end)));
    at = end + 1;
  }
  return strings;
}

Result<std::vector<std::string>> load_string_file(const std::filesystem::path& path) {
  Result<Bytes> file = read_string_file(path);
  if (!file) return file.error();
  Result<std::uint32_t> count = decode_string_count(file.value(), path);
  if (!count) return count.error();
  return decode_strings(file.value(), count.value(), path);
}

FieldProblems string_file_problems(std::span<const std::string> strings) {
  FieldProblems problems;
  for (std::size_t i = 0; i < strings.size(); ++i) {
    const std::string path = "strings[" + std::to_string(i) + "]";
    const Windows1252Text text = utf8_to_windows1252(strings[i]);
    if (text.refused) {
      problems.push_back({path, "holds the character " + code_point_name(*text.refused) +
                                    ", which Windows-1252 has no byte for"});
    } else if (std::find(text.bytes.begin(), text.bytes.end(), 0) != text.bytes.end()) {
      problems.push_back({path, "holds a zero character, which would end the string early"});
    }
  }
  return problems;
}

Bytes encode_string_file(std::span<const std::string> strings) {
  const std::size_t table_entries = std::max<std::size_t>(strings.size(), 1);
  Bytes file(kFirstAt + 4 * table_entries, 0);
  put_u32(file, 4, static_cast<std::uint32_t>(strings.size()));
  for (std::size_t i = 0; i < table_entries; ++i) {
    put_u32(file, kFirstAt + 4 * i,
            static_cast<std::uint32_t>(file.size() - kFirstAt));
    if (i >= strings.size()) break;
    const Windows1252Text text = utf8_to_windows1252(strings[i]);
    file.insert(file.end(), text.bytes.begin(), text.bytes.end());
    file.push_back(0);
  }
  return file;
}

std::optional<FileError> save_string_file(const std::filesystem::path& path,
                                          std::span<const std::string> strings) {
  const FieldProblems problems = string_file_problems(strings);
  if (!problems.empty()) return FileError{path, "cannot be saved: " + problems.front().message()};
  return write_file_replacing(path, encode_string_file(strings));
}

}  // namespace zav
