#include <string_view>

#include "cli/build.h"
#include "cli/json_campaign.h"
#include "cli/json_mission.h"
#include "cli/json_other.h"
#include "cli/json_squadrons.h"
#include "formats/campaign_file.h"
#include "formats/mission_file.h"
#include "formats/squadron_file.h"
#include "formats/string_file.h"
#include "formats/target_file.h"
#include "fuzz_check.h"

// Any bytes as the document of `zav build`, in memory: refused with its problems or built,
// never a crash or an escaped exception. What builds goes through the core's writers, and the
// file they write reads back to a record whose JSON form builds the same file again.
namespace {

using namespace zav;
using namespace zav::cli;

Bytes written(const DataFile& file) {
  if (const auto* campaign = std::get_if<Campaign>(&file)) {
    const CampaignImage image = encode_campaign(*campaign);
    return Bytes(image.begin(), image.end());
  }
  if (const auto* table = std::get_if<SquadronTable>(&file)) return encode_squadrons(*table);
  if (const auto* strings = std::get_if<StringList>(&file)) return encode_string_file(*strings);
  if (const auto* targets = std::get_if<TargetFile>(&file)) return encode_targets(*targets);
  const MissionImage image = encode_mission(std::get<Mission>(file));
  return Bytes(image.begin(), image.end());
}

// The JSON form of what the file reads back as.
Json read_back(const DataFile& file, const Bytes& bytes) {
  if (std::holds_alternative<Campaign>(file)) {
    return campaign_to_json(decode_campaign(
        std::span<const std::uint8_t, kCampaignFileSize>(bytes.data(), bytes.size())));
  }
  if (std::holds_alternative<SquadronTable>(file)) {
    const Result<SquadronTable> table =
        decode_squadrons(bytes, SquadronRead::squadron_file, "fuzz.dat");
    ZAV_FUZZ_CHECK(table);
    return squadrons_to_json(table.value());
  }
  if (std::holds_alternative<StringList>(file)) {
    const Result<std::uint32_t> count = decode_string_count(bytes, "fuzz.str");
    ZAV_FUZZ_CHECK(count);
    const Result<std::vector<std::string>> strings =
        decode_strings(bytes, count.value(), "fuzz.str");
    ZAV_FUZZ_CHECK(strings);
    return strings_to_json(strings.value());
  }
  if (std::holds_alternative<TargetFile>(file)) {
    return targets_to_json(
        decode_targets(std::span<const std::uint8_t, TargetFile::kSize>(bytes.data(), bytes.size())));
  }
  return mission_to_json(
      decode_mission(std::span<const std::uint8_t, kMissionFileSize>(bytes.data(), bytes.size())));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  DocumentProblems problems;
  const Result<Json> document = parse_json(text, "fuzz.json", problems);
  if (!document) return 0;
  const std::optional<DataFile> file = file_from_json(document.value(), problems);
  ZAV_FUZZ_CHECK(file.has_value() == problems.empty());
  ZAV_FUZZ_CHECK(problems.listed().size() <= DocumentProblems::kListed);
  if (!file) return 0;

  const Bytes bytes = written(*file);
  DocumentProblems again;
  const std::optional<DataFile> rebuilt = file_from_json(read_back(*file, bytes), again);
  ZAV_FUZZ_CHECK(rebuilt && written(*rebuilt) == bytes);
  return 0;
}
