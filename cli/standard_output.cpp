#include "standard_output.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <system_error>

namespace zav::cli {
namespace {

int first_failure = 0;  // the errno of the first failed write; 0 while all went well

void note_failure() {
  if (first_failure == 0) first_failure = errno != 0 ? errno : EIO;
}

}  // namespace

void print(std::string_view text) {
  if (first_failure != 0) return;
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) note_failure();
}

std::optional<FileError> finish_standard_output() {
  errno = 0;
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) note_failure();
  if (first_failure == 0) return std::nullopt;
  return FileError{"(standard output)",
                   "cannot be written: " + std::generic_category().message(first_failure)};
}

}  // namespace zav::cli
