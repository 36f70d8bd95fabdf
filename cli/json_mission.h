#pragma once

#include "formats/mission.h"
#include "json.h"
#include "json_reader.h"

namespace zav::cli {

// The mission as a whole JSON document, "kind" first.
Json mission_to_json(const Mission& mission);

// The mission that a document describes; every fault goes to the reader. The document's
// "kind" member is the caller's to read.
Mission mission_from_json(const Json& document, JsonReader& reader);

}  // namespace zav::cli
