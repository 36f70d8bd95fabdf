#include "name_tables.h"

#include <algorithm>
#include <span>

#include "formats/path_text.h"
#include "formats/string_file.h"

namespace zav {
namespace {

struct NameRule {
  std::uint32_t fewest;
  std::uint32_t most;
  const char* wrong_count;
};

NameRule rule_for(NameTable which) {
  switch (which) {
    case NameTable::weapons:
      return {0, 32, "Invalid File.  Incorrect number of weapon names.  Must be under 32 strings"};
    case NameTable::planes:
      return {30, 30, "Invalid File.  Incorrect number of plane names"};
    case NameTable::places:
      break;
  }
  return {308, 308, "Invalid File.  Incorrect number of place names"};
}

std::span<std::string> table_for(NameTable which, NameTables& tables) {
  switch (which) {
    case NameTable::weapons:
      return tables.weapon_names;
    case NameTable::planes:
      return tables.plane_names;
    case NameTable::places:
      break;
  }
  return tables.place_names;
}

}  // namespace

WeaponNames NameTables::default_weapon_names() {
  return {"NONE",
          "Bomb 100lb",
          "Bomb 250lb",
          "Bomb 500lb",
          "Bomb 1000lb",
          "Bomb 50kg",
          "Bomb 100kg",
          "Bomb 250kg",
          "Bomb 500kg",
          "Tank 45g",
          "Tank 75g",
          "Tank 108g",
          "Tank 150g",
          "Tank 165g",
          "Tank 200g",
          "Tank 300l",
          "Rocket 4in",
          "Rocket 5in",
          "Rocket HVAR",
          "Rocket 210mm",
          "Rocket R4M",
          "Me-110 Twin MG-151 Gunpod",
          "Me-109 MG-151 Gunpod",
          "Fw-190 Twin MG-151 Gunpod",
          "SPARE 1",
          "SPARE 2",
          "SPARE 3",
          "SPARE 4",
          "SPARE 5",
          "SPARE 6",
          "SPARE 7",
          "SPARE 8"};
}

void reset_weapon_names(NameTables& tables) {
  tables.weapon_names = NameTables::default_weapon_names();
  tables.weapons_from = {};
}

std::optional<std::string> load_names(NameTable which, const std::filesystem::path& path,
                                      NameTables& tables) {
  Result<Bytes> file = read_string_file(path);
  if (!file) return file.error().message();
  Result<std::uint32_t> count = decode_string_count(file.value(), path);
  if (!count) return count.error().message();
  // The count is judged first: a wrong count gets its own message, whatever follows it.
  const NameRule rule = rule_for(which);
  if (count.value() < rule.fewest || count.value() > rule.most) {
    return std::string(rule.wrong_count);
  }
  Result<std::vector<std::string>> strings = decode_strings(file.value(), count.value(), path);
  if (!strings) return strings.error().message();

  // A weapon file names the first weapons only; the rest fall back to their defaults.
  if (which == NameTable::weapons) reset_weapon_names(tables);
  const std::span<std::string> table = table_for(which, tables);
  for (std::size_t i = 0; i < strings.value().size(); ++i) table[i] = strings.value()[i];
  NameSource& source = which == NameTable::weapons  ? tables.weapons_from
                       : which == NameTable::planes ? tables.planes_from
                                                    : tables.places_from;
  source = {path, strings.value().size()};
  return std::nullopt;
}

void apply_airfields(const TargetFile& targets, NameTables& tables) {
  for (const TargetRecord& record : targets.records) {
    const bool names_airfield =
        record.airfield >= 1 && record.airfield <= static_cast<int>(tables.airfield_names.size());
    const bool names_place =
        record.place >= 0 && record.place < static_cast<int>(tables.place_names.size());
    if (names_airfield && names_place) {
      tables.airfield_names[record.airfield - 1] = tables.place_names[record.place];
    }
  }
}

std::string naming_the_file(const std::filesystem::path& file, const std::string& refusal) {
  const std::string name = path_to_utf8(file);
  return refusal.find(name) == std::string::npos ? name + ": " + refusal : refusal;
}

std::optional<std::string> load_airfields(const std::filesystem::path& path, NameTables& tables) {
  Result<TargetFile> targets = load_targets(path);
  if (!targets) return targets.error().message();
  apply_airfields(targets.value(), tables);
  tables.airfields_from = {path, static_cast<std::size_t>(std::count_if(
                                     tables.airfield_names.begin(), tables.airfield_names.end(),
                                     [](const std::string& name) { return !name.empty(); }))};
  return std::nullopt;
}

}  // namespace zav
