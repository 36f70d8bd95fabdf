#include "value_names.h"

#include <string_view>
#include <type_traits>
#include <variant>

#include "model/campaign_fields.h"
#include "model/event_layouts.h"
#include "model/field_walk.h"
#include "model/mission_fields.h"
#include "model/mission_triggers.h"
#include "model/name_list_ranges.h"
#include "model/squadron_fields.h"
#include "model/target_fields.h"
#include "model/target_types.h"

namespace zav::cli {
namespace {

template <class Table>
std::string entry_of(const Table& table, int value) {
  if (value < 0 || value >= static_cast<int>(table.size())) return {};
  return std::string(table[static_cast<std::size_t>(value)]);
}

std::string name_in(Names which, int value, const NameTables& names) {
  switch (which) {
    case Names::weapons:
      return entry_of(names.weapon_names, value);
    case Names::planes:
      return entry_of(names.plane_names, value);
    case Names::places:
      return entry_of(names.place_names, value);
    case Names::airfields:
      return entry_of(names.airfield_names, value);
  }
  return {};
}

// The text the editors' list shows for `value` of a field that says `values` of its values;
// empty where the list shows no name, or where the value is a plain number.
template <class Values>
std::string name_of(int value, const Values& values, const NameTables& names) {
  if constexpr (std::is_base_of_v<NameList, Values>) {
    if (value == values.high && !values.extra.empty()) return std::string(values.extra);
    return name_in(values.names, value, names);
  } else if constexpr (std::is_same_v<Values, PlaneOrNone>) {
    return value == PlaneType::kNone ? std::string(values.none)
                                     : entry_of(names.plane_names, value);
  } else if constexpr (std::is_base_of_v<TargetTypeCode, Values>) {
    const std::optional<int> position = target_position_for_code(value);
    return position ? std::string(kTargetTypes[static_cast<std::size_t>(*position)].text) : "";
  } else if constexpr (std::is_same_v<Values, EventTypeList>) {
    return value < kEventTypeCount ? std::string(type_layout(value).text) : "";
  } else if constexpr (std::is_same_v<Values, EventTriggerList>) {
    return value < kEventTriggerCount ? std::string(trigger_layout(value).text) : "";
  } else if constexpr (std::is_same_v<Values, MissionTriggerList>) {
    if (value < 0 || value >= static_cast<int>(kMissionTriggers.size())) return {};
    return std::string(kMissionTriggers[static_cast<std::size_t>(value)].text);
  } else if constexpr (requires {
                         values.values;
                         values.texts;
                       }) {  // Choices
    for (std::size_t i = 0; i < values.values.size(); ++i) {
      if (values.values[i] == value) return std::string(values.texts[i]);
    }
    return {};
  } else if constexpr (requires { values.texts; }) {  // Listed
    return entry_of(values.texts, value - values.low);
  } else if constexpr (requires { values.first_shown; }) {  // Numbered
    if (!values.contains(value)) return {};
    const int shown = value - values.low + values.first_shown;
    return shown == value ? "" : std::to_string(shown);
  } else {
    return {};
  }
}

class Namer {
 public:
  Namer(const NameTables& names, ValueNames& found) : names_(names), found_(found) {}

  template <class Record, class List>
  void name(const Record& record, const List& list, const std::string& path) const {
    walk_values(record, list, FieldPath(path), Entries::all,
                [this](const FieldPath& at, int value, const auto& values, const auto&) {
                  std::string text = name_of(value, values, names_);
                  if (!text.empty()) found_.emplace(at.text(), std::move(text));
                });
  }

 private:
  const NameTables& names_;
  ValueNames& found_;
};

}  // namespace

ValueNames name_values(const DataFile& file, const NameTables& names) {
  ValueNames found;
  const Namer namer(names, found);
  std::visit(
      [&](const auto& record) {
        using Record = std::remove_cvref_t<decltype(record)>;
        if constexpr (std::is_same_v<Record, Campaign>) {
          namer.name(record, fields::campaign_fields, "");
        } else if constexpr (std::is_same_v<Record, SquadronTable>) {
          for (int s = 0; s < record.count; ++s) {
            namer.name(record.slots[static_cast<std::size_t>(s)], fields::squadron_fields,
                       element_path("squadrons", static_cast<std::size_t>(s)));
          }
        } else if constexpr (std::is_same_v<Record, Mission>) {
          namer.name(record, fields::mission_fields, "");
        } else if constexpr (std::is_same_v<Record, TargetFile>) {
          namer.name(record, fields::target_file_fields, "");
        }
      },
      file);
  return found;
}

std::optional<std::string> load_game_names(const std::filesystem::path& folder, NameTables& names) {
  for (const auto& [which, file] : {std::pair{NameTable::weapons, "weapons.str"},
                                    {NameTable::planes, "planes.str"},
                                    {NameTable::places, "places.str"}}) {
    if (const auto refused = load_names(which, folder / file, names)) {
      return naming_the_file(folder / file, *refused);
    }
  }
  if (const auto refused = load_airfields(folder / "targets.dat", names)) {
    return naming_the_file(folder / "targets.dat", *refused);
  }
  return std::nullopt;
}

std::string with_name(const std::string& value, const ValueNames& names, const std::string& path) {
  const auto found = names.find(path);
  return found == names.end() ? value : value + " (" + found->second + ")";
}

}  // namespace zav::cli
