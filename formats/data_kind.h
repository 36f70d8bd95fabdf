#pragma once

#include <filesystem>
#include <optional>

// The five kinds of data file, as their names tell them apart.
namespace zav {

enum class DataKind { campaign, squadrons, mission, strings, targets };

// The kind that a file's name gives (camp*.dat, sq*.dat, misn*.dat, *.str, targets.dat, in
// any case), or none.
std::optional<DataKind> kind_of_file_name(const std::filesystem::path& path);

}  // namespace zav
