#include "target_file.h"

#include <string>

#include "byte_layout.h"
#include "file_io.h"

namespace zav {

TargetFile decode_targets(std::span<const std::uint8_t, TargetFile::kSize> file) {
  TargetFile targets;
  for (std::size_t r = 0; r < TargetFile::kRecords; ++r) {
    const std::size_t at = r * TargetFile::kRecordSize;
    targets.records[r] = {layout::i16(file, at + 20), layout::i16(file, at + 28)};
  }
  return targets;
}

Bytes encode_targets(const TargetFile& targets) {
  Bytes file(TargetFile::kSize, 0);
  for (std::size_t r = 0; r < TargetFile::kRecords; ++r) {
    const std::size_t at = r * TargetFile::kRecordSize;
    layout::put_i16(file, at + 20, targets.records[r].place);
    layout::put_i16(file, at + 28, targets.records[r].airfield);
  }
  return file;
}

std::optional<FileError> save_targets(const std::filesystem::path& path,
                                      const TargetFile& targets) {
  return write_file_replacing(path, encode_targets(targets));
}

Result<TargetFile> load_targets(const std::filesystem::path& path) {
  Result<FileStart> file = read_file_start(path, TargetFile::kSize);
  if (!file) return file.error();
  const Bytes& b = file.value().bytes;
  if (b.size() < TargetFile::kSize) {
    return FileError{path, "is not a target file: it has " + std::to_string(b.size()) +
                               " bytes, the 302 targets take 9664"};
  }
  return decode_targets(
      std::span<const std::uint8_t, TargetFile::kSize>(b.data(), TargetFile::kSize));
}

}  // namespace zav
