#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "file_kind.h"

// What each command of the tool does with its files, and its exit status.
namespace zav::cli {

// Exit statuses: `check` and `diff` tell with 1 that they found something, `build` that the
// document has problems; 2 is a wrong command line or a file that cannot be read or written.
inline constexpr int kExitClean = 0;
inline constexpr int kExitFound = 1;
inline constexpr int kExitError = 2;

// How the data files of a command are read.
struct ReadOptions {
  std::optional<FileKind> kind;  // none: taken from each file's name
  bool base_file = false;        // squadrons read the way the base file sqbasic.dat is read
};

int run_dump(const std::filesystem::path& file, const ReadOptions& read);

// `json` "-" reads the document from standard input. `base_file` writes squadrons the way the
// base file sqbasic.dat is read.
int run_build(const std::filesystem::path& json, const std::filesystem::path& out, bool base_file);

// Unless `quiet`, a clean run says on standard error how many files it checked.
int run_check(const std::vector<std::filesystem::path>& files, const ReadOptions& read, bool quiet);

// Values are named from the name files of the game folder `names`, or else from the built-in
// names; a name file missing or refused stops the command before it prints anything.
int run_diff(const std::filesystem::path& old_file, const std::filesystem::path& new_file,
             const ReadOptions& read, const std::optional<std::filesystem::path>& names);

int run_show(const std::filesystem::path& file, const ReadOptions& read,
             const std::optional<std::filesystem::path>& names);

}  // namespace zav::cli
