#include "file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <system_error>

#include "system_files.h"

namespace zav {
namespace {

namespace fs = std::filesystem;
using FileHandle = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// As many links as the system itself follows before it gives up.
constexpr int kMostLinksFollowed = 40;

std::string errno_text(int code) {
  return std::generic_category().message(code);
}

FileError error_at(const fs::path& path, std::string what, int code) {
  return {path, what + ": " + errno_text(code)};
}

// What a path is, in words, when it is there but is no regular file; nothing otherwise.
std::optional<std::string> other_than_a_file(fs::file_type type) {
  switch (type) {
    case fs::file_type::regular:
    case fs::file_type::not_found:
    case fs::file_type::none:
      return std::nullopt;
    case fs::file_type::directory:
      return "a folder";
    case fs::file_type::fifo:
      return "a named pipe";
    case fs::file_type::block:
    case fs::file_type::character:
      return "a device";
    case fs::file_type::socket:
      return "a socket";
    default:
      return "something other than a file";
  }
}

Result<FileStart> read_start(std::FILE* file, const fs::path& name, std::size_t most) {
  Bytes bytes;
  const std::size_t wanted = most + 1;  // the one byte more tells whether the file goes on
  std::uint8_t chunk[16384];
  errno = 0;
  while (bytes.size() < wanted) {
    const std::size_t asked = std::min(sizeof chunk, wanted - bytes.size());
    const std::size_t got = std::fread(chunk, 1, asked, file);
    bytes.insert(bytes.end(), chunk, chunk + got);
    if (got < asked) break;
  }
  if (std::ferror(file)) return error_at(name, "cannot be read", errno);
  FileStart start;
  start.goes_on = bytes.size() > most;
  bytes.resize(std::min(bytes.size(), most));
  start.bytes = std::move(bytes);
  return start;
}

// The file that `path` names once its links are followed; it need not exist.
Result<fs::path> without_links(const fs::path& path) {
  fs::path target = path;
  std::error_code error;
  for (int links = 0; fs::symlink_status(target, error).type() == fs::file_type::symlink; ++links) {
    if (links == kMostLinksFollowed) return error_at(path, "cannot be written", ELOOP);
    const fs::path next = fs::read_symlink(target, error);
    if (error) return FileError{path, "cannot be written: " + error.message()};
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return target;
}

// Its name does not grow with the target's, so a name that the folder takes never fails
// because of its temporary file.
fs::path temporary_beside(const fs::path& target) {
  std::random_device random;
  std::string name = ".zav-save-";
  for (int i = 0; i < 8; ++i) name += "0123456789abcdef"[random() % 16];
  return target.parent_path() / (name + ".tmp");
}

}  // namespace

Result<FileStart> read_file_start(const fs::path& path, std::size_t most) {
  std::error_code ignored;  // a path that cannot be looked at is left to fopen to explain
  if (const auto kind = other_than_a_file(fs::status(path, ignored).type())) {
    return FileError{path, "cannot be read: it is " + *kind + ", not a file"};
  }
  errno = 0;
  FileHandle file(system_files::open(path, "rb"), &std::fclose);
  if (!file) return error_at(path, "cannot be opened", errno);
  return read_start(file.get(), path, most);
}

Result<FileStart> read_standard_input_start(std::size_t most) {
  return read_start(stdin, "(standard input)", most);
}

std::optional<FileError> write_file_replacing(const fs::path& path,
                                              std::span<const std::uint8_t> bytes) {
  const Result<fs::path> resolved = without_links(path);
  if (!resolved) return resolved.error();
  const fs::path& target = resolved.value();
  std::error_code status_error;  // a missing file is made; other faults show when it is
  const fs::file_status old_status = fs::status(target, status_error);
  if (old_status.type() == fs::file_type::directory) {
    return FileError{path, "cannot be written: a folder of that name is in the way"};
  }
  if (const auto kind = other_than_a_file(old_status.type())) {
    return FileError{path, "cannot be written: it is " + *kind + ", not a file"};
  }

  const fs::path temporary = temporary_beside(target);
  errno = 0;
  // "x": never reuse a file that happens to have the temporary's name.
  std::FILE* raw = system_files::open(temporary, "wbx");
  if (!raw) return error_at(path, "cannot be written", errno);
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), raw) == bytes.size();
  int code = errno;
  if (std::fclose(raw) != 0 && written) {
    written = false;
    code = errno;
  }
  if (written) system_files::take_permissions(temporary, old_status);
  const std::error_code replace_error = written ? system_files::replace(temporary, target)
                                                : std::error_code(code, std::generic_category());
  if (replace_error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return FileError{path, "cannot be written: " + replace_error.message()};
  }
  return std::nullopt;
}

}  // namespace zav
