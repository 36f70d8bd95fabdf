// zav: the data files of ZAV Campaign Editor as JSON, and back.
#include <CLI/CLI.hpp>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "commands.h"
#include "file_kind.h"
#include "formats/path_text.h"
#include "standard_output.h"
#include "windows_console.h"

namespace {

using zav::cli::ReadOptions;

// What --base means, for the commands that read squadron files and for build.
constexpr const char* kBaseForm =
    " the way the squadron editor reads sqbasic.dat at start-up (home bases and moves without "
    "the +1, no weapon numbers)";

// --kind and --base, for the commands that read data files.
class ReadFlags {
 public:
  void add_to(CLI::App& command) {
    kind_option_ =
        command
            .add_option("--kind", kind_,
                        "Read the files as this kind instead of the one their names give: "
                        "campaign, squadrons, mission, strings or targets")
            ->type_name("KIND")
            ->transform(CLI::IsMember(kind_names(), CLI::ignore_case).description(""));
    command.add_flag("--base", base_file_, std::string("Read squadron files") + kBaseForm);
  }

  ReadOptions options() const {
    ReadOptions read;
    if (kind_option_->count() > 0) read.kind = zav::cli::kinds_by_name().at(kind_);
    read.base_file = base_file_;
    return read;
  }

 private:
  static std::vector<std::string> kind_names() {
    std::vector<std::string> names;
    for (const auto& [name, kind] : zav::cli::kinds_by_name()) names.push_back(name);
    return names;
  }

  std::string kind_;
  CLI::Option* kind_option_ = nullptr;
  bool base_file_ = false;
};

constexpr const char* kNamesHelp =
    "Name planes, places, airfields and weapons from the game folder DIR (weapons.str, "
    "planes.str, places.str, targets.dat) instead of the built-in names";

// File names arrive as UTF-8 (see wmain) and become paths only here: CLI11 would make them paths
// through the ANSI code page on Windows.
std::vector<std::filesystem::path> paths_from_utf8(const std::vector<std::string>& names) {
  std::vector<std::filesystem::path> paths;
  for (const std::string& name : names) paths.push_back(zav::path_from_utf8(name));
  return paths;
}

// The folder given to --names, if it was given.
std::optional<std::filesystem::path> folder_of(const CLI::App& command, const std::string& dir) {
  if (command.get_option("--names")->count() == 0) return std::nullopt;
  return zav::path_from_utf8(dir);
}

int run(int argc, const char* const* argv) {
  CLI::App app(
      "Dumps the data files of ZAV Campaign Editor (campaigns, squadrons, missions, string "
      "files, the target file) as JSON, builds them back from JSON, checks them, compares them "
      "and shows them as text.\nExit status: 0 when all is well, 1 when check or diff found "
      "something or build "
      "refused its document, 2 for a wrong command line or a file that cannot be read or "
      "written.",
      "zav");
  app.set_version_flag("--version", "zav " ZAV_VERSION);
  app.require_subcommand(1);
  // Options start with "-" on every system: on Windows CLI11 would also take "/name" for one,
  // and so misread a file named by an absolute path with forward slashes.
  app.allow_windows_style_options(false);

  std::string dump_file;
  ReadFlags dump_flags;
  CLI::App* dump = app.add_subcommand("dump", "Print a data file as JSON on standard output");
  dump->add_option("FILE", dump_file, "The data file")->required();
  dump_flags.add_to(*dump);

  std::string build_json;
  std::string build_out;
  bool build_base = false;
  CLI::App* build = app.add_subcommand(
      "build",
      "Write the data file that a JSON document describes; nothing is written when the document "
      "has any problem");
  build->add_option("JSON", build_json, "The JSON document, or - for standard input")->required();
  build->add_option("-o,--output", build_out, "The file to write")->required();
  build->add_flag("--base", build_base, std::string("Write squadrons") + kBaseForm);

  std::vector<std::string> check_files;
  ReadFlags check_flags;
  CLI::App* check = app.add_subcommand(
      "check", "Report values that the editors cannot show or that the game's limits forbid");
  check->add_option("FILE", check_files, "The data files")->required();
  bool check_quiet = false;
  check->add_flag("-q,--quiet", check_quiet, "Say nothing when nothing is found");
  check_flags.add_to(*check);

  std::string diff_old;
  std::string diff_new;
  ReadFlags diff_flags;
  CLI::App* diff = app.add_subcommand(
      "diff", "Print the fields that differ between two data files as path: old -> new");
  diff->add_option("OLD", diff_old, "The first file")->required();
  diff->add_option("NEW", diff_new, "The second file")->required();
  diff_flags.add_to(*diff);
  std::string diff_names;
  diff->add_option("--names", diff_names, kNamesHelp)->type_name("DIR");

  std::string show_file;
  ReadFlags show_flags;
  std::string show_names;
  CLI::App* show = app.add_subcommand(
      "show", "Print a data file as text a person reads: path: value (name), a value to a line");
  show->add_option("FILE", show_file, "The data file")->required();
  show_flags.add_to(*show);
  show->add_option("--names", show_names, kNamesHelp)->type_name("DIR");

  int status = zav::cli::kExitClean;
  try {
    app.parse(argc, argv);
    using zav::path_from_utf8;
    if (*dump) {
      status = zav::cli::run_dump(path_from_utf8(dump_file), dump_flags.options());
    } else if (*build) {
      status =
          zav::cli::run_build(path_from_utf8(build_json), path_from_utf8(build_out), build_base);
    } else if (*check) {
      status =
          zav::cli::run_check(paths_from_utf8(check_files), check_flags.options(), check_quiet);
    } else if (*diff) {
      status = zav::cli::run_diff(path_from_utf8(diff_old), path_from_utf8(diff_new),
                                  diff_flags.options(), folder_of(*diff, diff_names));
    } else {
      status = zav::cli::run_show(path_from_utf8(show_file), show_flags.options(),
                                  folder_of(*show, show_names));
    }
  } catch (const CLI::ParseError& error) {
    std::ostringstream out;  // help and version texts, printed checked like any output
    status = app.exit(error, out) == 0 ? zav::cli::kExitClean : zav::cli::kExitError;
    zav::cli::print(out.str());
  } catch (const std::exception& error) {
    // The commands report every fault they know of themselves; this is the last guard.
    std::cerr << "zav: stopped: " << error.what() << '\n';
    status = zav::cli::kExitError;
  }
  if (const auto error = zav::cli::finish_standard_output()) {
    std::cerr << error->message() << '\n';
    return zav::cli::kExitError;
  }
  return status;
}

}  // namespace

#ifdef _WIN32
// The wide command line, so that file names in any script reach the tool whole; the narrow one
// holds only what the ANSI code page can spell.
int wmain(int argc, wchar_t** wide_argv) {
  const zav::cli::Utf8Console console;
  std::vector<std::string> args;
  for (int i = 0; i < argc; ++i) args.push_back(zav::path_to_utf8(wide_argv[i]));
  std::vector<const char*> argv;
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  return run(argc, argv.data());
}
#else
int main(int argc, char** argv) {
  return run(argc, argv);
}
#endif
