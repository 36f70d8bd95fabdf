#pragma once

#include <cstdio>
#include <filesystem>
#include <system_error>

// The few file operations whose system calls differ between POSIX systems and Windows.
namespace zav::system_files {

// fopen by the name's own characters (on Windows the narrow fopen knows only the ANSI code
// page). Mode "wbx" makes a new file and never opens one that is there already.
std::FILE* open(const std::filesystem::path& path, const char* mode);

// Gives the complete file `from` the permissions `to` had, where the system keeps such bits.
void take_permissions(const std::filesystem::path& from, const std::filesystem::file_status& to);

// Puts `from` in `to`'s place in one step, replacing `to`.
std::error_code replace(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace zav::system_files
