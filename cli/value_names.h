#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <unordered_map>

#include "data_file.h"
#include "model/name_tables.h"

// What the numbers of a data file stand for, as the editors' lists show them: a plane, a
// place, an airfield, a weapon, a target type with its markers, a month, a side.
namespace zav::cli {

// The name of each named value, by its path in the text form: "squadrons[3].aircraft_type"
// to "Spitfire I". A value whose table holds no name for it has none.
using ValueNames = std::unordered_map<std::string, std::string>;

ValueNames name_values(const DataFile& file, const NameTables& names);

// Loads into `names` the name tables of a game folder: weapons.str, planes.str, places.str and
// targets.dat, each read by the rules of the main window's loaders. The first file that is
// missing or refused gives the text to tell the user, naming the file; `names` is then only
// partly loaded.
std::optional<std::string> load_game_names(const std::filesystem::path& folder, NameTables& names);

// "4 (Spitfire I)", or "4" where the value has no name.
std::string with_name(const std::string& value, const ValueNames& names, const std::string& path);

}  // namespace zav::cli
