#include "file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <system_error>

namespace zav {
namespace {

using FileHandle = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

std::string errno_text(int code) {
  return std::generic_category().message(code);
}

FileError error_at(const std::filesystem::path& path, std::string what, int code) {
  return {path, what + ": " + errno_text(code)};
}

std::filesystem::path temporary_beside(const std::filesystem::path& target) {
  std::random_device random;
  std::string name = "." + target.filename().string() + ".";
  for (int i = 0; i < 8; ++i) name += "0123456789abcdef"[random() % 16];
  name += ".tmp";
  return target.parent_path() / name;
}

}  // namespace

Result<Bytes> read_file(const std::filesystem::path& path) {
  std::error_code status_error;
  if (std::filesystem::is_directory(path, status_error)) {
    return FileError{path, "cannot be read: it is a folder, not a file"};
  }
  errno = 0;
  FileHandle file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) return error_at(path, "cannot be opened", errno);

  Bytes bytes;
  std::uint8_t chunk[8192];
  for (;;) {
    const std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
    bytes.insert(bytes.end(), chunk, chunk + got);
    if (got < sizeof chunk) break;
  }
  if (std::ferror(file.get())) return error_at(path, "cannot be read", errno);
  return bytes;
}

std::optional<FileError> write_file_replacing(const std::filesystem::path& path,
                                              std::span<const std::uint8_t> bytes) {
  std::error_code status_error;
  if (std::filesystem::is_directory(path, status_error)) {
    return FileError{path, "cannot be written: a folder of that name is in the way"};
  }
  // A link stays a link: the file it points to is the one replaced.
  std::filesystem::path target = path;
  if (std::filesystem::is_symlink(path, status_error)) {
    target = std::filesystem::weakly_canonical(path, status_error);
    if (status_error) return FileError{path, "cannot be written: " + status_error.message()};
  }
  const auto old_status = std::filesystem::status(target, status_error);
  const std::filesystem::path temporary = temporary_beside(target);
  errno = 0;
  // "x": never reuse a file that happens to have the temporary's name.
  std::FILE* raw = std::fopen(temporary.c_str(), "wbx");
  if (!raw) return error_at(path, "cannot be written (creating a temporary file failed)", errno);

  bool written = std::fwrite(bytes.data(), 1, bytes.size(), raw) == bytes.size();
  int code = errno;
  if (std::fclose(raw) != 0 && written) {
    written = false;
    code = errno;
  }
  std::error_code rename_error;
  if (written && std::filesystem::exists(old_status)) {
    std::error_code ignored;  // a file whose permissions cannot be copied is still worth saving
    std::filesystem::permissions(temporary, old_status.permissions(), ignored);
  }
  if (written) std::filesystem::rename(temporary, target, rename_error);
  if (!written || rename_error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    if (!written) return error_at(path, "cannot be written", code);
    return FileError{path, "cannot be replaced: " + rename_error.message()};
  }
  return std::nullopt;
}

}  // namespace zav
