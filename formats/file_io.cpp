#include "file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace zav {
namespace {

namespace fs = std::filesystem;
using FileHandle = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// As many links as the system itself follows before it gives up.
constexpr int kMostLinksFollowed = 40;

// Opens a file by its name's own characters: on Windows the narrow fopen knows only the ANSI
// code page, and the C library there has no "x" (create, never reuse) mode.
std::FILE* open_file(const fs::path& path, const char* mode) {
#ifdef _WIN32
  if (std::string_view(mode) == "wbx") {
    const int fd = _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                          _S_IREAD | _S_IWRITE);
    if (fd < 0) return nullptr;
    std::FILE* file = _fdopen(fd, "wb");
    if (!file) _close(fd);
    return file;
  }
  const std::wstring wide_mode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(path.c_str(), wide_mode.c_str());
#else
  return std::fopen(path.c_str(), mode);
#endif
}

// Puts the complete temporary file in the target's place in one step.
std::error_code replace_with(const fs::path& temporary, const fs::path& target) {
#ifdef _WIN32
  // The library's rename gives most of Windows' reasons as "Input/output error"; Windows' own
  // words say what is wrong (a name too long, a file that another program holds open).
  if (MoveFileExW(temporary.c_str(), target.c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return {};
  }
  return {static_cast<int>(GetLastError()), std::system_category()};
#else
  std::error_code error;
  fs::rename(temporary, target, error);
  return error;
#endif
}

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
  FileHandle file(open_file(path, "rb"), &std::fclose);
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
  std::FILE* raw = open_file(temporary, "wbx");
  if (!raw) return error_at(path, "cannot be written", errno);
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), raw) == bytes.size();
  int code = errno;
  if (std::fclose(raw) != 0 && written) {
    written = false;
    code = errno;
  }
#ifndef _WIN32
  // Windows keeps no permission bits, only a read-only mark, and a read-only file refuses the
  // rename below anyway; a read-only temporary file could not even be removed after that.
  if (written && fs::exists(old_status)) {
    std::error_code ignored;  // a file whose permissions cannot be copied is still worth saving
    fs::permissions(temporary, old_status.permissions(), ignored);
  }
#endif
  const std::error_code replace_error = written ? replace_with(temporary, target)
                                                : std::error_code(code, std::generic_category());
  if (replace_error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return FileError{path, "cannot be written: " + replace_error.message()};
  }
  return std::nullopt;
}

}  // namespace zav
