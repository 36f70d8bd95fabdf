#include "system_files.h"

#include <string>
#include <string_view>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace zav::system_files {

namespace fs = std::filesystem;

#ifdef _WIN32

std::FILE* open(const fs::path& path, const char* mode) {
  if (std::string_view(mode) == "wbx") {  // the Windows C library has no "x" mode
    const int fd = _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                          _S_IREAD | _S_IWRITE);
    if (fd < 0) return nullptr;
    std::FILE* file = _fdopen(fd, "wb");
    if (!file) _close(fd);
    return file;
  }
  const std::wstring wide_mode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(path.c_str(), wide_mode.c_str());
}

// Windows keeps no permission bits, only a read-only mark; a read-only file refuses to be
// replaced anyway, and a read-only copy could not even be removed after that.
void take_permissions(const fs::path&, const fs::file_status&) {}

std::error_code replace(const fs::path& from, const fs::path& to) {
  // The library's rename gives most of Windows' reasons as "Input/output error"; Windows' own
  // words say what is wrong (a name too long, a file that another program holds open).
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return {};
  }
  return {static_cast<int>(GetLastError()), std::system_category()};
}

#else

std::FILE* open(const fs::path& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}

void take_permissions(const fs::path& from, const fs::file_status& to) {
  if (!fs::exists(to)) return;
  std::error_code ignored;  // a file whose permissions cannot be copied is still worth saving
  fs::permissions(from, to.permissions(), ignored);
}

std::error_code replace(const fs::path& from, const fs::path& to) {
  std::error_code error;
  fs::rename(from, to, error);
  return error;
}

#endif

}  // namespace zav::system_files
