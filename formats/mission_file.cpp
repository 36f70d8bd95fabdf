#include "mission_file.h"

#include <string>

#include "file_io.h"

namespace zav {
namespace {

constexpr std::size_t kGroupSize = 20;
constexpr std::size_t kPlaneTypesAt = 4;  // within a group; bytes 1 to 3 are reserved
constexpr std::size_t kChancesAt = 12;

MissionGroup Mission::*const kGroups[] = {&Mission::fighters, &Mission::attack, &Mission::bombers};

}  // namespace

Mission decode_mission(std::span<const std::uint8_t, kMissionFileSize> image) {
  Mission mission;
  std::size_t at = 0;
  for (auto group : kGroups) {
    MissionGroup& g = mission.*group;
    g.count = image[at];
    for (std::size_t r = 0; r < MissionGroup::kRows; ++r) {
      g.plane_type[r] = image[at + kPlaneTypesAt + r];
      g.chance[r] = image[at + kChancesAt + r];
    }
    at += kGroupSize;
  }
  return mission;
}

MissionImage encode_mission(const Mission& mission) {
  MissionImage image{};
  std::size_t at = 0;
  for (auto group : kGroups) {
    const MissionGroup& g = mission.*group;
    image[at] = g.count;
    for (std::size_t r = 0; r < MissionGroup::kRows; ++r) {
      image[at + kPlaneTypesAt + r] = g.plane_type[r];
      image[at + kChancesAt + r] = g.chance[r];
    }
    at += kGroupSize;
  }
  return image;
}

Result<Mission> load_mission(const std::filesystem::path& path) {
  Result<FileStart> file = read_file_start(path, kMissionFileSize);
  if (!file) return file.error();
  const Bytes& b = file.value().bytes;
  if (b.size() < kMissionFileSize) {
    return FileError{path, "is not a mission file: it has " + std::to_string(b.size()) +
                               " bytes, a mission has 60"};
  }
  return decode_mission(
      std::span<const std::uint8_t, kMissionFileSize>(b.data(), kMissionFileSize));
}

std::optional<FileError> save_mission(const std::filesystem::path& path, const Mission& mission) {
  return write_file_replacing(path, encode_mission(mission));
}

}  // namespace zav
