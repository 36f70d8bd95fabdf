#include "json_mission.h"

#include "json_fields.h"

namespace zav::cli {
namespace {

constexpr auto kGroupFields =
    field_list(Field{"count", &MissionGroup::count}, Field{"plane_type", &MissionGroup::plane_type},
               Field{"chance", &MissionGroup::chance});

constexpr auto kMissionFields = field_list(Field{"fighters", &Mission::fighters, kGroupFields},
                                           Field{"attack", &Mission::attack, kGroupFields},
                                           Field{"bombers", &Mission::bombers, kGroupFields});

}  // namespace

Json mission_to_json(const Mission& mission) {
  return document_to_json("mission", mission, kMissionFields);
}

Mission mission_from_json(const Json& document, JsonReader& reader) {
  Mission mission;
  read_document(reader, document, mission, kMissionFields);
  return mission;
}

}  // namespace zav::cli
