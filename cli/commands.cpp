#include "commands.h"

#include <iostream>

#include "build.h"
#include "check.h"
#include "data_file.h"
#include "diff.h"
#include "formats/file_io.h"
#include "formats/path_text.h"
#include "json_reader.h"
#include "standard_output.h"
#include "value_names.h"

namespace zav::cli {
namespace {

Result<DataFile> load(const std::filesystem::path& file, const ReadOptions& read) {
  const std::optional<FileKind> kind = read.kind ? read.kind : kind_of_file_name(file);
  if (!kind) {
    return FileError{file,
                     "has a name that tells no kind of file; name it with --kind "
                     "(campaign, squadrons, mission, strings or targets)"};
  }
  if (read.base_file && *kind != FileKind::squadrons) {
    return FileError{file, "is read as a " + std::string(kind_name(*kind)) +
                               " file, but --base applies to squadron files only"};
  }
  return load_data_file(file, *kind,
                        read.base_file ? SquadronRead::base_file : SquadronRead::squadron_file);
}

int report(const FileError& error) {
  std::cerr << error.message() << '\n';
  return kExitError;
}

// Far larger than the JSON form of any data file: a larger document is refused unread.
constexpr std::size_t kLargestDocument = std::size_t{4} << 20;

Result<std::string> read_document_text(const std::filesystem::path& json,
                                       const std::filesystem::path& source) {
  Result<FileStart> start = json == "-" ? read_standard_input_start(kLargestDocument)
                                        : read_file_start(json, kLargestDocument);
  if (!start) return start.error();
  if (start.value().goes_on) {
    return FileError{source,
                     "is larger than 4 MiB, far larger than the JSON form of any data file"};
  }
  return std::string(start.value().bytes.begin(), start.value().bytes.end());
}

// The names of the game folder `folder`, or the built-in ones; none, the user told why, when a
// name file is missing or refused.
std::optional<NameTables> name_tables(const std::optional<std::filesystem::path>& folder) {
  NameTables tables;
  if (!folder) return tables;
  if (const auto refused = load_game_names(*folder, tables)) {
    std::cerr << *refused << '\n';
    return std::nullopt;
  }
  return tables;
}

std::string count_of(std::size_t count, const std::string& noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

// Prints the differences, a line each; the exit status tells whether there were any.
int printed(const std::vector<std::string>& differences) {
  for (const std::string& line : differences) print(line + "\n");
  return differences.empty() ? kExitClean : kExitFound;
}

}  // namespace

int run_dump(const std::filesystem::path& file, const ReadOptions& read) {
  const Result<DataFile> loaded = load(file, read);
  if (!loaded) return report(loaded.error());
  print(data_file_to_json(loaded.value()).dump(2) + "\n");
  return kExitClean;
}

int run_build(const std::filesystem::path& json, const std::filesystem::path& out, bool base_file) {
  const SquadronRead how = base_file ? SquadronRead::base_file : SquadronRead::squadron_file;
  const std::filesystem::path source = json == "-" ? "(standard input)" : json;
  const Result<std::string> text = read_document_text(json, source);
  if (!text) return report(text.error());
  DocumentProblems problems;
  const Result<Json> document = parse_json(text.value(), source, problems);
  if (!document) return report(document.error());
  const std::optional<DataFile> file = file_from_json(document.value(), problems, how);
  if (!file) {
    for (const FieldProblem& problem : problems.listed()) {
      std::cerr << path_to_utf8(source) << ": " << problem.message() << '\n';
    }
    if (problems.count() > problems.listed().size()) {
      std::cerr << path_to_utf8(source) << ": "
                << count_of(problems.count() - problems.listed().size(), "more problem")
                << " not listed\n";
    }
    std::cerr << path_to_utf8(out) << ": nothing written; " << path_to_utf8(source) << " has "
              << count_of(problems.count(), "problem") << '\n';
    return kExitFound;
  }
  if (const auto error = save_built_file(out, *file, how)) return report(*error);
  return kExitClean;
}

int run_check(const std::vector<std::filesystem::path>& files, const ReadOptions& read,
              bool quiet) {
  bool found = false;
  bool failed = false;
  for (const std::filesystem::path& file : files) {
    const Result<DataFile> loaded = load(file, read);
    if (!loaded) {
      report(loaded.error());
      failed = true;
      continue;
    }
    for (const FieldProblem& problem : check_data_file(loaded.value())) {
      print(path_to_utf8(file) + ": " + problem.message() + "\n");
      found = true;
    }
  }
  if (failed) return kExitError;
  if (found) return kExitFound;
  // Silence alone would not tell a clean run from one that checked nothing.
  if (!quiet) {
    std::cerr << "checked " << files.size() << (files.size() == 1 ? " file" : " files")
              << ": nothing found\n";
  }
  return kExitClean;
}

int run_diff(const std::filesystem::path& old_file, const std::filesystem::path& new_file,
             const ReadOptions& read, const std::optional<std::filesystem::path>& names) {
  const std::optional<NameTables> tables = name_tables(names);
  if (!tables) return kExitError;
  const Result<DataFile> old_loaded = load(old_file, read);
  if (!old_loaded) return report(old_loaded.error());
  const Result<DataFile> new_loaded = load(new_file, read);
  if (!new_loaded) return report(new_loaded.error());
  const ValueNames old_names = name_values(old_loaded.value(), *tables);
  const ValueNames new_names = name_values(new_loaded.value(), *tables);
  if (const auto lines = fixed_layout_differences(old_loaded.value(), new_loaded.value(),
                                                  old_names, new_names)) {
    return printed(*lines);
  }
  const Json old_json = data_file_to_json(old_loaded.value());
  const Json new_json = data_file_to_json(new_loaded.value());
  if (old_json.at("kind") != new_json.at("kind")) {
    std::cerr << path_to_utf8(old_file) << " and " << path_to_utf8(new_file)
              << " are different kinds of file (" << old_json.at("kind").get<std::string>()
              << " and " << new_json.at("kind").get<std::string>() << ")\n";
    return kExitError;
  }
  return printed(differences(old_json, new_json, old_names, new_names));
}

int run_show(const std::filesystem::path& file, const ReadOptions& read,
             const std::optional<std::filesystem::path>& names) {
  const std::optional<NameTables> tables = name_tables(names);
  if (!tables) return kExitError;
  const Result<DataFile> loaded = load(file, read);
  if (!loaded) return report(loaded.error());
  const Json document = data_file_to_json(loaded.value());
  for (const std::string& line : value_lines(document, name_values(loaded.value(), *tables))) {
    print(line + "\n");
  }
  return kExitClean;
}

}  // namespace zav::cli
