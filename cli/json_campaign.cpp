#include "json_campaign.h"

#include "json_fields.h"
#include "model/campaign_fields.h"

namespace zav::cli {

Json campaign_to_json(const Campaign& campaign) {
  return document_to_json("campaign", campaign, fields::campaign_fields);
}

Campaign campaign_from_json(const Json& document, JsonReader& reader) {
  Campaign campaign;
  read_document(reader, document, campaign, fields::campaign_fields);
  return campaign;
}

}  // namespace zav::cli
