#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

#include "file_error.h"
#include "file_io.h"

// The target file targets.dat, of which only each target's place and airfield are read.
namespace zav {

struct TargetRecord {
  std::int16_t place = 0;     // index into the place names
  std::int16_t airfield = 0;  // airfield number 1 to 162, 0 when the target is no airfield

  bool operator==(const TargetRecord&) const = default;
};

struct TargetFile {
  static constexpr std::size_t kRecords = 302;
  static constexpr std::size_t kRecordSize = 32;
  static constexpr std::size_t kSize = kRecords * kRecordSize;

  std::array<TargetRecord, kRecords> records{};
};

TargetFile decode_targets(std::span<const std::uint8_t, TargetFile::kSize> file);

// The file as this project writes it: each record's place and airfield, every other byte 0.
Bytes encode_targets(const TargetFile& targets);

std::optional<FileError> save_targets(const std::filesystem::path& path, const TargetFile& targets);

// Refuses a file shorter than its 302 records; bytes after them are not read.
Result<TargetFile> load_targets(const std::filesystem::path& path);

}  // namespace zav
