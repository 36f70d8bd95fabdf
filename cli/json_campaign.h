#pragma once

#include "formats/campaign.h"
#include "json.h"
#include "json_reader.h"

namespace zav::cli {

// The campaign as a whole JSON document, "kind" first.
Json campaign_to_json(const Campaign& campaign);

// The campaign that a document describes; every fault goes to the reader. The document's
// "kind" member is the caller's to read.
Campaign campaign_from_json(const Json& document, JsonReader& reader);

}  // namespace zav::cli
