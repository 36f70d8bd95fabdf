#include "json_mission.h"

#include "json_fields.h"
#include "model/mission_fields.h"

namespace zav::cli {

Json mission_to_json(const Mission& mission) {
  return document_to_json("mission", mission, fields::mission_fields);
}

Mission mission_from_json(const Json& document, JsonReader& reader) {
  Mission mission;
  read_document(reader, document, mission, fields::mission_fields);
  return mission;
}

}  // namespace zav::cli
