#include "json_squadrons.h"

#include <cstddef>

#include "json_fields.h"

namespace zav::cli {
namespace {

constexpr auto kMoveFields = field_list(Field{"probability", &AirfieldMove::probability},
                                        Field{"phase", &AirfieldMove::phase},
                                        Field{"destination", &AirfieldMove::destination});

constexpr auto kChangeFields = field_list(Field{"probability", &AircraftChange::probability},
                                          Field{"phase", &AircraftChange::phase},
                                          Field{"aircraft_type", &AircraftChange::aircraft_type},
                                          Field{"reserved", &AircraftChange::reserved});

constexpr auto kWeaponFields =
    field_list(Field{"weapon", &WeaponLoad::weapon}, Field{"phase", &WeaponLoad::phase},
               Field{"number", &WeaponLoad::number});

constexpr auto kSquadronFields = field_list(
    Field{"start_year", &Squadron::start_year}, Field{"start_month", &Squadron::start_month},
    Field{"start_day", &Squadron::start_day}, Field{"home_base", &Squadron::home_base},
    Field{"aircraft_type", &Squadron::aircraft_type},
    Field{"num_aircraft", &Squadron::num_aircraft}, Field{"num_pilots", &Squadron::num_pilots},
    Field{"morale", &Squadron::morale}, Field{"skill", &Squadron::skill},
    Field{"commencing_phase", &Squadron::commencing_phase},
    Field{"squadrons_in_group", &Squadron::squadrons_in_group},
    Field{"escort_weight", &Squadron::escort_weight},
    Field{"sweep_weight", &Squadron::sweep_weight}, Field{"bomb_weight", &Squadron::bomb_weight},
    Field{"intercept_weight", &Squadron::intercept_weight},
    Field{"interdiction_weight", &Squadron::interdiction_weight},
    Field{"sprite", &Squadron::sprite}, Field{"unit_name", &Squadron::unit_name},
    Field{"unit_description", &Squadron::unit_description}, Field{"staffel", &Squadron::staffel},
    Field{"num_moves", &Squadron::num_moves}, Field{"num_changes", &Squadron::num_changes},
    Field{"moves", &Squadron::moves, kMoveFields},
    Field{"changes", &Squadron::changes, kChangeFields},
    Field{"special_missions", &Squadron::special_missions},
    Field{"weapons", &Squadron::weapons, kWeaponFields});

constexpr std::string_view kDocumentMembers[] = {"kind", "squadrons"};
const std::string kListPath = "squadrons";

}  // namespace

Json squadrons_to_json(const SquadronTable& table) {
  Json list = Json::array();
  for (int s = 0; s < table.count; ++s)
    list.push_back(value_to_json(table.slots[s], kSquadronFields));
  return {{"kind", "squadrons"}, {"squadrons", std::move(list)}};
}

SquadronTable squadrons_from_json(const Json& document, JsonReader& reader) {
  SquadronTable table;
  if (!reader.object(document, "", kDocumentMembers)) return table;
  const Json* list = reader.member(document, "", kListPath);
  if (!list || !reader.array(*list, kListPath, 1, SquadronTable::kMaxSquadrons)) return table;
  table.count = static_cast<int>(list->size());
  for (std::size_t s = 0; s < list->size(); ++s) {
    read_value(reader, (*list)[s], element_path(kListPath, s), table.slots[s], kSquadronFields);
  }
  return table;
}

}  // namespace zav::cli
