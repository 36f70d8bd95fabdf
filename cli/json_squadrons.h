#pragma once

#include "formats/squadron.h"
#include "json.h"
#include "json_reader.h"

namespace zav::cli {

// Squadrons 0 to count - 1 as a whole JSON document, "kind" first.
Json squadrons_to_json(const SquadronTable& table);

// The squadron table that a document describes, one squadron per array entry; every fault
// goes to the reader. The document's "kind" member is the caller's to read.
SquadronTable squadrons_from_json(const Json& document, JsonReader& reader);

}  // namespace zav::cli
