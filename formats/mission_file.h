#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

#include "file_error.h"
#include "mission.h"

namespace zav {

inline constexpr std::size_t kMissionFileSize = 60;
using MissionImage = std::array<std::uint8_t, kMissionFileSize>;

Mission decode_mission(std::span<const std::uint8_t, kMissionFileSize> image);
MissionImage encode_mission(const Mission& mission);

// Refuses a file shorter than 60 bytes; of a longer one only the first 60 are read.
Result<Mission> load_mission(const std::filesystem::path& path);
std::optional<FileError> save_mission(const std::filesystem::path& path, const Mission& mission);

}  // namespace zav
