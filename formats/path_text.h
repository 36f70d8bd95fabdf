#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zav {

// File names as UTF-8 text, for messages, JSON and command lines, the same on every system.
// On Linux a name's bytes are kept as they are; on Windows the UTF-16 name is converted, and a
// character that has no UTF-8 form (a lone surrogate) becomes U+FFFD instead of failing.
std::string path_to_utf8(const std::filesystem::path& path);
std::filesystem::path path_from_utf8(std::string_view text);

}  // namespace zav
