#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

#include "campaign.h"
#include "field_problem.h"
#include "file_error.h"

namespace zav {

inline constexpr std::size_t kCampaignFileSize = 3708;
using CampaignImage = std::array<std::uint8_t, kCampaignFileSize>;

// The first 3708 bytes of a campaign file as a record. Every byte pattern is a campaign.
Campaign decode_campaign(std::span<const std::uint8_t, kCampaignFileSize> image);

// Values the file cannot hold so that they read back the same, e.g. an altitude of -1,
// which only the bytes meaning "0" could carry.
FieldProblems campaign_problems(const Campaign& campaign);

// The file image of a record; the record must have no campaign_problems().
CampaignImage encode_campaign(const Campaign& campaign);

// Reads a campaign file; a file shorter than 3708 bytes is refused, of a longer one only the
// first 3708 bytes are read.
Result<Campaign> load_campaign(const std::filesystem::path& path);

// Writes the record as a campaign file, refusing it when it has campaign_problems().
std::optional<FileError> save_campaign(const std::filesystem::path& path, const Campaign& campaign);

}  // namespace zav
