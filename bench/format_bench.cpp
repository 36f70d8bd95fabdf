// How long loading and saving a file of each format takes: a campaign set against copying
// its 3708 bytes, in memory and through files; a squadron file of 25 squadrons and a mission
// file in memory.
#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <random>

#include "formats/campaign_file.h"
#include "formats/file_io.h"
#include "formats/mission_file.h"
#include "formats/squadron_file.h"

namespace {

using namespace zav;

// Random bytes, as the writer would write them back.
template <class Image>
Image random_image(unsigned seed) {
  std::mt19937 random(seed);
  Image image;
  for (auto& byte : image) byte = static_cast<std::uint8_t>(random());
  return image;
}

CampaignImage sample_image() {
  return encode_campaign(decode_campaign(random_image<CampaignImage>(1943)));
}

Bytes sample_squadrons() {
  const auto image = random_image<std::array<std::uint8_t, 25 * kSquadronRecordSize>>(1944);
  return encode_squadrons(decode_squadrons(image, SquadronRead::squadron_file, "sq.dat").value());
}

std::filesystem::path bench_folder() {
  const auto folder = std::filesystem::temp_directory_path() / "zav-campaign-bench";
  std::filesystem::create_directories(folder);
  return folder;
}

void CopyBytesInMemory(benchmark::State& state) {
  const CampaignImage image = sample_image();
  CampaignImage copy;
  for (auto _ : state) {
    std::memcpy(copy.data(), image.data(), image.size());
    benchmark::DoNotOptimize(copy);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(CopyBytesInMemory);

void DecodeEncodeInMemory(benchmark::State& state) {
  const CampaignImage image = sample_image();
  for (auto _ : state) {
    const Campaign campaign = decode_campaign(image);
    benchmark::DoNotOptimize(campaign);
    CampaignImage saved = encode_campaign(campaign);
    benchmark::DoNotOptimize(saved);
  }
}
BENCHMARK(DecodeEncodeInMemory);

void SquadronsDecodeEncodeInMemory(benchmark::State& state) {
  const Bytes file = sample_squadrons();
  for (auto _ : state) {
    Result<SquadronTable> table = decode_squadrons(file, SquadronRead::squadron_file, "sq.dat");
    benchmark::DoNotOptimize(table);
    Bytes saved = encode_squadrons(table.value());
    benchmark::DoNotOptimize(saved);
  }
}
BENCHMARK(SquadronsDecodeEncodeInMemory);

void MissionDecodeEncodeInMemory(benchmark::State& state) {
  const MissionImage image = encode_mission(decode_mission(random_image<MissionImage>(1945)));
  for (auto _ : state) {
    const Mission mission = decode_mission(image);
    benchmark::DoNotOptimize(mission);
    MissionImage saved = encode_mission(mission);
    benchmark::DoNotOptimize(saved);
  }
}
BENCHMARK(MissionDecodeEncodeInMemory);

void CopyFile(benchmark::State& state) {
  const auto folder = bench_folder();
  const CampaignImage image = sample_image();
  write_file_replacing(folder / "camp_in.dat", image);
  for (auto _ : state) {
    Result<FileStart> bytes = read_file_start(folder / "camp_in.dat", kCampaignFileSize);
    if (!bytes || write_file_replacing(folder / "camp_out.dat", bytes.value().bytes)) {
      state.SkipWithError("file copy failed");
    }
  }
}
BENCHMARK(CopyFile);

void LoadSaveFile(benchmark::State& state) {
  const auto folder = bench_folder();
  write_file_replacing(folder / "camp_in.dat", sample_image());
  for (auto _ : state) {
    Result<Campaign> campaign = load_campaign(folder / "camp_in.dat");
    if (!campaign || save_campaign(folder / "camp_out.dat", campaign.value())) {
      state.SkipWithError("load or save failed");
    }
  }
}
BENCHMARK(LoadSaveFile);

}  // namespace

BENCHMARK_MAIN();
