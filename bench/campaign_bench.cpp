// How long loading and saving one campaign takes, set against copying its 3708 bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <random>

#include "formats/campaign_file.h"
#include "formats/file_io.h"

namespace {

using namespace zav;

CampaignImage sample_image() {
  std::mt19937 random(1943);
  CampaignImage image;
  for (auto& byte : image) byte = static_cast<std::uint8_t>(random());
  return encode_campaign(decode_campaign(image));
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

void CopyFile(benchmark::State& state) {
  const auto folder = bench_folder();
  const CampaignImage image = sample_image();
  write_file_replacing(folder / "camp_in.dat", image);
  for (auto _ : state) {
    Result<Bytes> bytes = read_file(folder / "camp_in.dat");
    if (!bytes || write_file_replacing(folder / "camp_out.dat", bytes.value())) {
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
