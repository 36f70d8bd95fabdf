#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// The five kinds of data file the tool reads.
namespace zav::cli {

enum class FileKind { campaign, squadrons, mission, strings, targets };

// Each kind by the name that --kind and the JSON member "kind" use.
const std::map<std::string, FileKind>& kinds_by_name();

std::string_view kind_name(FileKind kind);

// The kind that a file's name gives (camp*.dat, sq*.dat, misn*.dat, *.str, targets.dat, in
// any case), or none.
std::optional<FileKind> kind_of_file_name(const std::filesystem::path& path);

}  // namespace zav::cli
