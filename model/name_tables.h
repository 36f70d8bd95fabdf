#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "formats/target_file.h"

// The tables that let the editors show codes as names.
namespace zav {

using WeaponNames = std::array<std::string, 32>;     // by weapon code
using PlaneNames = std::array<std::string, 30>;      // by plane type code
using PlaceNames = std::array<std::string, 308>;     // by place index
using AirfieldNames = std::array<std::string, 162>;  // entry n - 1 names airfield n

// The file a table's names were last loaded from, and how many it gave; no file while the
// table holds its built-in names or none.
struct NameSource {
  std::filesystem::path file;
  std::size_t names = 0;
};

struct NameTables {
  WeaponNames weapon_names = default_weapon_names();
  PlaneNames plane_names{};
  PlaceNames place_names{};
  AirfieldNames airfield_names{};
  NameSource weapons_from, planes_from, places_from, airfields_from;

  static WeaponNames default_weapon_names();
};

void reset_weapon_names(NameTables& tables);

enum class NameTable { weapons, planes, places };

// Loads one name table from a string file. A count the table does not take is refused with
// the table's own message; an unreadable file with a message naming it. On any failure the
// table is left exactly as it was, and the text to show the user is returned.
std::optional<std::string> load_names(NameTable which, const std::filesystem::path& path,
                                      NameTables& tables);

// Names each airfield after the place its target record gives; a later record wins, records
// of airfield 0 and records naming no table entry are skipped, airfields no record names
// keep their names.
void apply_airfields(const TargetFile& targets, NameTables& tables);

// A refusal of the loaders here, naming `file` where the table's own message does not
// ("Invalid File.  Incorrect number of place names" names none).
std::string naming_the_file(const std::filesystem::path& file, const std::string& refusal);

// Reads a target file and applies it; returns the text to show the user when it fails.
std::optional<std::string> load_airfields(const std::filesystem::path& path, NameTables& tables);

}  // namespace zav
