#include <algorithm>

#include "formats/campaign_file.h"
#include "fuzz_check.h"

// Any 3708 bytes are a campaign; saving it normalises once and the record survives the save.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zav;
  CampaignImage image{};  // short inputs stand for files that end in zeros
  std::copy_n(data, std::min(size, image.size()), image.begin());
  const Campaign record = decode_campaign(image);
  ZAV_FUZZ_CHECK(campaign_problems(record).empty());
  const CampaignImage saved = encode_campaign(record);
  const Campaign reloaded = decode_campaign(saved);
  ZAV_FUZZ_CHECK(encode_campaign(reloaded) == saved);
  ZAV_FUZZ_CHECK(decode_campaign(encode_campaign(reloaded)) == reloaded);
  return 0;
}
